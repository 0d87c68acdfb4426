// The track table: a row for each track the look finds, with its size, length and loop, its Play,
// and its WAV files; the row that plays is marked, and shows where it plays.
import {rate, wavChoice} from './choices.js';
import {size, time, trackName} from './format.js';
import {wavBytes} from './lengths.js';

const table = document.getElementById('tracks');
const rows = () => table.tBodies[0].rows;
// What a row's buttons do: {play(track), wav(track), wavLoop(track)}, set by the page.
export const rowActions = {};

function button(className, text, label, onClick) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = className;
  element.textContent = text;
  element.setAttribute('aria-label', label);
  element.addEventListener('click', onClick);
  return element;
}

// The texts of a row that follow the rate and the settings.
function showTexts(track, row) {
  const at = rate();
  row.cells[1].textContent = size(track.bytes);
  row.cells[2].textContent = time(track.samples, at);
  row.cells[3].textContent = track.loops ? `loops ${time(track.start, at, true)} to ${time(track.end, at, true)}`
                             : track.playable ? 'plays once' : 'nothing to play';
  if (track.loops) row.cells[3].dataset.loop = `${track.start} ${track.end}`;
  row.querySelector('button.wav').title = track.playable ? size(wavBytes(track, wavChoice(), at)) : '';
  row.querySelector('button.wav-loop').title =
      track.playable ? size(wavBytes(track, {...wavChoice(), marked: true}, at)) : '';
}

export function addRow(track) {
  const row = table.tBodies[0].insertRow();
  row.track = track;
  row.dataset.track = trackName(track);
  for (const className of ['name', 'number', 'number', 'loop', 'listen', 'wav-cell']) {
    row.insertCell().className = className;
  }
  row.cells[0].textContent = track.name;
  const name = row.dataset.track;
  const play = button('play', 'Play', `Play ${name}`, () => rowActions.play(track));
  play.setAttribute('aria-pressed', 'false');
  const position = document.createElement('span');
  position.className = 'position';
  row.cells[4].append(play, position);
  const wav = button('wav', 'WAV', `Save ${name}.wav`, () => rowActions.wav(track));
  const marked = button('wav-loop', 'Loop WAV', `Loop WAV: save ${name}.wav once, its loop marked`,
                        () => rowActions.wavLoop(track));
  if (track.playable) wav.dataset.playable = marked.dataset.playable = 'yes';
  row.cells[5].append(wav, ' ', marked);
  play.disabled = wav.disabled = marked.disabled = !track.playable;
  showTexts(track, row);
}

export function clearRows() {
  table.tBodies[0].replaceChildren();
}

// After a change of rate or settings.
export function refreshRows() {
  for (const row of rows()) showTexts(row.track, row);
}

// Marks the row of `playing` (a track, or null) and its Play as Stop.
export function markPlaying(playing) {
  for (const row of rows()) {
    const mine = row.track === playing;
    row.classList.toggle('playing', mine);
    if (mine) row.setAttribute('aria-current', 'true');
    else row.removeAttribute('aria-current');
    const play = row.querySelector('button.play');
    play.textContent = mine ? 'Stop' : 'Play';
    play.setAttribute('aria-pressed', String(mine));
    play.setAttribute('aria-label', `${mine ? 'Stop' : 'Play'} ${row.dataset.track}`);
    if (!mine) row.querySelector('.position').textContent = '';
  }
}

// Where the row of track plays, as text.
export function showRowPosition(track, text) {
  const row = [...rows()].find((row) => row.track === track);
  if (row) row.querySelector('.position').textContent = text;
}
