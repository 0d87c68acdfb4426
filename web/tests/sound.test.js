// The page's sound against real players: its decoding against FFmpeg's, sample for sample; its
// WAV files against vgmstream's render of the same loop file, loop-marked ones too; its playing,
// rendered offline, as its WAV files joined, and from any sample as from the start.
'use strict';

const assert = require('node:assert');
const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {after, before, describe, test} = require('node:test');
const {choose, downloadOf, downloadZip, engines, env, folderFilesOf, handFolder, kPair, pageLog,
       Sandbox, settled} = require('./harness.js');

const kFrame = 16, kSamplesPerFrame = 28, kRate = 44100;

const vgmstream = process.env.VGMSTREAM_CLI || 'vgmstream-cli';
const hasVgmstream = !spawnSync(vgmstream, ['-V']).error;
const withFfmpeg = spawnSync('ffmpeg', ['-version']).error
                       ? {skip: 'ffmpeg is not installed (Debian package ffmpeg)'} : {};

// The archives, FFmpeg's and vgmstream's files, in a sandbox of their own for every engine.
let sandbox;
before(() => { sandbox = new Sandbox(); });
after(() => sandbox.close());

const sha256 = (bytes) => require('node:crypto').createHash('sha256').update(bytes).digest('hex');
const samplesOf = (bytes) => new Int16Array(bytes.buffer, bytes.byteOffset, bytes.length >> 1);
const wavSamples = (file) => samplesOf(fs.readFileSync(file).subarray(44));

// What FFmpeg decodes of track frames, behind the header the tools ship.
function ffmpeg(frames) {
  const input = path.join(sandbox.folder('ffmpeg'), 'in.genh');
  const output = path.join(sandbox.folder('ffmpeg'), 'out.raw');
  const header = fs.readFileSync(path.join(env('VORSPLIT_PLAYER_FILES'), '44100Hz.genh'));
  fs.writeFileSync(input, Buffer.concat([header, frames]));
  const run = spawnSync('ffmpeg', ['-nostdin', '-v', 'error', '-y', '-i', input, '-f', 's16le',
                                   output], {encoding: 'utf8'});
  assert.equal(run.status, 0, run.stderr);
  return samplesOf(fs.readFileSync(output));
}

