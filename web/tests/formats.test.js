// The page's FLAC and Ogg Vorbis files in each engine, against its own WAV files of the same kind
// and settings: FFmpeg's decoding of them, flac -t, their tags as ffprobe, metaflac and
// vorbiscomment read them, and their loop tags against the tools' loop files.
'use strict';

const assert = require('node:assert');
const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {test} = require('node:test');
const {F, H, archive, kFrame, kPair, rows} = require('./archives.js');
const {handFolder, sleep} = require('../../tools/browser/browser.js');
const {choose, downloadZip, eachEngine, folderFilesOf, settled} = require('./harness.js');
const {archives, infoTexts, samplesOf, sandbox, wavSamples, withFfmpeg} = require('./sound_checks.js');

const has = (tool) => !spawnSync(tool, ['--version']).error;
const hasFlac = has('flac'), hasMetaflac = has('metaflac'), hasVorbiscomment = has('vorbiscomment');
// Vorbis at quality 6 keeps these tracks within this signal-to-noise ratio of the WAV file's
// samples; the encoder's own test asks 30 dB of a tone, and these tracks are noise-like.
const kLeastSnr = 20, kExactFrom = 10000;

function decoded(file) {
  const run = spawnSync('ffmpeg', ['-nostdin', '-v', 'error', '-i', file, '-f', 's16le', '-'],
                        {maxBuffer: 1 << 30});
  assert.equal(run.status, 0, run.stderr?.toString());
  return samplesOf(run.stdout);
}

// The tags, as ffprobe reads them from the container and the stream, by upper-case names.
function probedTags(file) {
  const run = spawnSync('ffprobe', ['-v', 'error', '-show_entries', 'format_tags:stream_tags',
                                    '-of', 'json', file], {encoding: 'utf8'});
  assert.equal(run.status, 0, run.stderr);
  const {format, streams} = JSON.parse(run.stdout), tags = {};
  for (const [name, value] of Object.entries({...format?.tags, ...streams?.[0]?.tags})) {
    tags[name.toUpperCase()] = value;
  }
  return tags;
}

// NAME=value lines, as metaflac and vorbiscomment list them.
function listedTags(tool, args) {
  const run = spawnSync(tool, args, {encoding: 'utf8'});
  assert.equal(run.status, 0, run.stderr);
  return Object.fromEntries(run.stdout.trim().split('\n').filter(Boolean)
                                .map((line) => [line.slice(0, line.indexOf('=')), line.slice(line.indexOf('=') + 1)]));
}

// The granule position of an Ogg file's last page: its samples. The pages are walked, each
// from the sizes in its header.
function lastGranule(bytes) {
  let granule = null;
  for (let at = 0; at < bytes.length;) {
    assert.equal(bytes.toString('latin1', at, at + 4), 'OggS');
    granule = Number(bytes.readBigInt64LE(at + 6));
    const segments = bytes[at + 26];
    let body = 0;
    for (let i = 0; i < segments; ++i) body += bytes[at + 27 + i];
    at += 27 + segments + body;
  }
  return granule;
}

function snr(wav, lossy) {
  let signal = 0, noise = 0;
  for (let i = 0; i < wav.length; ++i) {
    signal += wav[i] * wav[i];
    noise += (wav[i] - lossy[i]) ** 2;
  }
  return 10 * Math.log10((signal + 1) / (noise + 1));
}

// An archive of edges for the encoders: a track of silence (pair 0, its frames' sound all 0,
// ended by an end of stream in its last frame of channel 0), then one of a single frame pair,
// ended by an end of stream in its second frame.
function edges() {
  const bytes = archive(2, [[0, 0, 12799, H, 0x07], [1, 0, 1, H, 0x07]]);
  for (let at = 0; at < kPair; at += kFrame) bytes.fill(0, at + 2, at + kFrame);
  return bytes;
}

// What the page's tags say of a track, and its loop points where the file marks them.
function expectedTags(archivePath, name, total, loop) {
  const tags = {TITLE: name, ALBUM: path.basename(archivePath).replace(/\.[^.]*$/, ''),
                TRACKNUMBER: String(Number(name.slice(4)) + 1), TRACKTOTAL: String(total)};
  if (!loop) return tags;
  const [start, end] = loop;
  return {...tags, LOOPSTART: String(start), LOOPLENGTH: String(end - start),
          LOOP_START: String(start), LOOP_END: String(end)};
}

