// How long a track plays and how large its WAV file is, in samples of each channel at the page's
// rate, as vgmstream renders the track's loop file: no DOM, the rules alone.

const kSamplesPerFrame = 28, kPairBytes = 32;

// The samples of a track once, as its file holds them: 28 for each pair of frames.
export const onceSamples = (track) => Math.floor(track.bytes / kPairBytes) * kSamplesPerFrame;

// The samples a track's WAV file holds with settings {loops, fade, marked}: the intro, the loop
// `loops` times and `fade` seconds of fade; marked, or where it does not loop, the track once.
export function wavSamples(track, {loops, fade, marked = false}, rate) {
  return track.loops && !marked ? track.start + loops * (track.end - track.start) + fade * rate
                                : onceSamples(track);
}

// The archive's name without its extension, as the files' album: UTF-8, cut to 200 bytes
// before a character that does not fit whole.
export function albumBytes(archive) {
  const bytes = new TextEncoder().encode(archive.replace(/\.[^.]*$/, ''));
  let length = Math.min(bytes.length, 200);
  while (length > 0 && length < bytes.length && (bytes[length] & 0xc0) === 0x80) --length;
  return length;
}

// A WAV file's tags: a LIST of INFO texts, the title (BGM_NNN), the album where the archive's
// name gives one, and the track's number from 1, each zero-ended and padded to an even size.
export function tagBytes(track, archive) {
  const text = (length) => 8 + length + 1 + ((length + 1) % 2);
  const title = track.name.replace(/\.adpcm$/, ''), number = Number(title.match(/-?\d+$/)[0]) + 1;
  const album = albumBytes(archive);
  return 12 + text(title.length) + (album ? text(album) : 0) + text(String(number).length);
}

// Its size: a marked file of a looping track says where the loop lies, in 68 bytes more; the
// tags of the archive's track follow.
export const wavBytes = (track, settings, rate, archive) => 44 +
  (settings.marked && track.loops ? 68 : 0) + tagBytes(track, archive) + 4 * wavSamples(track, settings, rate);

// What FLAC and Ogg Vorbis files will take, which only their encoding tells: FLAC keeps game
// music in about 60 % of its WAV bytes; Vorbis takes its quality's nominal rate (at 44.1 kHz
// stereo) and about 4 kB of headers.
const kFlacShare = 0.6;
const kVorbisKbps = {3: 112, 4: 128, 5: 160, 6: 192, 7: 224, 8: 256, 9: 320};
export function fileBytes(format, track, settings, rate, archive, quality = 6) {
  const wav = wavBytes(track, settings, rate, archive);
  if (format === 'flac') return Math.round(wav * kFlacShare);
  if (format === 'ogg') {
    return Math.round(wavSamples(track, settings, rate) / rate * kVorbisKbps[quality] * 125) + 4000;
  }
  return wav;
}

// The samples of a track's play: played for ever, its loop's end, where a seek bar ends.
export function playLength(track, settings, rate) {
  if (!track.loops) return onceSamples(track);
  return Number.isFinite(settings.loops) ? wavSamples(track, settings, rate) : track.end;
}
