// The page: the archive goes to a worker, which splits it, and the page shows what the worker
// says. It never waits on the split. Hooks that tests use: the first file input takes the
// archive; body's data-state is working, then done or failed; #log holds the log a line a line;
// #download-zip and #save-folder save (the latter asks window.showDirectoryPicker() for its
// folder when clicked); #rate is the sample rate.
'use strict';

const byId = (id) => document.getElementById(id);
const input = document.querySelector('input[type=file]');
const log = byId('log'), message = byId('message'), progress = byId('progress');
const table = byId('tracks'), rateChoice = byId('rate');
const saveButtons = [byId('save-folder'), byId('download-zip')];

// split-worker.js holds the worker's whole source as one function: a worker started from its
// text works from any server and from disk alike.
const workerSource =
    URL.createObjectURL(new Blob([`(${vorsplitWorker})()`], {type: 'text/javascript'}));

let archive = null, worker = null, tracks = [], zipUrl = null;

function setState(state, text) {
  document.body.dataset.state = state;
  message.textContent = text;
}

function appendLines(lines) {
  log.append(lines.join('\n') + '\n');
  log.scrollTop = log.scrollHeight;
}

function minutesAndSeconds(samples) {
  const seconds = Math.floor(samples / Number(rateChoice.value));
  return `${Math.floor(seconds / 60)}:${String(seconds % 60).padStart(2, '0')}`;
}

function showTracks() {
  const body = table.tBodies[0];
  body.replaceChildren();
  for (const track of tracks) {
    const row = body.insertRow();
    row.dataset.track = track.name.replace(/\.adpcm$/, '');
    const cells = [track.name, track.bytes.toLocaleString('en'), minutesAndSeconds(track.samples),
                   track.loops           ? `loops from sample ${track.start} to ${track.end}`
                   : !track.playable     ? 'nothing to play, no loop file'
                                         : 'plays once'];
    cells.forEach((text, i) => {
      const cell = row.insertCell();
      cell.textContent = text;
      if (i === 1 || i === 2) cell.className = 'number';
    });
  }
  table.hidden = tracks.length === 0;
}

function download(blob, name) {
  if (zipUrl) URL.revokeObjectURL(zipUrl);
  zipUrl = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = zipUrl;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
}

const doneText = {
  look: (n) => `${n} tracks. Save them to a folder, or download them as a zip.`,
  zip: (n, name) => `Downloaded ${name}: ${n} tracks, their loop files and the players' files.`,
  folder: (n) => `Saved ${n} tracks, their loop files and the players' files into the folder.`,
};

// Splits the chosen archive in a new worker: 'look' keeps nothing, 'zip' downloads a zip,
// 'folder' writes into folder.
function run(route, folder) {
  worker?.terminate();
  worker = new Worker(workerSource);
  const file = archive, zipName = `${file.name.replace(/\.[^.]*$/, '')}-tracks.zip`;
  log.textContent = '';
  tracks = [];
  showTracks();
  progress.max = Math.max(file.size, 1);
  progress.value = 0;
  setState('working', `Reading ${file.name}…`);
  worker.onmessage = ({data}) => {
    if (data.lines) appendLines(data.lines);
    if (data.track && data.track.bytes > 0) {
      tracks.push(data.track);
      showTracks();
    }
    if (data.progress !== undefined) progress.value = data.progress;
    if (data.failed) {
      appendLines([data.failed]);
      setState('failed', `Failed: ${data.failed}. The files finished before it are kept.`);
    }
    if (data.done) {
      progress.value = progress.max;
      if (route === 'zip') download(data.done.zip, zipName);
      setState('done', tracks.length ? doneText[route](tracks.length, zipName)
                                      : `${file.name} is too small to be an archive: it holds ` +
                                        'no whole block pair, so it has no tracks.');
    }
  };
  worker.onerror = (event) => {
    event.preventDefault();
    setState('failed', `Failed: the split stopped (${event.message}).`);
  };
  worker.postMessage({file, route, folder, zipName, rate: Number(rateChoice.value)});
}

function choose(file) {
  if (!file) return;
  archive = file;
  saveButtons.forEach((button) => { button.disabled = false; });
  run('look');
}

input.addEventListener('change', () => {
  choose(input.files[0]);
  input.value = '';  // so that choosing the same file again, changed or not, splits it again
});
const drop = byId('drop');
drop.addEventListener('dragover', (event) => {
  event.preventDefault();
  drop.classList.add('over');
});
drop.addEventListener('dragleave', () => drop.classList.remove('over'));
drop.addEventListener('drop', (event) => {
  event.preventDefault();
  drop.classList.remove('over');
  choose(event.dataTransfer.files[0]);
});

byId('download-zip').addEventListener('click', () => run('zip'));
byId('save-folder').addEventListener('click', async () => {
  const before = {state: document.body.dataset.state, text: message.textContent};
  setState('working', 'Choose a folder for the tracks…');
  let folder;
  try {
    folder = await window.showDirectoryPicker({mode: 'readwrite'});
  } catch (error) {
    if (error.name === 'AbortError') return setState(before.state, before.text);
    return setState('failed', `Failed: the folder can't be used (${error.message}).`);
  }
  run('folder', folder);
});
byId('save-folder').hidden = !window.showDirectoryPicker;
rateChoice.addEventListener('change', showTracks);
