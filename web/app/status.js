// What the page says and lets act: body's data-state (idle, working, done, failed, cancelled),
// the message, a run's progress and Cancel, and the log; while a run goes on, nothing else starts
// one, which would end it.
import {Run} from './runs.js';
import {session} from './session.js';

const byId = (id) => document.getElementById(id);
const message = byId('message'), progress = byId('progress'), figures = byId('figures');
const log = byId('log');

export function setState(state, text) {
  document.body.dataset.state = state;
  message.textContent = text;
  const busy = state === 'working';
  byId('cancel').hidden = !session.run;
  for (const control of [byId('choose'), document.querySelector('input[type=file]'), byId('rate'),
                         ...document.querySelectorAll('#save button, button.wav, button.wav-loop')]) {
    control.disabled = busy ||
                       (control.matches('button.wav, button.wav-loop') && !control.dataset.playable) ||
                       (control.closest('#save') && !session.archive);
  }
  const playable = session.tracks.some((track) => track.playable);
  if (!playable) {
    for (const id of ['save-wav-zip', 'save-wav-folder', 'save-wav-loop-zip']) byId(id).disabled = true;
  }
  byId('play-all').disabled = (busy && !session.tracks.length) || !playable;
}

// A word that changes no state, as the player's.
export function say(text) {
  message.textContent = text;
}

export function appendLines(lines) {
  byId('log-section').hidden = false;
  log.append(lines.join('\n') + '\n');
  log.scrollTop = log.scrollHeight;
}

export function clearLog() {
  log.textContent = '';
}

// Starts a run of `total` bytes, saying `working` meanwhile; the run before, if any, ends.
export function startRun(route, total, working) {
  session.run?.stop();
  const run = new Run(route, total, {
    state(state, text, line) {
      if (session.run === run) session.run = null;
      if (state === 'done') progress.value = progress.max;
      if (line) appendLines([line]);
      setState(state, text);
    },
    progress(done, text) {
      progress.value = done;
      if (text !== null) figures.textContent = text;
    },
  });
  session.run = run;
  progress.max = Math.max(total, 1);
  progress.value = 0;
  byId('progress-row').hidden = false;
  figures.textContent = '';
  setState('working', working);
  return run;
}
