// The page's playing in each engine, rendered by an offline audio context: tracks in a row as
// their WAV files joined, with no gap, and a seek that lands on the very sample.
'use strict';

const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const {test} = require('node:test');
const {kPair} = require('./archives.js');
const {choose, downloadZip, eachEngine} = require('./harness.js');
const {archives, ffmpeg, played, samplesOf, sandbox, wavSamples, withFfmpeg} = require('./sound_checks.js');

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
    // The loop once and two seconds of fade, or the track once.
    const length = await page.evaluate((order) => order.map((i) => tracks[i]).reduce(
        (sum, t) => sum + (t.loops ? t.end + 2 * 44100 : Math.floor(t.bytes / 32) * 28), 0), order);
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
    const wavs = samplesOf(Buffer.concat(order.map((i) => {
      const samples = wavSamples(path.join(zip.folder, `BGM_00${i}.wav`));
      return Buffer.from(samples.buffer, samples.byteOffset, samples.byteLength);
    })));
    assert.equal(wavs.length, 2 * length);
    assert.ok(all.subarray(0, wavs.length).every((x, i) => x === wavs[i]), 'the WAV files, joined');
    assert.ok(all.subarray(wavs.length).every((x) => x === 0), 'then silence');
  });
}

eachEngine((engine, browser) => {
  playerTest(engine, () => browser);
});
