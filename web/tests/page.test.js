// The page in a real browser, against the native tools: the same lines and the same files, by
// both routes, for archives that carry every rule of the walk and of the loops, and the way the
// page reads them a chunk at a time; failures met for real; no request after load.
'use strict';

const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {after, before, test} = require('node:test');
const {archive, choose, downloadZip, folderFilesOf, handFolder, kPair, pageLog, Sandbox,
       saveToFolder, settled} = require('./harness.js');

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
  // The page reads 20 pairs at a time: a track across two chunks, one that ends at the last
  // frame of a chunk, markers at a chunk's first frame, an unfinished pair after the last.
  ['tracks across the chunks the page reads',
   archive(45, [[3, 0, 7, H, 0x06], [20, 0, 0, H, 0x04], [25, 1, 40, H, 0x03],
                [39, 1, 12799, H, 0x03], [40, 1, 0, H, 0x06], [44, 0, 2, F, 0x07]],
           kPair - 16)],
  // A marker for every frame: more lines than the module has room for in one call.
  ['pairs whose every frame is reported',
   archive(3).map((byte, at) => (at % 16 === 1 ? 0x01 : byte))],
  ['a file too small to hold a pair', archive(0, [], kPair - 1)],
];

let sandbox;
before(() => { sandbox = new Sandbox(); });
after(() => sandbox.close());

// Each archive through the page, chosen as a user does, then saved to a folder and as a zip:
// the page's log is the tools' lines, and both routes save the files they write, byte for byte.
test('the page saves what the tools write, by both routes', async () => {
  const page = await sandbox.open();
  for (const [what, bytes] of rows) {
    const archivePath = path.join(sandbox.folder('archives'), '音楽.bin');
    fs.writeFileSync(archivePath, bytes);
    const expected = sandbox.native(archivePath);
    assert.equal(await choose(page, archivePath), 'done', what);
    assert.deepEqual(await pageLog(page), expected.log, what);
    // The table's loop of each track is the one of vorloop's line, where it writes a loop file.
    const loops = Object.fromEntries(expected.log.filter((line) => line.includes('.txtp : '))
                                         .map((line) => line.split('.txtp : ')));
    const table = await page.evaluate(() => [...document.querySelectorAll('#tracks tbody tr')]
                                          .map((row) => [row.dataset.track, row.cells[3].textContent]));
    for (const [track, loop] of table) {
      assert.equal(loop, loops[track] ?? 'nothing to play, no loop file', `${what}: ${track}`);
    }
    const tooSmall = bytes.length < kPair;
    assert.equal(table.length === 0, tooSmall, what);
    assert.match(await page.text('#message'), tooSmall ? /too small/ : /tracks/, what);

    // A longer file of a track's name is overwritten from empty.
    const folder =
        await saveToFolder(page, `async (root) => { const w = await (await root.getFileHandle(
          'BGM_000.adpcm', {create: true})).createWritable(); await w.write(new Uint8Array(
          ${2 * kPair})); await w.close(); }`);
    assert.deepEqual(folder, {state: 'done', files: expected.files}, what);
    assert.deepEqual(await pageLog(page), expected.log, what);

    const {state, name, files} = await downloadZip(page, sandbox);
    assert.deepEqual({state, name, files}, {state: 'done', name: '音楽-tracks.zip',
                                            files: expected.files}, what);
    // The page as README shows it, after a split of the tracks of the loop rules.
    if (what.startsWith('the loop rules') && process.env.VORSPLIT_PAGE_SCREENSHOT) {
      await page.size(860, 900);
      await page.screenshot(process.env.VORSPLIT_PAGE_SCREENSHOT);
    }
  }
  assert.deepEqual(page.requests.filter((url) => !/^(blob|data):/.test(url)), [],
                   'no request after load');
  assert.deepEqual(page.errors, []);
});

// The players' files of a sample rate of 48000 say so; the tracks' lengths follow the rate.
test('the sample rate goes into the TXTH file and the lengths', async () => {
  const page = await sandbox.open();
  const archivePath = path.join(sandbox.folder('archives'), 'rate.bin');
  fs.writeFileSync(archivePath, archive(45));
  await page.select('#rate', '48000');
  await choose(page, archivePath);
  // 45 pairs of 12800 frames of each channel, 28 samples a frame: 336 s.
  assert.equal(await page.text('#tracks tbody td:nth-child(3)'), '5:36');
  const zip = await downloadZip(page, sandbox);
  const txth = fs.readFileSync(path.join(zip.folder, '.adpcm.txth'), 'utf8');
  assert.match(txth, /^sample_rate = 48000$/m);
  assert.deepEqual(Object.keys(zip.files).filter((name) => !name.startsWith('BGM')), players);
});

// What the tools meet, the page meets as they do: a folder in the way of a track file, and an
// archive removed from the disk after it was chosen, while the page reads it. Each ends the run
// with the tools' "Can't ..." line, and the files finished before it stay as they are.
test('the page fails as the tools do, and keeps what it finished', async () => {
  const page = await sandbox.open();
  const archivePath = path.join(sandbox.folder('archives'), 'failing.bin');
  fs.writeFileSync(archivePath, archive(3, [[0, 0, 5, H, 0x03]]));
  const expected = sandbox.native(archivePath, (bin) => fs.mkdirSync(path.join(bin, 'BGM_001.adpcm')));
  assert.equal(expected.log.at(-1), "Can't open file BGM_001.adpcm");
  await choose(page, archivePath);
  const folder = await saveToFolder(page, `root => root.getDirectoryHandle('BGM_001.adpcm', {create: true})`);
  // The page writes a track's loop file as the track ends, where vorloop would run after vorsplit.
  const loops = {'BGM_000.txtp': sandbox.native(archivePath).files['BGM_000.txtp']};
  assert.deepEqual(folder, {state: 'failed', files: {...expected.files, ...loops}});
  assert.deepEqual(await pageLog(page), expected.log);

  // Track 0 ends in the first pair, and filler follows, 800 MB of it: the page is still reading
  // when the file goes.
  const removedPath = path.join(sandbox.folder('archives'), 'removed.bin');
  fs.writeFileSync(removedPath, archive(1, [[0, 0, 5, H, 0x03]]));
  const whole = sandbox.native(removedPath);
  fs.truncateSync(removedPath, 2000 * kPair);
  await choose(page, removedPath);
  await handFolder(page);
  await page.click('#save-folder');
  await page.waitFor(() => document.getElementById('log').textContent.includes('BGM_001'),
                     null, {polling: 5});
  fs.unlinkSync(removedPath);
  assert.equal(await settled(page), 'failed');
  assert.deepEqual(await pageLog(page), [...whole.log.slice(0, 3), "Can't read file removed.bin"]);
  const saved = await folderFilesOf(page);
  for (const name of [...players, 'BGM_000.adpcm', 'BGM_000.txtp']) {
    assert.equal(saved[name], whole.files[name], name);
  }
});

// Opened from its file, where no worker starts from a URL and no origin-private folder is given.
test('the page works opened from disk', async () => {
  const page = await sandbox.open({fromDisk: true});
  const archivePath = path.join(sandbox.folder('archives'), 'disk.bin');
  fs.writeFileSync(archivePath, rows[0][1]);
  const expected = sandbox.native(archivePath);
  assert.equal(await choose(page, archivePath), 'done');
  assert.deepEqual(await pageLog(page), expected.log);
  const zip = await downloadZip(page, sandbox);
  assert.deepEqual(zip.files, expected.files);
  assert.deepEqual(page.errors, []);
});
