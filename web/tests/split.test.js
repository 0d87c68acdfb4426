// The split in each engine, against the native tools: the same lines and the same files, by every
// route the engine has, for archives that carry every rule of the walk and of the loops, and the
// way the engine reads them a chunk at a time; the sample rate; failures met as the tools meet
// them.
'use strict';

const assert = require('node:assert');
const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');
const {test} = require('node:test');
const {archive, H, kPair, rows} = require('./archives.js');
const {choose, downloadZip, eachEngine, folderFilesOf, handFolder, pageLog, saveToFolder,
       settled} = require('./harness.js');

const players = ['.adpcm.txth', '44100Hz.genh', '48000Hz.genh'];

// m:ss.sss of a sample at 44100 Hz, as the table shows a loop.
const time = (sample) => {
  const ms = Math.floor(sample / 44.1);
  return `${Math.floor(ms / 60000)}:${String(Math.floor(ms / 1000) % 60).padStart(2, '0')}.` +
         String(ms % 1000).padStart(3, '0');
};

eachEngine((engine, sandbox) => {
  const folders = engine.name !== 'webkit';  // WebKit gives an automated session no such folder

  // Each archive through the page, chosen as a user does, then saved to a folder and as a zip:
  // the page's log is the tools' lines, and every route saves the files they write, byte for
  // byte. The table shows each track's loop as times, and keeps vorloop's samples.
  test('the page saves what the tools write, by every route it has', async () => {
    const page = await sandbox.open();
    for (const row of rows) {
      const [what, bytes] = row;
      const archivePath = path.join(sandbox.folder('archives'), '音楽.bin');
      fs.writeFileSync(archivePath, bytes);
      const expected = sandbox.native(archivePath);
      // A file that is no archive is told so, in red, with nothing offered of it; what the tools
      // write for it, the page writes all the same where a script asks.
      const wrong = {'a file too small to hold a pair': /^音楽\.bin is not a music archive: it is smaller than one block/,
                     noise: /^音楽\.bin does not look like a music archive: 7\d % of it is not sound/}[what];
      assert.equal(await choose(page, archivePath), wrong ? 'failed' : 'done', what);
      assert.deepEqual(await pageLog(page), expected.log, what);
      const loops = Object.fromEntries(expected.log.filter((line) => line.includes('.txtp : '))
                                           .map((line) => line.split('.txtp : ')));
      const table = await page.evaluate(() => [...document.querySelectorAll('#tracks tbody tr')]
          .map((row) => [row.dataset.track, row.querySelector('.loop-points').textContent, row.dataset.loop]));
      for (const [track, text, samples] of table) {
        const loop = /from sample (\d+) to (\d+)/.exec(loops[track]);
        assert.equal(samples, loop ? `${loop[1]} ${loop[2]}` : undefined, `${what}: ${track}`);
        assert.equal(text.split('. ')[0], loop ? `Loops from ${time(loop[1])} to ${time(loop[2])}`
                     : loops[track] ? 'Plays once, with no loop' : 'Too short to play', `${what}: ${track}`);
      }
      assert.equal(table.length === 0, Boolean(wrong), what);
      assert.match(await page.text('#message'), wrong ??
                   (table.length === 1 ? /^1 track: play it/ : /^\d+ tracks: play one/), what);
      assert.deepEqual(await page.evaluate(() => ['list', 'save', 'player'].map(
          (id) => document.getElementById(id).hidden)), Array(3).fill(Boolean(wrong)), what);
      assert.match(await page.text('#archive-name'), /^音楽\.bin · [\d.]+ (bytes|kB|MB)$/);

      if (folders) {
        // A longer file of a track's name is overwritten from empty; one of the number after the
        // last track's, which the page opens ahead of a track that never comes, is left as it was.
        const last = Math.max(-1, ...Object.keys(expected.files).map((name) => /^BGM_(\d+)\.adpcm$/.exec(name))
                                         .filter(Boolean).map((parts) => Number(parts[1])));
        // Every other archive has none, and gets none.
        const beyond = last >= 0 && rows.indexOf(row) % 2 ? `BGM_${String(last + 1).padStart(3, '0')}.adpcm` : null;
        const folder = await saveToFolder(page, `async (root) => {
          for (const [name, bytes] of [['BGM_000.adpcm', 819200], [${JSON.stringify(beyond)}, 100]]) {
            if (!name) continue;
            const writable = await (await root.getFileHandle(name, {create: true})).createWritable();
            await writable.write(new Uint8Array(bytes).fill(0x5a));
            await writable.close();
          }
        }`);
        const hash = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex');
        const kept = beyond ? {[beyond]: hash(Buffer.alloc(100, 0x5a))} : {};
        assert.deepEqual(folder, {state: 'done', files: {...expected.files, ...kept}}, what);
        assert.deepEqual(await pageLog(page), expected.log, what);
      }
      const {state, name, files} = await downloadZip(page, sandbox);
      assert.deepEqual({state, name, files}, {state: 'done', name: '音楽-tracks.zip',
                                              files: expected.files}, what);
    }
    assert.deepEqual(page.requestsAfterLoad(), [], 'no request after load');
    assert.deepEqual(await page.errors(), []);
  });

  // A folder the user picks is written through the browser's streams: the same files as the
  // tools', by every archive, a longer file emptied first and nothing else left behind; a folder
  // in the way of a track file fails the run as the tools fail, with the files before it whole.
  if (folders) {
    test('a folder the user picks gets what the tools write', async () => {
      const page = await sandbox.open({folder: 'picked'});
      const archivePath = path.join(sandbox.folder('archives'), 'picked.bin');
      for (const [what, bytes] of rows) {
        fs.writeFileSync(archivePath, bytes);
        const expected = sandbox.native(archivePath);
        if (await choose(page, archivePath) !== 'done') continue;
        const folder = await saveToFolder(page, `async (root) => {
          const writable = await (await root.getFileHandle('BGM_000.adpcm', {create: true})).createWritable();
          await writable.write(new Uint8Array(819200).fill(0x5a));
          await writable.close();
        }`);
        assert.deepEqual(folder, {state: 'done', files: expected.files}, what);
      }
      fs.writeFileSync(archivePath, archive(3, [[0, 0, 5, H, 0x03]]));
      const failing = sandbox.native(archivePath, (bin) => fs.mkdirSync(path.join(bin, 'BGM_001.adpcm')));
      await choose(page, archivePath);
      const folder = await saveToFolder(page, (root) => root.getDirectoryHandle('BGM_001.adpcm', {create: true}));
      const loops = {'BGM_000.txtp': sandbox.native(archivePath).files['BGM_000.txtp']};
      assert.deepEqual(folder, {state: 'failed', files: {...failing.files, ...loops}});
      assert.equal((await pageLog(page)).at(-1), "Can't open file BGM_001.adpcm");
      assert.deepEqual(await page.errors(), []);
    });
  }

  // The players' files of a sample rate of 48000 say so; the tracks' lengths follow the rate.
  // The rate and the player's settings are the page's again at the next visit.
  test('the sample rate goes into the TXTH file and the lengths; settings are kept', async () => {
    const page = await sandbox.open();
    const archivePath = path.join(sandbox.folder('archives'), 'rate.bin');
    fs.writeFileSync(archivePath, archive(45));
    await choose(page, archivePath);
    await page.select('#rate', '48000');
    // 45 pairs of 12800 frames of each channel, 28 samples a frame: 336 s.
    assert.equal(await page.text('#tracks tbody td.length'), '5:36');
    const zip = await downloadZip(page, sandbox);
    const txth = fs.readFileSync(path.join(zip.folder, '.adpcm.txth'), 'utf8');
    assert.match(txth, /^sample_rate = 48000$/m);
    assert.deepEqual(Object.keys(zip.files).filter((name) => !name.startsWith('BGM')), players);
    // A fade out of bounds is refused where it is typed, saying what is allowed; the one before
    // stays.
    await page.select('#loops', 'for ever');
    await page.select('#fade', '45');
    assert.deepEqual(await page.evaluate(() => [document.getElementById('fade').getAttribute('aria-invalid'),
                                                document.getElementById('fade-error').textContent,
                                                JSON.parse(localStorage.getItem('vorsplit')).fade]),
                     ['true', 'The fade is a whole number of seconds from 0 to 30: it stays 10 s.', '10']);
    await page.select('#fade', '25');
    assert.equal(await page.attribute('#fade', 'aria-invalid'), 'false');
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
});
