// The page's WAV files in each engine against real players: FFmpeg's decoding, sample for sample,
// and vgmstream's render of the same loop file, loop-marked files too.
'use strict';

const assert = require('node:assert');
const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {test} = require('node:test');
const {choose, downloadOf, downloadZip, eachEngine, folderFilesOf, handFolder, pageLog,
       settled} = require('./harness.js');
const {archives, ffmpeg, hasVgmstream, infoTexts, kRate, played, samplesOf, sandbox, sha256,
       untagged, vgmstream, wavSamples, withFfmpeg} = require('./sound_checks.js');

// Every playable track's WAV file from the page's zip: its first pass is FFmpeg's decoding of
// the track file, and up to the fade it is FFmpeg's decoding of the frames as played; where
// vgmstream is found, it is as long as vgmstream's render, and differs from it, fade included,
// by no more than FFmpeg differs from vgmstream before the fade.
function wavTest(engine, browser) {
  test('the WAV files: FFmpeg\'s decoding, vgmstream\'s length and loops', withFfmpeg, async (t) => {
    if (!hasVgmstream) t.diagnostic('skipped: WAV files against vgmstream: vgmstream-cli not found ' +
                                    '(cmake -DVGMSTREAM_CLI=PATH, or on the PATH)');
    const page = await browser().open();
    // make_archive's archive, long tracks read in many chunks, in one engine: the module that
    // decodes is the same in every engine, and the short archive takes each engine's own routes.
    // The short archive also with a loop played once and two seconds of fade, as vgmstream's -l 1
    // -f 2 renders it.
    const {made, short, loops} = archives();
    const runs = [[short, 2, 10], [short, 1, 2], [loops, 2, 10]];
    if (engine.name === 'chromium') runs.push([made, 2, 10]);
    for (const [archivePath, loopCount, fadeSeconds] of runs) {
      const native = sandbox.native(archivePath);
      const tracks = Object.keys(native.files).filter((name) => name.endsWith('.txtp'));
      assert.equal(await choose(page, archivePath), 'done');
      await page.select('#loops', `${loopCount}`);
      await page.select('#fade', `${fadeSeconds}`);
      const zip = await downloadZip(page, sandbox, '#save-wav-zip');
      await page.select('#loops', '2');
      await page.select('#fade', '10');
      assert.equal(zip.name, `${path.basename(archivePath, '.bin')}-wav.zip`);
      assert.deepEqual(Object.keys(zip.files), tracks.map((name) => name.replace('.txtp', '.wav')));
      for (const txtp of tracks) {
        const what = `${path.basename(archivePath)} ${txtp} -l ${loopCount} -f ${fadeSeconds}`;
        const wavFile = path.join(zip.folder, txtp.replace('.txtp', '.wav'));
        const wav = wavSamples(wavFile), header = Buffer.alloc(44);
        // RIFF, WAVE, a 16-byte fmt chunk of 16-bit PCM in two channels, and the data chunk,
        // with the tags before it.
        header.write('RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0', 'latin1');
        [[4, 36 + 2 * wav.length], [24, kRate], [28, 4 * kRate], [32, 4 | 16 << 16],
         [36, 0x61746164], [40, 2 * wav.length]].forEach(([at, v]) => header.writeUInt32LE(v, at));
        const bytes = fs.readFileSync(wavFile);
        assert.deepEqual(untagged(bytes).subarray(0, 44), header, what);
        assert.deepEqual(infoTexts(bytes), {INAM: txtp.replace('.txtp', ''),
                                            IPRD: path.basename(archivePath, '.bin'),
                                            ITRK: String(Number(txtp.slice(4, 7)) + 1)}, what);
        const {frames, start, end} = played(native.folder, txtp.replace('.txtp', '.adpcm'),
                                            wav.length / 2);
        const expected = ffmpeg(frames);
        const fadeFrom = start === null ? wav.length / 2 : start + loopCount * (end - start);
        assert.ok(expected.length >= 2 * fadeFrom, what);
        assert.ok(wav.subarray(0, 2 * fadeFrom).every((sample, i) => sample === expected[i]), what);
        if (!hasVgmstream) continue;
        // vgmstream decodes the frames FFmpeg did, described here, not by the players' files: how
        // far its decoder is from FFmpeg's. Then it renders the loop file, through the TXTH file.
        const vgmstreamOf = (file) => {
          const out = path.join(sandbox.folder('vgmstream'), 'out.wav');
          const args = ['-l', `${loopCount}`, '-f', `${fadeSeconds}`, '-o', out, file];
          assert.equal(spawnSync(vgmstream, args, {cwd: native.folder}).status, 0);
          return wavSamples(out);
        };
        const asPlayed = path.join(sandbox.folder('vgmstream'), 'played.adpcm');
        fs.writeFileSync(asPlayed, frames);
        fs.writeFileSync(`${asPlayed}.txth`, 'codec = PSX\nchannels = 2\ninterleave = 0x10\n' +
                                             'sample_rate = 44100\nnum_samples = data_size\n');
        const decoded = vgmstreamOf(asPlayed), theirs = vgmstreamOf(txtp);
        assert.equal(wav.length, theirs.length, what);
        let decoders = 0, ours = 0;
        for (let i = 0; i < wav.length; ++i) {
          decoders = Math.max(decoders, Math.abs(expected[i] - decoded[i]));
          ours = Math.max(ours, Math.abs(wav[i] - theirs[i]));
        }
        t.diagnostic(`${what}, ${loopCount} loops, ${fadeSeconds} s fade: vgmstream's decoder is ` +
                     `${decoders} from FFmpeg's, the page ${ours}`);
        assert.ok(ours <= decoders, what);
      }
    }

    // The same files into a folder, where the engine has one, and one track's alone, as its own
    // download.
    await choose(page, short);
    const zipped = await downloadZip(page, sandbox, '#save-wav-zip');
    if (engine.name !== 'webkit') {
      await handFolder(page);
      await page.click('#save-wav-folder');
      assert.equal(await settled(page), 'done');
      assert.deepEqual(await folderFilesOf(page), zipped.files);
    }
    await page.click('tr[data-track=BGM_001] button.menu');
    const single = await downloadOf(page, sandbox, 'tr[data-track=BGM_001] button.wav');
    assert.equal(single.name, 'BGM_001.wav');
    assert.equal(sha256(fs.readFileSync(single.saved)), zipped.files['BGM_001.wav']);

    // An archive removed after it was chosen: playing, and saving, stop at the tools' line.
    const removed = path.join(sandbox.root, 'removed.bin');
    fs.copyFileSync(short, removed);
    await choose(page, removed);
    fs.unlinkSync(removed);
    for (const control of ['tr[data-track=BGM_000] button.play', '#save-wav-zip']) {
      await page.click(control);
      await page.waitFor(() => document.body.dataset.state === 'failed');
      assert.equal((await pageLog(page)).at(-1), "Can't read file removed.bin", control);
    }
    assert.deepEqual(await page.errors(), []);
  });
}

