// The page in each engine, against the native tools: the same lines and the same files, by every
// route the engine has, for archives that carry every rule of the walk and of the loops, and the
// way the page reads them a chunk at a time; failures met for real, none of which leaves the page
// working; a run cancelled; nothing sent anywhere; a phone's screen.
'use strict';

const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {after, before, describe, test} = require('node:test');
const {archive, choose, downloadOf, downloadZip, engines, folderFilesOf, handFolder, kPair, pageLog, Sandbox,
       saveToFolder, settled} = require('./harness.js');
const {sleep} = require('./driver/browser.js');

const H = 0x5c, F = 0x00;  // a header that is not filler, and filler's
const players = ['.adpcm.txth', '44100Hz.genh', '48000Hz.genh'];

const rows = [
  ['every rule of the walk, a pair for each way a track ends, and an unfinished pair',
   archive(6, [[0, 1, 0, H, 0x06], [0, 0, 5, H, 0x06], [0, 0, 2, F, 0x00], [0, 1, 2, F, 0x06],
               [0, 0, 3, F, 0x02], [0, 1, 7, H, 0x01], [0, 0, 100, H, 0x04],
               [0, 0, 12799, H, 0xff], [0, 1, 12799, H, 0x05], [1, 0, 9, F, 0x03],
               [2, 1, 5, H, 0x07], [3, 0, 0, H, 0x03], [4, 1, 3, F, 0x07],
               [5, 1, 12799, H, 0x03]], kPair / 2 + 16)],
  // One track a case: filler before the loop start, more in channel 0; a loop start on filler;
  // two loop starts; one in channel 1 only; none; a loop end in channel 1; an end of stream; a
  // loop that spans pairs; tracks too short to play, or to loop; the archive's last track.
  ['the loop rules, a track a case',
   archive(13, [[0, 0, 0, F, 0], [0, 0, 1, F, 0], [0, 1, 0, F, 0], [0, 0, 5, H, 0x06],
                [0, 1, 5, H, 0x06], [0, 0, 100, H, 0x03], [1, 0, 5, F, 0x06],
                [1, 0, 10, H, 0x03], [2, 0, 3, H, 0x06], [2, 0, 10, H, 0x06], [2, 0, 20, H, 0x03],
                [3, 1, 1, F, 0], [3, 1, 7, H, 0x06], [3, 0, 20, H, 0x03], [4, 0, 20, H, 0x03],
                [5, 0, 1, H, 0x06], [5, 1, 20, H, 0x03], [6, 0, 1, H, 0x06], [6, 0, 20, H, 0x07],
                [7, 0, 12790, H, 0x06], [8, 0, 5, H, 0x03], [9, 0, 0, H, 0x07],
                [10, 0, 0, H, 0x03], [11, 0, 1, H, 0x06], [11, 0, 3, H, 0x03],
                [12, 0, 2, H, 0x06]])],
  // The page reads 10 pairs at a time: a track across chunks, one that ends at the last frame of
  // a chunk, markers at a chunk's first frame, an unfinished pair after the last; one track.
  ['tracks across the chunks the page reads',
   archive(45, [[3, 0, 7, H, 0x06], [20, 0, 0, H, 0x04], [25, 1, 40, H, 0x03],
                [39, 1, 12799, H, 0x03], [40, 1, 0, H, 0x06], [44, 0, 2, F, 0x07]],
           kPair - 16)],
  ['one track', archive(2, [[1, 0, 7, H, 0x06]])],
  // A marker for every frame: more lines than the module has room for in one call.
  ['pairs whose every frame is reported',
   archive(3).map((byte, at) => (at % 16 === 1 ? 0x01 : byte))],
  ['a file too small to hold a pair', archive(0, [], kPair - 1)],
];

// m:ss.sss of a sample at 44100 Hz, as the table shows a loop.
const time = (sample) => {
  const ms = Math.floor(sample / 44.1);
  return `${Math.floor(ms / 60000)}:${String(Math.floor(ms / 1000) % 60).padStart(2, '0')}.` +
         String(ms % 1000).padStart(3, '0');
};

