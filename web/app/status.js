// What the page says and lets act: body's data-state (idle, working, done, failed, cancelled),
// the message, a run's progress and Cancel, shown where the user acted, and the log. While a run
// goes on, nothing else starts one, which would end it: its controls say so (aria-disabled) and
// ignore presses, and keep the focus.
import {size} from './format.js';
import {Run} from './runs.js';
import {session} from './session.js';

const byId = (id) => document.getElementById(id);
const status = byId('status'), message = byId('message'), progress = byId('progress');
const figures = byId('figures'), log = byId('log');

// The controls that start a run.
const runControls = () => [byId('choose'), byId('rate'), byId('format'), byId('quality'),
                           ...document.querySelectorAll('.save-list button, button.wav, button.wav-loop')];

export function setState(state, text) {
  document.body.dataset.state = state;
  message.textContent = text;
  const busy = state === 'working';
  byId('cancel').hidden = !session.run;
  for (const control of runControls()) {
    if (busy) control.setAttribute('aria-disabled', 'true');
    else control.removeAttribute('aria-disabled');
  }
  document.querySelector('input[type=file]').disabled = busy;
  const playable = session.tracks.some((track) => track.playable);
  for (const control of [...document.querySelectorAll('#save [data-format] button'), byId('play-all')]) {
    control.disabled = !playable;
  }
}

// Whether control may act now; one that may not ignores the press.
export const mayAct = (control) => control.getAttribute('aria-disabled') !== 'true';

// A word that changes no state, as the player's.
export function say(text) {
  message.textContent = text;
}

export function appendLines(lines) {
  byId('details').hidden = false;
  log.append(lines.join('\n') + '\n');
  log.scrollTop = log.scrollHeight;
}

export function clearLog() {
  log.textContent = '';
}

// Shows what runs, and how it ends, after `place`, where the user acted: an element, or a track's
// row, after which a row of its own holds it.
export function showStatusAfter(place) {
  const holder = status.closest('tr.status-row');
  if (place.tagName === 'TR') {
    if (holder && holder.previousElementSibling === place) return;
    const row = document.createElement('tr');
    row.className = 'status-row';
    const cell = row.insertCell();
    cell.colSpan = place.cells.length;
    place.after(row);
    cell.append(status);
  } else if (status.previousElementSibling !== place) {
    place.after(status);
  }
  if (holder && !holder.contains(status)) holder.remove();
}

// Starts a run of `total` bytes, saying `working` meanwhile; the run before, if any, ends. done(text)
// is said with the bytes made and the time taken.
export function startRun(route, total, working) {
  session.run?.stop();
  const started = performance.now(), starter = document.activeElement;
  const run = new Run(route, total, {
    state(state, text, line) {
      if (session.run === run) session.run = null;
      // The focus goes back from Cancel, which goes, to the control that started the run. A
      // control that the run hid (a save's, when the new file is no archive) can't hold it: some
      // engines leave it on that control until the next frame, others have moved it to the body.
      const lost = (element) => !element || element === document.body || !element.isConnected ||
                                element.closest('[hidden]');
      const focused = document.activeElement;
      if (focused === byId('cancel') || lost(focused)) {
        (lost(starter) ? byId('choose') : starter).focus();
      }
      if (line) appendLines([line]);
      // The outcome says what was made, and how long it took: no figures of the run stay.
      byId('progress-row').hidden = true;
      figures.textContent = '';
      setState(state, text);
    },
    progress(done, text) {
      progress.value = done;
      figures.textContent = text;
    },
  });
  run.took = (bytes) => `${size(bytes)} in ${((performance.now() - started) / 1000).toFixed(1)} s`;
  session.run = run;
  progress.max = Math.max(total, 1);
  progress.value = 0;
  byId('progress-row').hidden = false;
  figures.textContent = '';
  setState('working', working);
  return run;
}
