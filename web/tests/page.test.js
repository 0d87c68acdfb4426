// The page as a whole, in each engine: opened from disk it splits, saves and plays; every way a
// run can go wrong ends it, and a run can be cancelled; nothing is sent anywhere.
'use strict';

const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {sleep} = require('../../tools/browser/browser.js');
const {test} = require('node:test');
const {archive, H, kPair, rows} = require('./archives.js');
const {choose, downloadOf, downloadZip, eachEngine, heard, pageLog,
       settled} = require('./harness.js');

eachEngine((engine, sandbox) => {

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
    // A row's two WAV files, from its menu, have names of their own.
    const row = await page.evaluate(() => tracks.find((track) => track.playable).name.slice(0, -6));
    const fromMenu = async (page, which) => {
      await page.click(`tr[data-track=${row}] button.menu`);
      return downloadOf(page, sandbox, `tr[data-track=${row}] button.${which}`);
    };
    const wav = await fromMenu(page, 'wav');
    assert.deepEqual([wav.name, await settled(page)], [`${row}.wav`, 'done']);
    assert.match(await page.text('#message'), new RegExp(`^Downloaded ${row}\\.wav, [\\d.]+ [kM]B in [\\d.]+ s\\.$`));
    const once = await fromMenu(page, 'wav-loop');
    assert.deepEqual([once.name, await settled(page)], [`${row}-loop.wav`, 'done']);
    assert.deepEqual(await page.errors(), []);
    const served = await sandbox.open({folder: false});
    await choose(served, archivePath);
    const again = await fromMenu(served, 'wav');
    assert.ok(fs.readFileSync(wav.saved).equals(fs.readFileSync(again.saved)));

    // Played from disk: a row's Play sounds, Play all goes on by itself from a first track of a
    // tenth of a second to the next, and a seek lands. One engine worker did all of it, and one
    // more scans beside the play: none is started again for each click.
    const played = path.join(sandbox.folder('archives'), 'played.bin');
    fs.writeFileSync(played, archive(2, [[0, 0, 150, H, 0x07]]));
    const disk = await sandbox.open({fromDisk: true, folder: false});
    assert.equal(await choose(disk, played), 'done');
    await disk.click('tr[data-track=BGM_001] button.play');
    if (!await heard(disk, t, engine)) return;
    assert.match(await disk.text('#now'), /^BGM_001 · 0:0\d \/ 0:08$/);
    await disk.click('#play-all');
    assert.match(await disk.text('#now'), /^BGM_000 · /);
    await disk.waitFor(() => /^BGM_001 · 0:0[1-9]/.test(document.getElementById('now').textContent));
    // A seek, which reads the track again from its pair, as WebKit's page reads it for the engine.
    await disk.evaluate(() => mediaActions.seekto({seekTime: 5}));
    await disk.waitFor(() => /^BGM_001 · 0:0[5-7]/.test(document.getElementById('now').textContent));
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
    assert.match(await broken.text('#message'), /^Failed: Can't go on: the engine stopped \(.*\)\. The tracks listed are those read before it\.$/);
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

    // Cancelled while reading: nothing downloads, and it says so. Started by the keyboard, the
    // run keeps the focus where it was, and gives it back there from Cancel.
    const focused = () => fresh.evaluate(() => document.activeElement.id || document.activeElement.tagName);
    await fresh.focus('#download-zip');
    await fresh.press('Enter');
    await fresh.waitFor(() => document.getElementById('progress').value > 0, null, {polling: 5});
    assert.equal(await focused(), 'download-zip');
    // Meanwhile, every control that would start another run says it waits, and ignores presses.
    assert.deepEqual(await fresh.evaluate(() => [...document.querySelectorAll(
        '#choose, #download-zip, #save-wav-zip, #rate, button.wav')]
        .filter((control) => control.getAttribute('aria-disabled') !== 'true').map((control) => control.id)), []);
    await fresh.press('Enter');
    assert.match(await fresh.text('#figures'), /^[\d.]+ [kMG]?B of 820 MB · [\d.]+ [kMG]?B\/s/);
    await fresh.focus('#cancel');
    await fresh.press('Enter');
    assert.deepEqual([await fresh.evaluate(() => document.body.dataset.state), await focused()],
                     ['cancelled', 'download-zip']);
    assert.equal(await fresh.text('#message'), 'Cancelled. No zip was made.');
    await sleep(1000);
    assert.deepEqual(fs.readdirSync(sandbox.browser.downloads), []);
    // The engine that was cancelled serves the next run whole: its reading and its files were
    // let go.
    const small = path.join(sandbox.folder('archives'), 'after.bin');
    fs.writeFileSync(small, rows[3][1]);
    await fresh.focus('#choose');
    assert.equal(await choose(fresh, small), 'done');
    assert.equal(await focused(), 'choose');
    const zip = await downloadZip(fresh, sandbox);
    assert.deepEqual([zip.state, zip.files], ['done', sandbox.native(small).files]);
    // The outcome names what was saved, its size and the time it took; no figure of the run stays.
    assert.match(await fresh.text('#message'),
                 /^Downloaded after-tracks\.zip, [\d.]+ kB in [\d.]+ s: 1 track with its loop points/);
    assert.equal(await fresh.text('#figures'), '');
    assert.deepEqual(await fresh.errors(), []);
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
});
