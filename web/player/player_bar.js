// The player bar's view: Play all or Stop, Pause or Resume, what plays and where, and the seek bar
// with the track's loop drawn on it. It stays at the window's foot, and the page keeps room for it.
import {time, trackName} from '../app/format.js';

const byId = (id) => document.getElementById(id);
const bar = byId('player'), seekBar = byId('seek'), pauseButton = byId('pause');

// The bar covers the window's foot: the page ends that much lower, and a control brought into
// view, by Tab or otherwise, stops above the bar, so that nothing stays under it.
new ResizeObserver(() => {
  document.body.style.paddingBottom = `calc(1rem + ${bar.offsetHeight}px)`;
  document.documentElement.style.scrollPaddingBottom = `${bar.offsetHeight}px`;
}).observe(bar);

// The bar for `shown`, {track, paused, length}, or null where nothing plays.
export function showBar(shown) {
  const playing = shown !== null;
  pauseButton.disabled = byId('next').disabled = byId('previous').disabled = seekBar.disabled = !playing;
  byId('play-all').textContent = playing ? 'Stop' : 'Play all';
  const paused = playing && shown.paused;
  pauseButton.textContent = paused ? 'Resume' : 'Pause';
  pauseButton.setAttribute('aria-pressed', String(paused));
  // With nothing to seek in, the bar takes one row less of a phone's screen.
  seekBar.parentElement.hidden = !playing;
  if (!playing) {
    byId('now').textContent = 'Nothing plays.';
    seekBar.value = 0;
    return;
  }
  const {track, length} = shown;
  seekBar.max = Math.max(length, 1);
  // The loop, START to END.
  const from = track.loops ? track.start / length * 100 : 0;
  const to = track.loops ? Math.min(track.end / length, 1) * 100 : 0;
  seekBar.parentElement.style.setProperty('--loop-from', `${from}%`);
  seekBar.parentElement.style.setProperty('--loop-to', `${to}%`);
}

// Where `track` plays: sample `where` of `length` at `rate`; dragging, the seek bar stays where
// the user holds it. Returns the text it shows.
export function showWhere(track, where, length, rate, dragging) {
  const text = `${time(where, rate)} / ${time(length, rate)}`;
  seekBar.setAttribute('aria-valuetext', text);
  byId('now').textContent = `${trackName(track)} · ${text}`;
  if (!dragging) seekBar.value = where;
  return text;
}
