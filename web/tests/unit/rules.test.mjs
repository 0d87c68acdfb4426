// The page's rules that need no browser: how it writes sizes and times, the lengths of a track's
// play and of its WAV files, and the settings as typed and kept.
import assert from 'node:assert';
import {test} from 'node:test';
import {size, time} from '../../app/format.js';
import {albumBytes, playLength, tagBytes, wavBytes, wavSamples} from '../../app/lengths.js';
import {keepChoices, keptChoices, playSettings, wavSettings} from '../../app/settings.js';

test('sizes in three figures, and times that never run ahead of the sample', () => {
  for (const [bytes, text] of [[1, '1 byte'], [999, '999 bytes'], [1000, '1.00 kB'],
                               [99_950, '100.0 kB'], [409_600_000, '410 MB'], [1 << 30, '1.07 GB']]) {
    assert.equal(size(bytes), text, `${bytes}`);
  }
  // 44099 samples are not yet a second; a minute's last sample is 0:59.999.
  for (const [samples, exact, text] of [[44099, false, '0:00'], [44100, false, '0:01'],
                                        [44100 * 60 - 1, true, '0:59.999'], [28672, true, '0:00.650'],
                                        [44100 * 61.5, true, '1:01.500']]) {
    assert.equal(time(samples, 44100, exact), text, `${samples}`);
  }
});

// A track of 100 pairs that loops from sample 280 to 2520: its file once is 2800 samples. Its
// WAV files' tags, of Game.bin's BGM_007: "LIST" size "INFO", "INAM" 8 "BGM_007\0", "IPRD" 5
// "Game\0" and a pad byte, "ITRK" 2 "8\0": 52 bytes.
const looping = {name: 'BGM_007.adpcm', bytes: 3200 + 16, loops: true, start: 280, end: 2520};
const once = {name: 'BGM_007.adpcm', bytes: 3200 + 16, loops: false, start: 0, end: 0};
const tags = 52;

test('a play and a WAV file last as vgmstream renders the loop file', () => {
  for (const [track, settings, samples, bytes] of [
    [looping, {loops: 2, fade: 10}, 280 + 2 * 2240 + 441000, 44 + tags + 4 * (280 + 2 * 2240 + 441000)],
    [looping, {loops: 1, fade: 0}, 2520, 44 + tags + 4 * 2520],
    // Marked, the track once, and where it loops 68 bytes of loop points.
    [looping, {loops: 2, fade: 10, marked: true}, 2800, 44 + 68 + tags + 4 * 2800],
    [once, {loops: 2, fade: 10}, 2800, 44 + tags + 4 * 2800],
    [once, {loops: 2, fade: 10, marked: true}, 2800, 44 + tags + 4 * 2800],
  ]) {
    assert.equal(wavSamples(track, settings, 44100), samples, JSON.stringify(settings));
    assert.equal(wavBytes(track, settings, 44100, 'Game.bin'), bytes, JSON.stringify(settings));
  }
  // The album is cut at a whole character: 199 bytes of ASCII and a 3-byte one leave 199.
  for (const [archive, album] of [['Game.bin', 4], ['a.b.c', 3], ['.bin', 0], ['x'.repeat(300), 200],
                                  ['x'.repeat(199) + '\u97f3.bin', 199]]) {
    assert.equal(albumBytes(archive), album, archive);
  }
  assert.equal(tagBytes({name: 'BGM_099.adpcm'}, '.bin'), 12 + 16 + 12);
  // Played for ever, the seek bar ends at the loop's end.
  assert.equal(playLength(looping, {loops: Infinity, fade: 0}, 44100), 2520);
  assert.equal(playLength(looping, {loops: 2, fade: 10}, 48000), 280 + 2 * 2240 + 480000);
  assert.equal(playLength(once, {loops: Infinity, fade: 0}, 44100), 2800);
});

test('settings as typed: a fade within 0 to 30 whole seconds, loops or for ever', () => {
  for (const [fade, shown] of [['45', 30], ['', 0], ['-3', 0], ['abc', 0], ['2.6', 3], ['25', 25]]) {
    assert.equal(playSettings({loops: '2', fade}).fade, shown, fade);
  }
  assert.deepEqual(playSettings({loops: 'for ever', fade: '10'}), {loops: Infinity, fade: 10});
  // A WAV file can't last for ever: two loops then.
  assert.deepEqual(wavSettings({loops: Infinity, fade: 0}), {loops: 2, fade: 0});
  assert.deepEqual(wavSettings({loops: 7, fade: 1}), {loops: 7, fade: 1});
});

test('kept choices come back, and storage that fails or holds junk gives none', () => {
  const stored = new Map();
  const storage = {getItem: (key) => stored.get(key) ?? null, setItem: (key, value) => stored.set(key, value)};
  keepChoices(storage, {rate: '48000', loops: 'for ever', fade: '25', volume: '0.5'});
  assert.deepEqual(keptChoices(storage), {rate: '48000', loops: 'for ever', fade: '25', volume: '0.5'});
  const refusing = {getItem() { throw new Error('denied'); }, setItem() { throw new Error('full'); }};
  assert.doesNotThrow(() => keepChoices(refusing, {rate: '44100'}));
  assert.deepEqual(keptChoices(refusing), {});
  for (const junk of ['{', 'null', '7']) {
    stored.set('vorsplit', junk);
    assert.deepEqual(keptChoices(storage), {}, junk);
  }
});
