// The player: one play at a time, of the archive's tracks from one on, and its commands: play
// from a track, stop, pause, seek, the next track and the one before. The engine decodes, the
// worklet plays; this keeps what plays and shows it in the bar, the table and the media session.
import {rate, settings, volumeLevel} from '../app/choices.js';
import {playLength} from '../app/lengths.js';
import {session} from '../app/session.js';
import {appendLines, say, setState} from '../app/status.js';
import {markPlaying} from '../app/track_list.js';
import * as media from './media_session.js';
import {contextAt, kSoundStartSeconds, runContext, soundOutput, suspendWhenSilent} from './output.js';
import {showBar, showWhere} from './player_bar.js';
import {startPlay} from './sound.js';

let engine = null;
// What plays: {index, at, played, paused, forever, sound, dragging}, or null.
let player = null;

export function usePlayerEngine(playerEngine) {
  engine = playerEngine;
}

export const isPlaying = () => player !== null;
const length = (index) => playLength(session.tracks[index], settings(), rate());
// Where the player stands, in samples of the track's play: played for ever, in the track.
const playerAt = () => (player.forever ? player.at : player.played);

function show() {
  const track = player ? session.tracks[player.index] : null;
  markPlaying(track, Boolean(player?.paused));
  showBar(player && {track, paused: Boolean(player.paused), length: length(player.index),
                     settings: settings()});
  if (player) showPosition();
}

function showPosition() {
  if (!player) return;
  const track = session.tracks[player.index], all = length(player.index), where = playerAt();
  showWhere(track, where, all, rate(), player.dragging);
  media.showPosition(where, all, rate());
}

export function stopPlaying(why) {
  if (!player) return;
  player.sound?.stop();
  player = null;
  suspendWhenSilent(() => !player || player.paused);
  show();
  if (why) say(why);
  media.showTrack(null);
}

// A track that can't play says so; a run that goes on meanwhile keeps its state and message.
function soundFailed(line) {
  stopPlaying();
  appendLines([line]);
  if (!session.run) setState('failed', `Failed: ${line}.`);
}

// Plays the tracks from tracks[index], sample `from` of its play, on; or holds there, paused.
export async function playFrom(index, from = 0, paused = false) {
  stopPlaying();
  if (!session.tracks[index]) return;
  let resumed, context;
  try {
    context = contextAt(rate(), volumeLevel());
    // Music, which Safari then plays on with the screen locked, and shows there.
    if (navigator.audioSession) navigator.audioSession.type = 'playback';
    resumed = runContext(true);
  } catch (error) {
    return soundFailed(`Can't play: ${error.message}`);
  }
  const mine = player = {index, at: from, played: from, paused, forever: settings().loops === Infinity};
  // The worklet's first word of where it plays: the context renders, and so sounds.
  const heard = new Promise((resolve) => { mine.heard = resolve; });
  show();
  media.showTrack(session.tracks[index], session.archive, paused);
  const timeout = new Promise((resolve) => setTimeout(resolve, kSoundStartSeconds * 1000, 'late'));
  const starting = (async () => {
    const sound = await startPlay(engine, session.archive, context,
                                  {tracks: session.tracks, settings: settings(), index, from});
    if (player !== mine) return sound.stop();
    mine.sound = sound;
    if (mine.paused) sound.pause(true);
    sound.onposition = ({at, played, index}) => {
      if (player !== mine) return;
      if (index !== mine.index) {
        // The next track: where a seek may start in it, found ahead.
        mine.index = index;
        sound.scan(index);
        show();
        media.showTrack(session.tracks[index], session.archive, mine.paused);
      }
      Object.assign(mine, {at, played});
      mine.heard();
      showPosition();
    };
    sound.onended = () => stopPlaying();
    sound.onfailed = soundFailed;
    sound.scan(index);
    await sound.ready;
    if (player !== mine) return;
    sound.node.connect(soundOutput.gain);
    await resumed;
    if (context.state !== 'running') return 'silent';
    // A context may say it runs and yet render nothing, as Firefox's does with no sound server.
    if (!mine.paused) await heard;
    return 'playing';
  })();
  try {
    const outcome = await Promise.race([starting, timeout]);
    if (player !== mine || outcome === 'playing' || outcome === undefined) return;
    soundFailed("Can't play: this browser gives the page no sound output");
  } catch (error) {
    if (player === mine) soundFailed(`Can't play: ${error.message ?? error}`);
  }
}

// The play starts again at sample `sample` of tracks[index].
export function seekTo(index, sample) {
  if (!player) return;
  sample = Math.max(0, Math.min(Math.round(sample), length(index) - 1));
  // Before the play has started, it starts again there.
  if (!player.sound) return playFrom(index, sample, player.paused);
  if (index !== player.index) player.sound.scan(index);
  Object.assign(player, {index, at: sample, played: sample});
  player.sound.seek(index, sample);
  show();
  media.showTrack(session.tracks[index], session.archive, player.paused);
}

// Seconds on (or, negative, back) from where the play stands.
export function seekBy(seconds) {
  if (player) seekTo(player.index, playerAt() + seconds * rate());
}
export function seekToSecond(seconds) {
  if (player) seekTo(player.index, seconds * rate());
}

// The next playable track, or the one before, from index.
function nextTrack(index, step) {
  for (let i = index + step; i >= 0 && i < session.tracks.length; i += step) {
    if (session.tracks[i].playable) return i;
  }
  return -1;
}
export function next() {
  const i = player ? nextTrack(player.index, 1) : -1;
  if (i >= 0) seekTo(i, 0);
}
// Back to the track's start, or within its first seconds, to the track before.
export function previous() {
  if (!player) return;
  const i = nextTrack(player.index, -1);
  seekTo(player.played > 3 * rate() || i < 0 ? player.index : i, 0);
}

// A pause holds the play in the worklet at once, and goes on from the very sample; the context,
// and with it the sound output, is suspended only once the pause has lasted, so that Space pressed
// twice asks nothing of the output.
export function pause() {
  if (!player) return playAll();
  if (!soundOutput.context) return;
  player.paused = !player.paused;
  player.sound?.pause(player.paused);
  // A play paused before it was first heard has nothing to be heard.
  if (player.paused) player.heard();
  if (player.paused) suspendWhenSilent(() => !player || player.paused);
  else runContext(true).catch(() => {});
  show();
  media.showPaused(player.paused);
}
export const isPaused = () => Boolean(player?.paused);

// Play all: from the first playable track, whatever plays.
export function playAll() {
  const first = nextTrack(-1, 1);
  if (first >= 0) playFrom(first);
}

// A row's name: its track on, or, where it plays, a pause or play on. Stopping is the pause's.
export function togglePlay(track) {
  if (player && session.tracks[player.index] === track) return pause();
  playFrom(session.tracks.indexOf(track));
}

// The settings changed: what plays goes on where it is, with them.
export function settingsChanged() {
  if (!player) return;
  playFrom(player.index, Math.min(playerAt(), length(player.index) - 1), player.paused);
}

// The seek bar, dragged and let go.
export function dragging() {
  if (player) player.dragging = true;
}
export function dropped(sample) {
  if (!player) return;
  player.dragging = false;
  seekTo(player.index, sample);
}

// Shows that nothing plays, as the page starts.
export function showIdle() {
  show();
}
