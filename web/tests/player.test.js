// The player in each engine, as a user drives it: by the keyboard alone and by the lock screen's
// actions.
'use strict';

const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {sleep} = require('../../tools/browser/browser.js');
const {test} = require('node:test');
const {archive, H} = require('./archives.js');
const {choose, controls, eachEngine, focused, heard} = require('./harness.js');

eachEngine((engine, sandbox) => {

  // The player, by the keyboard alone and by the lock screen's actions: play all, the next
  // track and the one before, seeking, pausing; the row that plays marked, the lock screen
  // told the track; a rate changed stops the sound with a word. Where the engine gives the page
  // no sound output, the page says so instead.
  test('the player: by keys and by the lock screen\'s actions', async (t) => {
    const page = await sandbox.open({folder: false});
    const archivePath = path.join(sandbox.folder('archives'), 'player.bin');
    // Three tracks of two pairs and more, each looping from its first pair to its third.
    fs.writeFileSync(archivePath, archive(9, [0, 3, 6].flatMap((p) => [[p, 0, 5, H, 0x06],
                                                                      [p + 2, 0, 100, H, 0x03]])));
    await choose(page, archivePath);
    // WebKitGTK waits on its sound output for a context's suspend or resume on the page's
    // thread: the page asks for one at a time, and none that would change nothing.
    await page.evaluate(() => {
      let pending = 0;
      window.contextCalls = {needless: 0, overlapping: 0};
      for (const name of ['resume', 'suspend']) {
        const original = AudioContext.prototype[name];
        AudioContext.prototype[name] = function change() {
          if ((this.state === 'running') === (name === 'resume')) ++contextCalls.needless;
          if (pending++) ++contextCalls.overlapping;
          return original.call(this).finally(() => --pending);
        };
      }
    });
    const playable = await page.evaluate(() => tracks.filter((track) => track.playable)
                                                     .map((track) => track.name.slice(0, -6)));
    const now = () => page.evaluate(() => {
      const row = document.querySelector('#tracks tr.playing');
      return {row: row?.dataset.track, current: row?.getAttribute('aria-current'),
              text: document.getElementById('now').textContent,
              seek: Number(document.getElementById('seek').value),
              title: navigator.mediaSession?.metadata?.title ?? null,
              album: navigator.mediaSession?.metadata?.album ?? null};
    });
    // Resolves once playable[track] plays, between `from` and `to` seconds of its play.
    const playing = (track, from = 0, to = null) => page.waitFor(([name, from, to]) => {
      const row = document.querySelector('#tracks tr.playing');
      const at = Number(document.getElementById('seek').value) / 44100;
      return row?.dataset.track === name && at >= from && (to === null || at < to);
    }, [playable[track], from, to], {timeout: 10000});
    const paused = (pressed) => page.waitFor((pressed) =>
        document.getElementById('pause').getAttribute('aria-pressed') === pressed, pressed);

    // A track's name, from the keyboard, plays from its track on; Space on it pauses the play,
    // and plays on: the pause is the one way to stop. Where the engine gives the page no sound
    // output, the page says so within seconds.
    const rowPlay = `tr[data-track=${playable[1]}] button.play`;
    await page.focus(rowPlay);
    await page.press('Enter');
    if (!await heard(page, t, engine)) {
      assert.equal(await page.attribute(rowPlay, 'aria-pressed'), 'false');
      return;
    }
    assert.deepEqual([(await now()).row, await page.attribute(rowPlay, 'aria-pressed')],
                     [playable[1], 'true']);
    for (const pressed of ['true', 'false']) {
      await page.press('Space');
      await paused(pressed);
      assert.deepEqual([(await now()).row, await page.attribute(rowPlay, 'aria-label')],
                       [playable[1], `${pressed === 'true' ? 'Resume' : 'Pause'} ${playable[1]}`]);
    }

    // Play all, then each key and each of the lock screen's actions in turn; the lock screen
    // shows the track that plays, where the engine has one.
    await page.focus('#play-all');
    await page.press('Enter');
    await page.waitFor(() => /^BGM_000 · 0:0[1-9]/.test(document.getElementById('now').textContent));
    const first = await now();
    assert.deepEqual([first.row, first.current], [playable[0], 'true']);
    assert.match(first.text, new RegExp(`^${playable[0]} · 0:0\\d / \\d+:\\d\\d$`));
    if (first.title !== null) assert.deepEqual([first.title, first.album], [playable[0], 'player.bin']);
    const key = (name) => () => page.press(name);
    const action = (name, details) => () => page.evaluate(([name, details]) => mediaActions[name](details),
                                                          [name, details]);
    // Tab, from the control `from` on, to the one of that name, then presses key. (In headless
    // Firefox, once Tab has left the page, Enter no longer presses a button: no Tab goes
    // round here but the last.)
    const tabTo = (name, key, from) => async () => {
      await page.focus(from);
      for (let tabs = 0; await page.evaluate(focused) !== name; ++tabs) {
        assert.ok(tabs < 10, `Tab never reaches ${name}`);
        await page.press('Tab');
      }
      await page.press(key);
    };

    // [what, to the track and seconds of its play]; N and P work on a button too, the arrows
    // away from one, or on the seek bar. P within a track's first seconds goes to the one before.
    // More opens the whole player.
    await page.click('#more');
    for (const [step, [act, track, from, to]] of [
      [tabTo('next', 'Enter', '#pause'), 1, 0], [key('p'), 0, 0], [key('n'), 1, 0],
      [tabTo('previous', 'Space', '#more'), 0, 0],
      [() => page.evaluate(() => document.activeElement.blur()), 0, 0],
      [key('ArrowRight'), 0, 5], [action('seekto', {seekTime: 2}), 0, 2, 5],
      [action('seekforward', {}), 0, 12], [() => page.focus('#seek'), 0, 12],
      [key('ArrowRight'), 0, 17], [action('nexttrack'), 1, 0], [action('previoustrack'), 0, 0],
    ].entries()) {
      await act();
      await playing(track, from, to).catch((error) => assert.fail(`step ${step}: ${error.message}`));
      if (track === 1 && (await now()).title !== null) assert.equal((await now()).title, playable[1]);
    }
    // Space pauses and plays on, away from a button; so do the lock screen's actions, and
    // Pause by Enter and by Space. A pause holds the play where it stands, and it goes on from
    // there. The sound output is suspended once a pause has lasted, and resumed after it (not
    // in WebKitGTK, which with no sound device hangs now and then in a resume soon after a
    // suspend).
    await page.evaluate(() => document.activeElement.blur());
    const long = engine.name !== 'webkit';
    let held;
    for (const [act, pressed, lasts] of [
      [key('Space'), 'true'], [key('Space'), 'false'], [action('pause'), 'true', long],
      [action('play'), 'false'], [tabTo('pause', 'Enter', '#pause'), 'true'], [key('Space'), 'false']]) {
      if (lasts) await page.evaluate(() => { soundOutput.suspendAfterSeconds = 0.1; });
      await act();
      await paused(pressed);
      assert.equal(await page.text('#pause'), pressed === 'true' ? 'Resume' : 'Pause');
      if (pressed === 'true') {
        // Where the play stood may still be on its way to the page.
        held = (await now()).seek;
        for (let looks = 0, before = -1; held !== before; ++looks) {
          assert.ok(looks < 10, `a pause holds the play: ${before}, then ${held}`);
          await sleep(300);
          [before, held] = [held, (await now()).seek];
        }
      } else {
        await page.waitFor((held) => Number(document.getElementById('seek').value) > held, held);
      }
      if (lasts) {
        await page.waitFor(() => soundOutput.context.state === 'suspended');
        await page.evaluate(() => { soundOutput.suspendAfterSeconds = 10; });
      }
    }
    // The volume, the loop count and the fade by their keys: the play goes on with them, and
    // they are kept.
    await tabTo('volume', 'ArrowLeft', '#previous')();
    await tabTo('loops', 'ArrowDown', '#volume')();
    await tabTo('fade', 'ArrowUp', '#loops')();
    await playing(0);
    assert.deepEqual(await page.evaluate(() => [soundOutput.gain.gain.value, JSON.parse(localStorage.getItem('vorsplit'))]),
                     [0.949999988079071, {rate: '44100', loops: '3', fade: '11', volume: '0.95', format: 'wav', quality: '6'}]);
    await page.press('ArrowDown');
    await tabTo('loops', 'ArrowUp', '#volume')();

    // Tab alone reaches every control the page shows, in the order it shows them, and comes
    // round again.
    const reached = [];
    for (let tabs = 0; ; ++tabs) {
      assert.ok(tabs < 80, reached.join());
      await page.press('Tab');
      const name = await page.evaluate(focused);
      if (name === reached[0]) break;
      if (name !== 'BODY') reached.push(name);
    }
    const shown = (await page.evaluate(controls)).filter((control) => !control.disabled);
    const start = reached.indexOf(shown[0].name);
    assert.deepEqual([...reached.slice(start), ...reached.slice(0, start)],
                     shown.map((control) => control.name));
    assert.ok(reached.includes('next') && reached.includes('seek'));

    // A rate changed stops the sound, and says so.
    await page.select('#rate', '48000');
    assert.equal(await page.text('#message'), 'Stopped playing: the sample rate changed.');
    assert.deepEqual([(await now()).row, await page.text('#now')], [undefined, 'Nothing plays.']);
    await page.select('#rate', '44100');
    assert.deepEqual(await page.errors(), []);
    assert.deepEqual(await page.evaluate(() => contextCalls), {needless: 0, overlapping: 0});
    // Track after track, seek after seek, the engine kept its workers few: a play, a scan beside
    // it, and the look's.
    assert.ok(await page.evaluate(() => engine.size) <= 3, 'engine workers');
  });
});