// A track as a player plays it: its frames up to END, then from START, as often as `samples`
// (of each channel) needs; the decoder's history runs on across each jump.
function played(folder, name, samples) {
  const frames = fs.readFileSync(path.join(folder, name));
  const loop = fs.readFileSync(path.join(folder, name.replace('.adpcm', '.txtp')), 'utf8')
                   .match(/#I (\d+) (\d+)/);
  if (!loop) return {frames, start: null, end: null};
  const [start, end] = [Number(loop[1]), Number(loop[2])];
  const at = (sample) => sample / kSamplesPerFrame * 2 * kFrame;
  const parts = [frames.subarray(0, at(end))];
  for (let length = end; length < samples; length += end - start) {
    parts.push(frames.subarray(at(start), at(end)));
  }
  return {frames: Buffer.concat(parts), start, end};
}

// make_archive's archive of 80 pairs, whose first track loops and whose second, cut by the end
// of the archive, plays once; and an archive cut from it: the first and last pair (78) of its
// first track, from its filler through the intro and the loop start, and from the loop end; the
// same with three frames of channel 0 more of filler, so that the channels swap; a pair of loud
// frames, which clip, on every filter and shifts 1 to 12, now and then with a flag that players
// read by its low bits as an end of stream, and so silence, though the track goes on, ending on
// an end of stream in channel 1; and a pair of the next track, which the archive's end cuts, so
// that it plays once. And tracks with loops of a few frames, which play them thousands of times.
function archives() {
  const made = path.join(sandbox.root, 'made.bin'), short = path.join(sandbox.root, 'short.bin');
  const loops = path.join(sandbox.root, 'loops.bin');
  if (fs.existsSync(loops)) return {made, short, loops};
  assert.equal(spawnSync(env('VORSPLIT_MAKE_ARCHIVE'), [made, '80']).status, 0);
  const bytes = fs.readFileSync(made);
  const pair = (p) => Buffer.from(bytes.subarray(p * kPair, (p + 1) * kPair));
  assert.equal(pair(78)[0x2e401], 0x03, 'the loop end of make_archive\'s first track');
  const shifted = pair(0), loud = pair(1);
  for (const k of [64, 65, 66]) shifted[k * kFrame] = 0;
  const silentFlags = [0x0f, 0x17, 0x7f, 0xff];
  for (let k = 0; k < kPair / kFrame; ++k) {
    const flag = k % 101 === 50 ? silentFlags[(k / 101 | 0) % 4] : k % 101 === 0 ? 0x05 : 0;
    loud.set([(k % 5) << 4 | (1 + k % 12), flag], k * kFrame);
  }
  loud[kPair - kFrame + 1] = 0x07;
  fs.writeFileSync(short, Buffer.concat([pair(0), pair(78), shifted, pair(78), loud, pair(79)]));
  // Loops of 1, 2, 5 and 100 frames of channel 0, a track each, in pairs of the first track's
  // body: the loop starts at frame 100 and ends that many frames on.
  fs.writeFileSync(loops, Buffer.concat([1, 2, 5, 100].map((frames) => {
    const body = pair(1);
    body[100 * kFrame + 1] = 0x06;
    body[(100 + frames) * kFrame + 1] = 0x03;
    return body;
  })));
  return {made, short, loops};
}

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
        // RIFF, WAVE, a 16-byte fmt chunk of 16-bit PCM in two channels, and the data chunk.
        header.write('RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0', 'latin1');
        [[4, 36 + 2 * wav.length], [24, kRate], [28, 4 * kRate], [32, 4 | 16 << 16],
         [36, 0x61746164], [40, 2 * wav.length]].forEach(([at, v]) => header.writeUInt32LE(v, at));
        assert.deepEqual(fs.readFileSync(wavFile).subarray(0, 44), header, what);
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
// file whose header, "smpl" chunk and all, is vgmstream-cli -L's for the same loop file.
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
        const wav = fs.readFileSync(path.join(zip.folder, txtp.replace('.txtp', '.wav')));
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

// Play all and seeking, rendered by an offline audio context: tracks in a row, with no gap, are
// their WAV files of the same settings joined, one that plays once among them; a play that
// starts anywhere, as a seek does, in the intro, the first pass, the second and the third, gives
// the very samples of a play from the start.
function playerTest(engine, browser) {
  test('play all: the tracks\' WAV files in a row; a seek lands on the very sample', withFfmpeg,
       async () => {
    const page = await browser().open();
    const {short, loops} = archives();
    await choose(page, short);
    // A play rendered: the tracks `order` with one loop and two seconds of fade, or a track
    // `order` for ever, `ahead` slices decoded before it plays, and, given `from`, sought there:
    // scanned first, or, `early`, as soon as it starts, before it is ready.
    const render = (arg) => page.evaluate(async ({order, from, early, samples, ahead}) => {
      const context = new OfflineAudioContext(2, samples, 44100);
      ahead ??= Math.ceil(samples / 50000) + 1;
      const sound = Array.isArray(order)
                        ? await startPlaylist(context, order.map((i) => tracks[i]), {loops: 1, fade: 2}, ahead)
                        : await startPlaylist(context, [tracks[order]], {loops: Infinity, fade: 0}, ahead);
      sound.node.connect(context.destination);
      if (!early) await sound.ready;
      if (from !== undefined && !early) await sound.scan(0);
      if (from !== undefined) await sound.seek(0, from);
      await sound.ready;
      const ended = new Promise((resolve) => { sound.onended = resolve; });
      const rendered = await context.startRendering();
      // The worklet's messages and the rendering's end reach the page by different queues:
      // "ended", sent during the rendering, now and then comes after its end. It is waited for
      // before stop(), which stops listening.
      const hasEnded = await Promise.race([ended.then(() => true),
                                           new Promise((r) => setTimeout(() => r(false), 1000))]);
      sound.stop();
      const pcm = new Int16Array(2 * samples);
      for (let channel = 0; channel < 2; ++channel) {
        rendered.getChannelData(channel).forEach((x, i) => { pcm[2 * i + channel] = x * 32768; });
      }
      // As base64: a million samples as an array are more than Firefox's driver carries.
      const bytes = new Uint8Array(pcm.buffer);
      let text = '';
      for (let i = 0; i < bytes.length; i += 0x8000) {
        text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
      }
      return {text: btoa(text), ended: hasEnded};
    }, arg).then(({text, ended}) => ({pcm: samplesOf(Buffer.from(text, 'base64')), ended}));

    // Rendered before any download: after one, Firefox's driver no longer finds the page's own
    // functions.
    const order = [2, 0, 1];
    const length = await page.evaluate((order) => order.reduce(
        (sum, i) => sum + wavSamples(tracks[i], {loops: 1, fade: 2}), 0), order);
    const {pcm: all, ended} = await render({order, samples: length + 1000});
    assert.equal(ended, true, 'the play ends after the last track');

    // BGM_000 loops from a sample in its first pair to one in its second; BGM_002 plays once,
    // and its play has sent its end before the seek. Then the loops of a few frames.
    const folder = sandbox.native(short).folder, {start, end} = played(folder, 'BGM_000.adpcm', 0);
    const samples = 30000, loop = end - start, secondPair = kPair / 32 * 28 + 1234;
    const onceLength = Math.floor(fs.statSync(path.join(folder, 'BGM_002.adpcm')).size / 32) * 28;
    const seeks = [['intro', 0, 1234], ['second pair', 0, secondPair],
                   ['second pass', 0, end + loop - 4321], ['third pass', 0, end + loop + 77],
                   ['intro, before the play is ready', 0, 1234, true],
                   ['third pass, unscanned, before the play is ready', 0, end + loop + 77, true],
                   ['after the end was sent', [2], onceLength - 10000, false, 10]];
    for (const archivePath of [short, loops]) {
      const native = sandbox.native(archivePath);
      if (archivePath === loops) {
        await choose(page, loops);
        // Loops of 2 and 5 frames, in their thousandth pass.
        seeks.splice(0, seeks.length, ...[1, 2].map((i) => {
          const {start, end} = played(native.folder, `BGM_00${i}.adpcm`, 0);
          return [`a loop of ${[2, 5][i - 1]} frames`, i, end + 1000 * (end - start) + 5];
        }));
      }
      for (const [what, order, from, early, ahead] of seeks) {
        const {pcm, ended} = await render({order, from, early, ahead, samples});
        const name = `BGM_00${Array.isArray(order) ? order[0] : order}.adpcm`;
        const expected = ffmpeg(played(native.folder, name, from + samples).frames);
        const length = Math.min(pcm.length, expected.length - 2 * from);
        assert.ok(pcm.subarray(0, length).every((x, i) => x === expected[2 * from + i]), what);
        assert.ok(pcm.subarray(length).every((x) => x === 0), what);
        assert.equal(ended, Array.isArray(order), what);
      }
    }
    assert.deepEqual(await page.errors(), []);
    await choose(page, short);

    await page.select('#loops', '1');
    await page.select('#fade', '2');
    const zip = await downloadZip(page, sandbox, '#save-wav-zip');
    await page.select('#loops', '2');
    await page.select('#fade', '10');
    const wavs = samplesOf(Buffer.concat(order.map((i) => fs.readFileSync(
        path.join(zip.folder, `BGM_00${i}.wav`)).subarray(44))));
    assert.equal(wavs.length, 2 * length);
    assert.ok(all.subarray(0, wavs.length).every((x, i) => x === wavs[i]), 'the WAV files, joined');
    assert.ok(all.subarray(wavs.length).every((x) => x === 0), 'then silence');
  });
}

for (const engine of engines) {
  describe(engine.name, {skip: engine.skip}, () => {
    let browser;
    before(() => { browser = new Sandbox(engine); });
    after(() => browser?.close());
    wavTest(engine, () => browser);
    markedTest(engine, () => browser);
    playerTest(engine, () => browser);
  });
}