// Every control a user can reach, where the page shows it: its name, its size, and whether it is
// disabled now.
const controls = () => [...document.querySelectorAll('button, select, input:not([type=file]), [tabindex="0"]')]
    .filter((element) => element.offsetParent !== null && !element.closest('[hidden]'))
    .map((element) => {
      const {width, height} = element.getBoundingClientRect();
      return {name: element.id || element.getAttribute('aria-label') || element.textContent,
              width, height, disabled: element.disabled === true};
    });
// The name controls() gives the focused element.
const focused = () => {
  const element = document.activeElement;
  if (element === document.body) return 'BODY';
  return element.id || element.getAttribute('aria-label') || element.textContent;
};

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
// What axe-core finds wrong in the page as it stands, by rule and element.
async function violations(page) {
  await page.script(axeSource);
  return page.evaluate(async () => {
    const {violations} = await axe.run(document, {resultTypes: ['violations']});
    return violations.flatMap((v) => v.nodes.map((node) => `${v.id}: ${node.target.join(' ')}`));
  });
}

// Resolves to true once what the page plays is heard, where it plays past 0:00; where the engine
// gives the page no sound output, checks that the page says so, and resolves to false.
async function heard(page, t, engine) {
  await page.waitFor(() => document.body.dataset.state === 'failed' ||
                           Number(document.getElementById('seek').value) > 0, null, {timeout: 10000});
  if (await page.evaluate(() => document.body.dataset.state !== 'failed')) return true;
  assert.equal(await page.text('#message'),
               "Failed: Can't play: this browser gives the page no sound output.");
  t.diagnostic(`${engine.name} gives the page no sound output: its player is not driven ` +
               '(headless Firefox needs a sound server: apt install pulseaudio)');
  return false;
}

