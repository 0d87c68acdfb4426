// The player bar's view: one line at the window's foot, what plays and where, Play, Pause or
// Resume, and Next; More opens the rest above it: the seek bar with each pass of the loop and the
// fade drawn under it, the time played and left, Previous, the volume and the settings. The page
// keeps room for the bar below its end.
import {time, trackName} from '../app/format.js';

const byId = (id) => document.getElementById(id);
const bar = byId('player'), seekBar = byId('seek'), pauseButton = byId('pause');
const more = byId('more'), passes = byId('passes'), legend = byId('legend');

// The bar covers the window's foot: the page ends that much lower, and a control brought into
// view, by Tab or otherwise, stops above the bar, so that nothing stays under it. The room is
// made at the next frame: made at once, it may change the bar's own width (a scroll bar comes or
// goes), and so its height, within the same observation, which the browser reports as an error.
new ResizeObserver(() => requestAnimationFrame(() => {
  document.body.style.paddingBottom = `calc(1rem + ${bar.offsetHeight}px)`;
  document.documentElement.style.scrollPaddingBottom = `${bar.offsetHeight}px`;
})).observe(bar);

more.addEventListener('click', () => {
  const open = more.getAttribute('aria-expanded') !== 'true';
  more.setAttribute('aria-expanded', String(open));
  byId('player-more').hidden = !open;
});

// The spans of a play of `length` samples at settings {loops, fade}: each pass of track's loop,
// then its fade.
function drawPasses(track, length, {loops}) {
  const spans = [];
  if (track.loops) {
    const passLength = track.end - track.start;
    const count = Number.isFinite(loops) ? loops : 1;
    for (let pass = 0; pass < count; ++pass) {
      spans.push({from: track.start + pass * passLength, to: track.start + (pass + 1) * passLength});
    }
    if (spans.at(-1).to < length) spans.push({from: spans.at(-1).to, to: length, fade: true});
  }
  passes.replaceChildren(...spans.map(({from, to, fade}) => {
    const span = document.createElement('span');
    if (fade) span.className = 'fade';
    span.style.left = `${from / length * 100}%`;
    span.style.width = `${(Math.min(to, length) - from) / length * 100}%`;
    return span;
  }));
  const swatch = (fade) => `<span class="swatch${fade ? ' fade' : ''}"></span>`;
  legend.innerHTML = !track.loops ? 'Plays once, with no loop.'
      : !Number.isFinite(loops) ? `${swatch(false)} The loop, again and again.`
      : `${swatch(false)} The loop, ${loops === 1 ? 'once' : `${loops} times`}` +
        (spans.at(-1).fade ? `, then ${swatch(true)} the fade.` : '.');
}

// The bar for `shown`, {track, paused, length, settings}, or null where nothing plays.
export function showBar(shown) {
  const playing = shown !== null;
  byId('next').disabled = byId('previous').disabled = seekBar.disabled = !playing;
  const paused = playing && shown.paused;
  pauseButton.textContent = !playing ? 'Play' : paused ? 'Resume' : 'Pause';
  pauseButton.setAttribute('aria-pressed', String(paused));
  if (!playing) {
    byId('now').textContent = 'Nothing plays.';
    byId('elapsed').textContent = '0:00';
    byId('remaining').textContent = '−0:00';
    seekBar.value = 0;
    passes.replaceChildren();
    legend.textContent = '';
    return;
  }
  seekBar.max = Math.max(shown.length, 1);
  drawPasses(shown.track, Math.max(shown.length, 1), shown.settings);
}

// Where `track` plays: sample `where` of `length` at `rate`; dragging, the seek bar stays where
// the user holds it.
export function showWhere(track, where, length, rate, dragging) {
  const text = `${time(where, rate)} / ${time(length, rate)}`;
  seekBar.setAttribute('aria-valuetext', text);
  // BGM_NNN · m:ss / m:ss, which breaks, where it must, only before the time.
  const name = document.createElement('span'), at = document.createElement('span');
  name.textContent = `${trackName(track)} ·`;
  at.textContent = text;
  byId('now').replaceChildren(name, ' ', at);
  byId('elapsed').textContent = time(where, rate);
  byId('remaining').textContent = `−${time(Math.max(length - where, 0), rate)}`;
  if (!dragging) seekBar.value = where;
}
