// What the page's sound tests share: FFmpeg's decoding of a track's frames, a track's frames as a
// player takes them, the archives they play, and a sandbox for the files of FFmpeg and vgmstream.
'use strict';

const assert = require('node:assert');
const {spawnSync} = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const {after} = require('node:test');
const {kPair} = require('./archives.js');
const {env, Sandbox} = require('./harness.js');

const kFrame = 16, kSamplesPerFrame = 28, kRate = 44100;

const vgmstream = process.env.VGMSTREAM_CLI || 'vgmstream-cli';
const hasVgmstream = !spawnSync(vgmstream, ['-V']).error;
const withFfmpeg = spawnSync('ffmpeg', ['-version']).error
                       ? {skip: 'ffmpeg is not installed (Debian package ffmpeg)'} : {};

// The archives, FFmpeg's and vgmstream's files, in a sandbox of their own for every engine, made
// before a file's tests and removed after them.
const sandbox = new Sandbox();
after(() => sandbox.close());

const sha256 = (bytes) => require('node:crypto').createHash('sha256').update(bytes).digest('hex');
const samplesOf = (bytes) => new Int16Array(bytes.buffer, bytes.byteOffset, bytes.length >> 1);
// A WAV file's chunks after WAVE, by their ids: where each begins and its size.
function riffChunks(bytes) {
  const chunks = {};
  for (let at = 12; at + 8 <= bytes.length; at += 8 + bytes.readUInt32LE(at + 4) + (bytes.readUInt32LE(at + 4) & 1)) {
    chunks[bytes.toString('latin1', at, at + 4)] = {at, size: bytes.readUInt32LE(at + 4)};
  }
  return chunks;
}
const wavSamples = (file) => {
  const bytes = fs.readFileSync(file), {data} = riffChunks(bytes);
  return samplesOf(bytes.subarray(data.at + 8, data.at + 8 + data.size));
};
// The file as it would be without its tags: its LIST chunk cut out, and the RIFF size less it.
function untagged(bytes) {
  const {LIST} = riffChunks(bytes);
  if (!LIST) return bytes;
  const out = Buffer.concat([bytes.subarray(0, LIST.at), bytes.subarray(LIST.at + 8 + LIST.size)]);
  out.writeUInt32LE(out.length - 8, 4);
  return out;
}
// The texts of its INFO list, by their ids, without their zeros.
function infoTexts(bytes) {
  const {LIST} = riffChunks(bytes), texts = {};
  assert.equal(bytes.toString('latin1', LIST.at + 8, LIST.at + 12), 'INFO');
  for (let at = LIST.at + 12; at < LIST.at + 8 + LIST.size; at += 8 + bytes.readUInt32LE(at + 4) + (bytes.readUInt32LE(at + 4) & 1)) {
    const size = bytes.readUInt32LE(at + 4);
    assert.equal(bytes[at + 8 + size - 1], 0);
    texts[bytes.toString('latin1', at, at + 4)] = bytes.toString('utf8', at + 8, at + 8 + size - 1);
  }
  return texts;
}

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

module.exports = {archives, ffmpeg, hasVgmstream, infoTexts, kFrame, kRate, kSamplesPerFrame, played, riffChunks, samplesOf, untagged,
                  sandbox, sha256, vgmstream, wavSamples, withFfmpeg};
