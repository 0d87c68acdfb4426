// The tracks, a line each: the track's name, which plays it, its length as it plays with the
// settings (its loops and fade, as the player counts it), and a mark where it loops; its menu
// holds its loop points, its size, and its two sound files in the chosen format, each with its
// size. The row that plays is marked, and kept in view above the player.
import {format, quality, rate, settings, wavChoice} from './choices.js';
import {size, sizeBefore, time, trackName} from './format.js';
import {fileBytes, playLength} from './lengths.js';
import {session} from './session.js';

const table = document.getElementById('tracks');
const rows = () => [...table.tBodies[0].rows].filter((row) => row.track);
// What a row's buttons do: {play(track), wav(track), wavLoop(track)}, set by the page.
export const rowActions = {};

function button(className, text, onClick, label = null) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = className;
  element.textContent = text;
  if (label) element.setAttribute('aria-label', label);
  element.addEventListener('click', onClick);
  return element;
}

// The texts of a row that follow the rate and the settings.
function showTexts(row) {
  const track = row.track, at = rate(), name = row.dataset.track;
  row.querySelector('td.length').textContent = time(playLength(track, settings(), at), at);
  const loop = row.querySelector('td.loop');
  loop.textContent = track.loops ? '↻' : '';
  loop.title = track.loops ? 'Loops' : '';
  loop.setAttribute('aria-label', track.loops ? 'loops' : 'plays once');
  row.querySelector('.loop-points').textContent =
      (track.loops ? `Loops from ${time(track.start, at, true)} to ${time(track.end, at, true)}.`
                   : track.playable ? 'Plays once, with no loop.' : 'Too short to play.') +
      ` Once through, ${time(track.samples, at)}; its file, ${size(track.bytes)}.`;
  const label = (button, file, what, bytes) => {
    const line = document.createElement('span');
    line.textContent = `${what} · ${bytes}`;
    button.replaceChildren(file, line);
  };
  const chosen = format(), archive = session.archive?.name ?? '';
  const bytes = (settings) => sizeBefore(chosen, fileBytes(chosen, track, settings, at, archive, quality()));
  label(row.querySelector('button.wav'), `${name}.${chosen}`, 'as you hear it', bytes(wavChoice()));
  label(row.querySelector('button.wav-loop'), `${name}-loop.${chosen}`, 'once, with its loop points',
        bytes({...wavChoice(), marked: true}));
}

// Opens or closes a row's menu; one is open at a time.
export function showMenu(row, open) {
  for (const other of rows()) {
    const mine = other === row && open;
    other.querySelector('.row-menu').hidden = !mine;
    other.querySelector('button.menu').setAttribute('aria-expanded', String(mine));
    if (mine) other.querySelector('.row-menu').scrollIntoView({block: 'nearest'});
  }
}

export function addRow(track) {
  const row = table.tBodies[0].insertRow();
  row.track = track;
  row.dataset.track = trackName(track);
  if (track.loops) row.dataset.loop = `${track.start} ${track.end}`;
  for (const className of ['name', 'length', 'loop', 'more']) row.insertCell().className = className;
  const name = row.dataset.track;
  const play = button('play', name, () => rowActions.play(track), `Play ${name}`);
  play.setAttribute('aria-pressed', 'false');
  row.cells[0].append(play);
  const menu = document.createElement('div');
  menu.className = 'row-menu';
  menu.hidden = true;
  const points = document.createElement('p');
  points.className = 'loop-points';
  // A choice closes the menu, and the focus goes back to its button.
  const chosen = (action) => () => {
    showMenu(row, false);
    row.querySelector('button.menu').focus();
    action(track);
  };
  const wav = button('wav', 'WAV', chosen((track) => rowActions.wav(track)));
  const marked = button('wav-loop', 'WAV with loop points', chosen((track) => rowActions.wavLoop(track)));
  if (track.playable) wav.dataset.playable = marked.dataset.playable = 'yes';
  // A row that comes during a run waits with the other controls that would start one.
  if (document.body.dataset.state === 'working') {
    for (const control of [wav, marked]) control.setAttribute('aria-disabled', 'true');
  }
  play.disabled = wav.disabled = marked.disabled = !track.playable;
  menu.append(points, wav, marked);
  const open = button('menu', '⋯', () => showMenu(row, menu.hidden), `More for ${name}`);
  open.setAttribute('aria-expanded', 'false');
  row.cells[3].append(open, menu);
  showTexts(row);
}

export function clearRows() {
  table.tBodies[0].replaceChildren();
}

export const rowOf = (track) => rows().find((row) => row.track === track);

// After a change of rate or settings.
export function refreshRows() {
  for (const row of rows()) showTexts(row);
}

// Marks the row of `playing` (a track, or null), paused or not, and brings it into view.
export function markPlaying(playing, paused) {
  for (const row of rows()) {
    const mine = row.track === playing;
    const was = row.classList.contains('playing');
    row.classList.toggle('playing', mine);
    if (mine) row.setAttribute('aria-current', 'true');
    else row.removeAttribute('aria-current');
    const play = row.querySelector('button.play');
    play.setAttribute('aria-pressed', String(mine && !paused));
    play.setAttribute('aria-label', `${mine ? (paused ? 'Resume' : 'Pause') : 'Play'} ${row.dataset.track}`);
    if (mine && !was) row.scrollIntoView({block: 'nearest'});
  }
}