// The WAV files once, loops marked: each the track file's every frame, as FFmpeg decodes it, in a
// file whose header, "smpl" chunk and all, is vgmstream-cli -L's for the same loop file, but for
// the tags.
function markedTest(engine, browser) {
  test('the WAV files once, loops marked, as vgmstream -L writes them', withFfmpeg, async (t) => {
    if (!hasVgmstream) t.diagnostic('skipped: headers against vgmstream -L: vgmstream-cli not found');
    const page = await browser().open();
    const {made, short} = archives();
    for (const archivePath of engine.name === 'chromium' ? [short, made] : [short]) {
      const native = sandbox.native(archivePath);
      await choose(page, archivePath);
      const zip = await downloadZip(page, sandbox, '#save-wav-loop-zip');
      assert.equal(zip.name, `${path.basename(archivePath, '.bin')}-wav-loop.zip`);
      for (const txtp of Object.keys(native.files).filter((name) => name.endsWith('.txtp'))) {
        const what = `${path.basename(archivePath)} ${txtp}`;
        const wav = untagged(fs.readFileSync(path.join(zip.folder, txtp.replace('.txtp', '.wav'))));
        const loop = fs.readFileSync(path.join(native.folder, txtp), 'utf8').match(/#I (\d+) (\d+)/);
        const headerSize = loop ? 0x70 : 0x2c;
        assert.equal(wav.toString('latin1', headerSize - 8, headerSize - 4), 'data', what);
        if (loop) {
          assert.equal(wav.toString('latin1', 0x24, 0x28), 'smpl', what);
          assert.deepEqual([wav.readUInt32LE(0x58), wav.readUInt32LE(0x5c)],
                           [Number(loop[1]), Number(loop[2]) - 1], what);
        }
        const frames = fs.readFileSync(path.join(native.folder, txtp.replace('.txtp', '.adpcm')));
        const samples = samplesOf(wav.subarray(headerSize)), expected = ffmpeg(frames);
        assert.equal(samples.length, Math.floor(frames.length / 32) * 28 * 2, what);
        assert.ok(samples.every((x, i) => x === expected[i]), what);
        if (archivePath === made && txtp === 'BGM_000.txtp') {
          assert.deepEqual([wav.readUInt32LE(0x58), wav.readUInt32LE(0x5c), samples.length / 2],
                           [28672, 28284927, 28284956]);
        }
        if (!hasVgmstream) continue;
        const out = path.join(sandbox.folder('vgmstream'), 'once.wav');
        assert.equal(spawnSync(vgmstream, ['-L', '-o', out, txtp], {cwd: native.folder}).status, 0);
        const theirs = fs.readFileSync(out);
        assert.equal(wav.length, theirs.length, what);
        assert.deepEqual(wav.subarray(0, headerSize), theirs.subarray(0, headerSize), what);
      }
    }
    assert.deepEqual(await page.errors(), []);
  });
}

eachEngine((engine, browser) => {
  wavTest(engine, () => browser);
  markedTest(engine, () => browser);
});