function formatsTest(engine, engineSandbox) {
  test('FLAC and Ogg Vorbis: the WAV files\' samples, their tags and loop points', withFfmpeg, async (t) => {
    for (const [tool, ok] of [['flac', hasFlac], ['metaflac', hasMetaflac], ['vorbiscomment', hasVorbiscomment]]) {
      if (!ok) t.diagnostic(`skipped: ${tool}'s checks: ${tool} is not installed (Debian package ${tool === 'vorbiscomment' ? 'vorbis-tools' : 'flac'})`);
    }
    const {made, loops} = archives();
    const rules = path.join(sandbox.root, 'rules.bin'), edge = path.join(sandbox.root, 'edges.bin');
    fs.writeFileSync(rules, rows.find(([what]) => what.startsWith('the loop rules'))[1]);
    fs.writeFileSync(edge, edges());
    // make_archive's long tracks in one engine: the encoders are the same module in every one.
    const runs = [rules, loops, edge];
    if (engine.name === 'chromium') runs.push(made);
    let sizes = [];
    for (const archivePath of runs) {
      const native = sandbox.native(archivePath);
      // A page of its own for each archive: WebKit's MiniBrowser lists each download in its
      // window, which leaves the page less room each time.
      const page = await engineSandbox().open();
      assert.equal(await choose(page, archivePath), 'done');
      const total = Math.max(...(await page.evaluate(() => window.tracks.map((track) => track.name))).map(
          (name) => Number(name.slice(4, 7)) + 1));
      const formats = archivePath === made ? ['flac'] : ['flac', 'ogg'];
      for (const marked of [false, true]) {
        const kind = marked ? '-loop' : '';
        const wavZip = await downloadZip(page, sandbox, `#save-wav${kind}-zip`);
        const wavs = Object.keys(wavZip.files);
        for (const format of formats) {
          const zip = await downloadZip(page, sandbox, `#save-${format}${kind}-zip`);
          assert.equal(zip.name, `${path.basename(archivePath, '.bin')}-${format}${kind}.zip`);
          assert.deepEqual(Object.keys(zip.files), wavs.map((name) => name.replace('.wav', `.${format}`)));
          for (const wavName of wavs) {
            const name = wavName.replace('.wav', ''), what = `${path.basename(archivePath)} ${name}.${format}${kind}`;
            const file = path.join(zip.folder, `${name}.${format}`);
            const wavBytes = fs.readFileSync(path.join(wavZip.folder, wavName));
            const wav = wavSamples(path.join(wavZip.folder, wavName)), sound = decoded(file);
            const loop = fs.readFileSync(path.join(native.folder, `${name}.txtp`), 'utf8').match(/#I (\d+) (\d+)/);
            const tags = expectedTags(archivePath, name, total, marked && loop ? [Number(loop[1]), Number(loop[2])] : null);
            assert.deepEqual(infoTexts(wavBytes), {INAM: tags.TITLE, IPRD: tags.ALBUM, ITRK: tags.TRACKNUMBER}, what);
            if (format === 'flac') {
              assert.ok(sound.length === wav.length && sound.every((x, i) => x === wav[i]), what);
              if (hasFlac) assert.equal(spawnSync('flac', ['-t', '-s', file]).status, 0, what);
              if (hasMetaflac) assert.deepEqual(listedTags('metaflac', ['--export-tags-to=-', file]), tags, what);
            } else {
              // FFmpeg cuts a stream's end by its granule position only past its first blocks:
              // a track shorter than kExactFrom comes out up to a block longer or shorter, and its
              // length is the granule position's alone.
              assert.equal(lastGranule(fs.readFileSync(file)), wav.length / 2, what);
              if (wav.length / 2 >= kExactFrom) {
                assert.equal(sound.length, wav.length, what);
                const quiet = wav.every((x) => x === 0);
                if (!quiet) assert.ok(snr(wav, sound) >= kLeastSnr, `${what}: ${snr(wav, sound)} dB`);
              } else {
                assert.ok(Math.abs(sound.length - wav.length) <= 2 * 2048, what);
              }
              if (hasVorbiscomment) assert.deepEqual(listedTags('vorbiscomment', ['-l', file]), tags, what);
            }
            const probed = probedTags(file);
            assert.equal(probed.TITLE, tags.TITLE, what);
            assert.equal(probed.ALBUM, tags.ALBUM, what);
            assert.equal(probed.LOOPSTART, tags.LOOPSTART, what);
            assert.equal(probed.LOOP_END, tags.LOOP_END, what);
          }
          sizes.push(`${path.basename(archivePath)}${kind} ${format} ${(zip.bytes / wavZip.bytes * 100).toFixed(0)} % of WAV`);
        }
      }
      if (archivePath === edge) {
        // The silence and the single pair of frames both came through.
        const lengths = await page.evaluate(() => window.tracks.map((track) => track.samples));
        assert.deepEqual(lengths, [12799 * 28, 28]);
      }
      assert.deepEqual(await page.errors(), []);
    }
    t.diagnostic(sizes.join('; '));
  });

  // A cancelled zip leaves no file; a folder, where the engine has one, gets the zip's files.
  test('a cancelled FLAC or Vorbis zip leaves no file; a folder gets the zip\'s files', async () => {
    const page = await engineSandbox().open();
    const {made, loops} = archives();
    await choose(page, made);
    for (const id of ['save-flac-zip', 'save-ogg-loop-zip']) {
      await page.evaluate((id) => document.getElementById(id).click(), id);
      await page.waitFor(() => Number(document.getElementById('progress').value) > 0);
      await page.click('#cancel');
      assert.equal(await settled(page), 'cancelled', id);
    }
    await sleep(1000);
    assert.deepEqual(fs.readdirSync(engineSandbox().browser.downloads), []);
    if (engine.name !== 'webkit') {
      await choose(page, loops);
      await page.select('#format', 'flac');
      for (const format of ['flac', 'ogg']) {
        await page.select('#format', format);
        const zip = await downloadZip(page, sandbox, `#save-${format}-zip`);
        await handFolder(page);
        await page.click(`#save-${format}-folder`);
        assert.equal(await settled(page), 'done');
        assert.deepEqual(await folderFilesOf(page), zip.files, format);
      }
      await page.select('#format', 'wav');
    }
    // A file that is no archive hides the saves: one that held the focus gives it to the chooser.
    await page.select('#format', 'flac');
    await page.focus('#save-flac-zip');
    const small = path.join(sandbox.root, 'small.bin');
    fs.writeFileSync(small, Buffer.alloc(1000));
    assert.equal(await choose(page, small), 'failed');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'choose');
    assert.deepEqual(await page.errors(), []);
  });
}

eachEngine((engine, engineSandbox) => formatsTest(engine, () => engineSandbox));
