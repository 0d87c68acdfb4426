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

// Its size: a marked file of a looping track says where the loop lies, in 68 bytes more.
export const wavBytes = (track, settings, rate) =>
  44 + (settings.marked && track.loops ? 68 : 0) + 4 * wavSamples(track, settings, rate);

// The samples of a track's play: played for ever, its loop's end, where a seek bar ends.
export function playLength(track, settings, rate) {
  if (!track.loops) return onceSamples(track);
  return Number.isFinite(settings.loops) ? wavSamples(track, settings, rate) : track.end;
}