for (const engine of engines) {
  describe(engine.name, {skip: engine.skip}, () => {
    let sandbox;
    before(() => { sandbox = new Sandbox(engine); });
    after(() => sandbox?.close());
    const folders = engine.name !== 'webkit';  // WebKit gives an automated session no such folder

    // Each archive through the page, chosen as a user does, then saved to a folder and as a zip:
    // the page's log is the tools' lines, and every route saves the files they write, byte for
    // byte. The table shows each track's loop as times, and keeps vorloop's samples.
    test('the page saves what the tools write, by every route it has', async () => {
      const page = await sandbox.open();
      for (const [what, bytes] of rows) {
        const archivePath = path.join(sandbox.folder('archives'), '音楽.bin');
        fs.writeFileSync(archivePath, bytes);
        const expected = sandbox.native(archivePath);
        assert.equal(await choose(page, archivePath), 'done', what);
        assert.deepEqual(await pageLog(page), expected.log, what);
        const loops = Object.fromEntries(expected.log.filter((line) => line.includes('.txtp : '))
                                             .map((line) => line.split('.txtp : ')));
        const table = await page.evaluate(() => [...document.querySelectorAll('#tracks tbody tr')]
            .map((row) => [row.dataset.track, row.cells[3].textContent, row.cells[3].dataset.loop]));
        for (const [track, text, samples] of table) {
          const loop = /from sample (\d+) to (\d+)/.exec(loops[track]);
          assert.equal(samples, loop ? `${loop[1]} ${loop[2]}` : undefined, `${what}: ${track}`);
          assert.equal(text, loop ? `loops ${time(loop[1])} to ${time(loop[2])}`
                             : loops[track] ?? 'nothing to play', `${what}: ${track}`);
        }
        const tooSmall = bytes.length < kPair;
        assert.equal(table.length === 0, tooSmall, what);
        assert.match(await page.text('#message'),
                     tooSmall ? /too small/ : table.length === 1 ? /^1 track\./ : /^\d+ tracks\./, what);
        assert.match(await page.text('#archive-name'), /^音楽\.bin · [\d.]+ (bytes|kB|MB)$/);

        if (folders) {
          // A longer file of a track's name is overwritten from empty.
          const folder = await saveToFolder(page, async (root) => {
            const writable = await (await root.getFileHandle('BGM_000.adpcm', {create: true}))
                                 .createWritable();
            await writable.write(new Uint8Array(819200));
            await writable.close();
          });
          assert.deepEqual(folder, {state: 'done', files: expected.files}, what);
          assert.deepEqual(await pageLog(page), expected.log, what);
        }
        const {state, name, files} = await downloadZip(page, sandbox);
        assert.deepEqual({state, name, files}, {state: 'done', name: '音楽-tracks.zip',
                                                files: expected.files}, what);
      }
      assert.deepEqual(page.requestsAfterLoad(), [], 'no request after load');
      assert.deepEqual(await page.errors(), []);
    });

    // The players' files of a sample rate of 48000 say so; the tracks' lengths follow the rate.
    // The rate and the player's settings are the page's again at the next visit; a fade out of
    // bounds is brought within them.
    test('the sample rate goes into the TXTH file and the lengths; settings are kept', async () => {
      const page = await sandbox.open();
      const archivePath = path.join(sandbox.folder('archives'), 'rate.bin');
      fs.writeFileSync(archivePath, archive(45));
      await choose(page, archivePath);
      await page.select('#rate', '48000');
      // 45 pairs of 12800 frames of each channel, 28 samples a frame: 336 s.
      assert.equal(await page.text('#tracks tbody td:nth-child(3)'), '5:36');
      const zip = await downloadZip(page, sandbox);
      const txth = fs.readFileSync(path.join(zip.folder, '.adpcm.txth'), 'utf8');
      assert.match(txth, /^sample_rate = 48000$/m);
      assert.deepEqual(Object.keys(zip.files).filter((name) => !name.startsWith('BGM')), players);
      await page.select('#loops', 'for ever');
      for (const [typed, shown] of [['45', '30'], ['', '0'], ['-3', '0'], ['25', '25']]) {
        await page.select('#fade', typed);
        assert.equal(await page.evaluate(() => document.getElementById('fade').value), shown);
      }
      const again = await sandbox.open();
      assert.deepEqual(await again.evaluate(() => ['rate', 'loops', 'fade'].map(
          (id) => document.getElementById(id).value)), ['48000', 'for ever', '25']);
      for (const [id, value] of [['rate', '44100'], ['loops', '2'], ['fade', '10']]) {
        await again.select(`#${id}`, value);
      }
    });

    // What the tools meet, the page meets as they do: a folder in the way of a track file, and
    // an archive removed from the disk after it was chosen, while the page reads it. Each ends
    // the run with the tools' "Can't ..." line, says what was kept, and the files finished
    // before it stay as they are.
    test('the page fails as the tools do, and says what it kept', async () => {
      const page = await sandbox.open();
      if (folders) {
        const archivePath = path.join(sandbox.folder('archives'), 'failing.bin');
        fs.writeFileSync(archivePath, archive(3, [[0, 0, 5, H, 0x03]]));
        const expected = sandbox.native(archivePath,
                                        (bin) => fs.mkdirSync(path.join(bin, 'BGM_001.adpcm')));
        assert.equal(expected.log.at(-1), "Can't open file BGM_001.adpcm");
        await choose(page, archivePath);
        const folder = await saveToFolder(page, (root) => root.getDirectoryHandle('BGM_001.adpcm',
                                                                                  {create: true}));
        // The page writes a track's loop file as the track ends, where vorloop would run after
        // vorsplit.
        const loops = {'BGM_000.txtp': sandbox.native(archivePath).files['BGM_000.txtp']};
        assert.deepEqual(folder, {state: 'failed', files: {...expected.files, ...loops}});
        assert.deepEqual(await pageLog(page), expected.log);
        assert.equal(await page.text('#message'), "Failed: Can't open file BGM_001.adpcm. " +
                                                  'The files finished before it stay in the folder.');
      }

      // Track 0 ends in the first pair, and filler follows, 800 MB of it: the page is still
      // reading when the file goes.
      const removedPath = path.join(sandbox.folder('archives'), 'removed.bin');
      fs.writeFileSync(removedPath, archive(1, [[0, 0, 5, H, 0x03]]));
      const whole = sandbox.native(removedPath);
      for (const route of folders ? ['#save-folder', '#download-zip'] : ['#download-zip']) {
        fs.writeFileSync(removedPath, archive(1, [[0, 0, 5, H, 0x03]]));
        fs.truncateSync(removedPath, 2000 * kPair);
        await choose(page, removedPath);
        if (folders) await handFolder(page);
        await page.click(route);
        await page.waitFor(() => document.getElementById('message').textContent.startsWith('Reading') &&
                                  document.getElementById('log').textContent.includes('BGM_001'),
                           null, {polling: 5});
        fs.unlinkSync(removedPath);
        assert.equal(await settled(page), 'failed', route);
        assert.deepEqual(await pageLog(page),
                         [...whole.log.slice(0, 3), "Can't read file removed.bin"], route);
        if (route === '#download-zip') {
          assert.equal(await page.text('#message'),
                       "Failed: Can't read file removed.bin. No zip was made.");
          continue;
        }
        const saved = await folderFilesOf(page);
        for (const name of [...players, 'BGM_000.adpcm', 'BGM_000.txtp']) {
          assert.equal(saved[name], whole.files[name], name);
        }
      }
    });

    // Opened from its file, where no worker starts from a file's URL, and WebKit's can't read
    // the chosen File.
    test('the page works opened from disk', async (t) => {
      const page = await sandbox.open({fromDisk: true, folder: false});
      const archivePath = path.join(sandbox.folder('archives'), 'disk.bin');
      fs.writeFileSync(archivePath, rows[0][1]);
      const expected = sandbox.native(archivePath);
      assert.equal(await choose(page, archivePath), 'done');
      assert.deepEqual(await pageLog(page), expected.log);
      const zip = await downloadZip(page, sandbox);
      assert.deepEqual(zip.files, expected.files);
      // A track read again, as a WAV file, where a worker may not read the File: the same bytes
      // as the page served makes.
      const row = await page.evaluate(() => tracks.find((track) => track.playable).name.slice(0, -6));
      const wav = await downloadOf(page, sandbox, `tr[data-track=${row}] button.wav`);
      assert.deepEqual([wav.name, await settled(page)], [`${row}.wav`, 'done']);
      assert.deepEqual(await page.errors(), []);
      const served = await sandbox.open({folder: false});
      await choose(served, archivePath);
      const again = await downloadOf(served, sandbox, `tr[data-track=${row}] button.wav`);
      assert.ok(fs.readFileSync(wav.saved).equals(fs.readFileSync(again.saved)));

      // Played from disk: a row's Play sounds, and Play all goes on by itself from a first track
      // of a tenth of a second to the next. One engine worker did all of it, and one more scans
      // beside the play: none is started again for each click.
      const played = path.join(sandbox.folder('archives'), 'played.bin');
      fs.writeFileSync(played, archive(2, [[0, 0, 150, H, 0x07]]));
      const disk = await sandbox.open({fromDisk: true, folder: false});
      assert.equal(await choose(disk, played), 'done');
      await disk.click('tr[data-track=BGM_001] button.play');
      if (!await heard(disk, t, engine)) return;
      assert.match(await disk.text('#now'), /^BGM_001 · 0:0\d \/ 0:08$/);
      await disk.click('#play-all');
      assert.equal(await disk.text('#now'), 'Nothing plays.');
      await disk.click('#play-all');
      await disk.waitFor(() => /^BGM_001 · 0:0[1-9]/.test(document.getElementById('now').textContent));
      assert.deepEqual(await disk.evaluate(() => [engine.size <= 2, document.body.dataset.state]),
                       [true, 'done']);
      assert.deepEqual(await disk.errors(), []);
    });

    // Every way a run can go wrong ends it in 'failed', with one line, and gives the controls
    // back: an engine worker that can't start (its script gone), a message that can't be sent (a
    // folder no worker can take), a promise rejected (a folder refused). And a run cancelled stops
    // at once, keeps no zip, and a run going on can't be ended by another control.
    test('no failure leaves the page working; a run can be cancelled, and nothing else ends it',
         async () => {
      const archivePath = path.join(sandbox.folder('archives'), 'long.bin');
      fs.writeFileSync(archivePath, archive(1, [[0, 0, 5, H, 0x03]]));
      fs.truncateSync(archivePath, 2000 * kPair);
      const broken = await sandbox.open({folder: false});
      await broken.evaluate(() => URL.revokeObjectURL(engine.url));
      assert.equal(await choose(broken, archivePath), 'failed');
      assert.match(await broken.text('#message'), /^Failed: Can't go on: the engine stopped \(.*\)\.$/);
      assert.deepEqual(await broken.evaluate(() => [engine.size, ...['choose', 'download-zip', 'rate']
          .map((id) => document.getElementById(id).disabled)]), [0, false, false, false]);

      const page = await sandbox.open({folder: false});
      await choose(page, archivePath);
      const enabled = () => page.evaluate(() => [...document.querySelectorAll(
          '#choose, #download-zip, #save-folder, #save-wav-zip, #rate, button.wav')]
          .filter((control) => !control.disabled && !control.hidden).map((control) => control.id || control.className));

      const failures = [
        [() => { window.showDirectoryPicker = async () => ({name: 'not a folder', use() {}}); },
         '#save-folder', /^Failed: Can't go on: .*\.$/],
        [() => { window.showDirectoryPicker = async () => { throw new TypeError('refused'); }; },
         '#save-folder', /^Failed: the folder can't be used \(refused\)\.$/],
      ];
      // Where the engine has no folders of its own, a test hands the page one.
      await page.evaluate(() => { document.getElementById('save-folder').hidden = false; });
      const before = await enabled();
      for (const [breakIt, control, text] of failures) {
        await page.evaluate(breakIt);
        await page.click(control);
        assert.equal(await settled(page), 'failed', control);
        assert.match(await page.text('#message'), text);
        assert.deepEqual(await enabled(), before, control);
      }

      // Rows arrive while the user is on one: the focus stays there. A second track comes last.
      const fd = fs.openSync(archivePath, 'r+');
      fs.writeSync(fd, archive(1), 0, kPair, 2000 * kPair);
      fs.closeSync(fd);
      const fresh = await sandbox.open({folder: false});
      await fresh.choose('input[type=file]', archivePath);
      await fresh.waitFor(() => document.querySelector('tr[data-track=BGM_000] button.play') !== null);
      await fresh.focus('tr[data-track=BGM_000] button.play');
      assert.equal(await settled(fresh), 'done');
      assert.deepEqual(await fresh.evaluate(() => [document.activeElement.getAttribute('aria-label'),
                                                   document.querySelectorAll('#tracks tr').length]),
                       ['Play BGM_000', 3]);

      // Cancelled while reading: nothing downloads, and it says so.
      await fresh.click('#download-zip');
      await fresh.waitFor(() => document.getElementById('progress').value > 0, null, {polling: 5});
      // Meanwhile, every control that would start another run waits.
      assert.deepEqual(await fresh.evaluate(() => [...document.querySelectorAll(
          '#choose, #download-zip, #save-wav-zip, #rate, button.wav')]
          .filter((control) => !control.disabled).map((control) => control.id)), []);
      assert.match(await fresh.text('#figures'), /^[\d.]+ [kMG]?B of 820 MB · [\d.]+ [kMG]?B\/s/);
      await fresh.click('#cancel');
      assert.equal(await fresh.evaluate(() => document.body.dataset.state), 'cancelled');
      assert.equal(await fresh.text('#message'), 'Cancelled. No zip was made.');
      await sleep(1000);
      assert.deepEqual(fs.readdirSync(sandbox.browser.downloads), []);
      assert.deepEqual(await fresh.errors(), []);
    });

    // An archive dropped anywhere on the page is split there, where the browser would otherwise
    // open it; and the chooser opens from the keyboard.
    test('an archive dropped anywhere is taken; the keyboard opens the chooser', async () => {
      const page = await sandbox.open({folder: false});
      const prevented = await page.evaluate((base64) => {
        const transfer = new DataTransfer();
        const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
        transfer.items.add(new File([bytes], 'dropped.bin'));
        const drop = new DragEvent('drop', {dataTransfer: transfer, bubbles: true, cancelable: true});
        document.querySelector('h1').dispatchEvent(drop);
        return drop.defaultPrevented;
      }, rows[3][1].toString('base64'));
      assert.equal(prevented, true);
      assert.equal(await settled(page), 'done');
      assert.equal(await page.text('#archive-name'), 'dropped.bin · 819 kB');
      // Only an engine with folders of its own mentions them.
      const folderRoute = engine.name === 'chromium';
      assert.equal(await page.text('#message'), folderRoute
          ? '1 track. Download them as a zip, or save them to a folder.'
          : '1 track. Download them as a zip.');
      assert.deepEqual(await page.evaluate(() => ['save-folder', 'save-wav-folder'].map(
          (id) => document.getElementById(id).hidden)), [!folderRoute, !folderRoute]);
      // The file input is clicked, as a click on it opens the chooser (here kept shut).
      await page.evaluate(() => {
        window.opened = 0;
        document.querySelector('input[type=file]').addEventListener('click', (event) => {
          ++window.opened;
          event.preventDefault();
        });
      });
      for (const key of ['Enter', 'Space']) {
        await page.focus('#choose');
        await page.press(key);
      }
      assert.equal(await page.evaluate(() => window.opened), 2);
    });

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

      // A row's Play, from the keyboard, plays from its track on, and stops again; where the
      // engine gives the page no sound output, the page says so within seconds.
      const rowPlay = `tr[data-track=${playable[1]}] button.play`;
      await page.focus(rowPlay);
      await page.press('Enter');
      if (!await heard(page, t, engine)) {
        assert.equal(await page.attribute(rowPlay, 'aria-pressed'), 'false');
        return;
      }
      assert.deepEqual([(await now()).row, await page.attribute(rowPlay, 'aria-pressed'),
                        await page.text(rowPlay)], [playable[1], 'true', 'Stop']);
      await page.press('Space');
      await page.waitFor((rowPlay) => document.querySelector(rowPlay).textContent === 'Play', rowPlay);
      assert.deepEqual([(await now()).row, await page.text(`tr[data-track=${playable[1]}] .position`)],
                       [undefined, '']);

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
      const tabTo = (name, key = 'Enter', from = '#play-all') => async () => {
        await page.focus(from);
        for (let tabs = 0; await page.evaluate(focused) !== name; ++tabs) {
          assert.ok(tabs < 10, `Tab never reaches ${name}`);
          await page.press('Tab');
        }
        await page.press(key);
      };

      // [what, to the track and seconds of its play]; N and P work on a button too, the arrows
      // away from one, or on the seek bar. P within a track's first seconds goes to the one before.
      for (const [step, [act, track, from, to]] of [
        [tabTo('next'), 1, 0], [key('p'), 0, 0], [key('n'), 1, 0], [tabTo('previous', 'Space'), 0, 0],
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
        [action('play'), 'false'], [tabTo('pause'), 'true'], [key('Space'), 'false']]) {
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
      await tabTo('volume', 'ArrowLeft')();
      await tabTo('loops', 'ArrowDown', '#rate')();
      await tabTo('fade', 'ArrowUp', '#rate')();
      await playing(0);
      assert.deepEqual(await page.evaluate(() => [soundOutput.gain.gain.value, JSON.parse(localStorage.getItem('vorsplit'))]),
                       [0.949999988079071, {rate: '44100', loops: '3', fade: '11', volume: '0.95'}]);
      await page.press('ArrowDown');
      await tabTo('loops', 'ArrowUp', '#rate')();

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
    });

    // The page loads what it needs from where it came, and nothing else: a request it tried to
    // make, from the page or from a worker, is refused by the browser and never arrives.
    test('the page can send nothing anywhere', async () => {
      const page = await sandbox.open({folder: false});
      const probe = `http://127.0.0.1:${sandbox.server.address().port}/probe`;
      const outcomes = await page.evaluate(async (probe) => {
        const fromPage = await fetch(probe).then(() => 'sent', () => 'refused');
        const worker = new Worker(URL.createObjectURL(new Blob(
            [`fetch('${probe}').then(() => postMessage('sent'), () => postMessage('refused'))`])));
        const fromWorker = await new Promise((resolve) => {
          worker.onmessage = ({data}) => resolve(data);
          worker.onerror = () => resolve('worker refused');
        });
        return [fromPage, fromWorker];
      }, probe);
      assert.deepEqual(outcomes, ['refused', 'refused']);
      assert.deepEqual(page.requestsAfterLoad(), []);
    });

    // On a phone's screen, 360 px and 412 px wide: nothing scrolls sideways, every control is a
    // target of 44 × 44 px at least, and axe-core finds nothing wrong before, during and after
    // a split, and after a failure, in light and, where the driver can ask for it, in dark.
    test('on a phone: no sideways scrolling, large targets, nothing axe-core finds', async () => {
      const page = await sandbox.open({folder: false});
      // The screenshots of README, from Chromium, on a desktop and on a phone.
      const shots = engine.name === 'chromium' && process.env.VORSPLIT_PAGE_SCREENSHOTS;
      const archivePath = path.join(sandbox.folder('archives'), '音楽.bin');
      fs.writeFileSync(archivePath, rows[1][1]);
      if (shots) {
        // Playing a track of an intro and a loop, the player bar at the window's foot.
        await page.size(880, 640);
        const shown = path.join(sandbox.folder('archives'), 'game.bin');
        fs.writeFileSync(shown, archive(9, [0, 3, 6].flatMap((p) => [[p + 1, 0, 5, H, 0x06],
                                                                     [p + 2, 0, 100, H, 0x03]])));
        await choose(page, shown);
        await page.click('#play-all');
        await page.waitFor(() => /^BGM_\d+ · 0:01/.test(document.getElementById('now').textContent));
        await page.screenshot(path.join(shots, 'page.png'), false);
        await page.click('#play-all');
      }
      await page.emulatePhone();  // which loads the page again
      const found = {idle: await violations(page)};
      await choose(page, archivePath);
      found.done = await violations(page);
      for (const width of [360, 412]) {
        await page.size(width, 800);
        const {scrollWidth, clientWidth} = await page.evaluate(() => {
          const {scrollWidth, clientWidth} = document.documentElement;
          return {scrollWidth, clientWidth};
        });
        assert.ok(scrollWidth <= clientWidth && clientWidth > width - 20,
                  `${width} px: ${scrollWidth} px wide in ${clientWidth} px`);
        const shown = await page.evaluate(controls);
        assert.ok(shown.some((control) => control.name === 'Play BGM_000'));
        for (const control of shown) {
          assert.ok(control.width >= 44 && control.height >= 44,
                    `${width} px: ${JSON.stringify(control)}`);
        }
        if (width === 360 && shots) await page.screenshot(path.join(shots, 'page-phone.png'), false);
      }
      const long = path.join(sandbox.folder('archives'), 'long.bin');
      fs.writeFileSync(long, archive(1, [[0, 0, 5, H, 0x03]]));
      fs.truncateSync(long, 2000 * kPair);
      await page.choose('input[type=file]', long);
      found.working = await violations(page);
      fs.unlinkSync(long);
      await settled(page);
      found.failed = await violations(page);
      if (await page.darkMode?.()) found.dark = await violations(page);
      assert.deepEqual(found, {idle: [], done: [], working: [], failed: [],
                               ...(found.dark ? {dark: []} : {})});
    });
  });
}
