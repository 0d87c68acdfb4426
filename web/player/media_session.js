// The phone's lock screen and the desktop's media keys, where the engine has a media session: the
// track, the archive and where it plays, and the player's actions.
import {trackName} from '../app/format.js';

const session = () => ('mediaSession' in navigator ? navigator.mediaSession : null);

// Shows track of archive, playing or paused; with track null, that nothing plays.
export function showTrack(track, archive, paused) {
  try {
    if (!track) {
      if (session()) session().playbackState = 'none';
      return;
    }
    if (!session()) return;
    session().metadata = new MediaMetadata({title: trackName(track), album: archive.name,
                                            artist: 'vorsplit'});
    session().playbackState = paused ? 'paused' : 'playing';
  } catch {}
}

export function showPaused(paused) {
  try {
    session().playbackState = paused ? 'paused' : 'playing';
  } catch {}
}

// Sample `where` of `length`, at `rate`.
export function showPosition(where, length, rate) {
  try {
    session().setPositionState({duration: length / rate, playbackRate: 1,
                                position: Math.min(where, length) / rate});
  } catch {}
}

// actions: {play, pause, nexttrack, ...}, each called with the session's details.
export function takeActions(actions) {
  for (const [action, handler] of Object.entries(actions)) {
    try {
      navigator.mediaSession.setActionHandler(action, handler);
    } catch {}  // an engine with no media session, or without this action
  }
}
