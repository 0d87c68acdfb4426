// The splits and saves a user starts: the look that lists the tracks, the tracks as a zip or into
// a folder, and WAV files, each a run of the engine; and what each says at its end.
import {rate, wavChoice} from './choices.js';
import {baseName, plural, size} from './format.js';
import {wavBytes} from './lengths.js';
import {session} from './session.js';
import {appendLines, clearLog, setState, startRun} from './status.js';
import {addRow, clearRows} from './track_list.js';

const byId = (id) => document.getElementById(id);
export const hasFolders = typeof window.showDirectoryPicker === 'function';
let downloadUrl = null;

function download(blob, name) {
  if (downloadUrl) URL.revokeObjectURL(downloadUrl);
  downloadUrl = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = downloadUrl;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
}

const doneText = {
  look: (n) => `${plural(n, 'track')}. Download them as a zip${hasFolders ? ', or save them to a folder' : ''}.`,
  zip: (n, name) => `Downloaded ${name}: ${plural(n, 'track')}, their loop files and the players' files.`,
  folder: (n) => `Saved ${plural(n, 'track')}, their loop files and the players' files into the folder.`,
};

// Splits the chosen archive: 'look' keeps nothing and lists the tracks, 'zip' downloads a zip,
// 'folder' writes into folder.
export function split(engine, route, folder) {
  const file = session.archive, zipName = `${baseName(file.name)}-tracks.zip`;
  const looking = route === 'look';
  clearLog();
  if (looking) {
    session.tracks = [];
    clearRows();
    byId('list').hidden = byId('player').hidden = true;
  }
  const run = startRun(route, file.size, `Reading ${file.name}…`);
  let count = 0;
  run.start(engine, {type: 'split', file, route, folder, zipName, rate: rate()}, [], (data) => {
    if (data.lines) appendLines(data.lines);
    if (data.track && data.track.bytes > 0) {
      ++count;
      if (looking) {
        // A track ends before the next begins: its sound reads no further.
        if (session.tracks.length) session.tracks.at(-1).until = data.track.pair;
        session.tracks.push(data.track);
        addRow(data.track);
        byId('list').hidden = byId('player').hidden = false;
      }
    }
    if (data.progress !== undefined) run.progress(data.progress);
    if (data.failed) run.fail(data.failed);
    if (data.done) {
      if (route === 'zip') download(data.done.zip, zipName);
      run.done(count ? doneText[route](count, zipName)
                     : `${file.name} is too small to be an archive: it holds no whole block pair, so it has no tracks.`);
      showWavSize();
    }
  });
}

export function showWavSize() {
  const playable = session.tracks.filter((track) => track.playable), at = rate();
  const total = (settings) => playable.reduce((sum, track) => sum + wavBytes(track, settings, at), 0);
  const bytes = total(wavChoice()), marked = total({...wavChoice(), marked: true});
  byId('save-wav-zip').textContent = `Download WAV files as a zip (${size(bytes)})`;
  byId('save-wav-folder').textContent = `Save WAV files to a folder (${size(bytes)})`;
  byId('save-wav-loop-zip').textContent = `Download WAV files once, loops marked (${size(marked)})`;
}

// Saves tracks as WAV files, as vgmstream renders their loop files with the settings (or,
// marked, once with the loop marked): into folder, as a zip, or, for route 'file', one track as
// its own download.
export function saveWav(engine, route, folder,
                        which = session.tracks.filter((track) => track.playable), marked = false) {
  const file = session.archive;
  const name = route === 'file' ? which[0].name.replace(/\.adpcm$/, '.wav')
                                : `${baseName(file.name)}-wav${marked ? '-loop' : ''}.zip`;
  const settings = marked ? {...wavChoice(), marked} : wavChoice();
  const total = which.reduce((sum, track) => sum + wavBytes(track, settings, rate()), 0);
  const run = startRun(route, total, `Rendering ${which.length === 1 ? name : `${which.length} WAV files`}, ${size(total)}…`);
  let count = 0;
  run.start(engine, {type: 'wav', file, tracks: which, route, folder, zipName: name, rate: rate(),
                     settings: marked ? {marked} : wavChoice()}, [], (data) => {
    if (data.progress !== undefined) run.progress(data.progress);
    if (data.wav) ++count;
    if (data.failed) run.fail(data.failed);
    if (data.done) {
      if (route !== 'folder') download(data.done.zip, name);
      run.done(route === 'folder' ? `Saved ${plural(count, 'WAV file')} into the folder.`
                                  : `Downloaded ${name}.`);
    }
  });
}

// The folder a user picks, or null where none is picked. The page waits on the user meanwhile.
export async function pickFolder(what) {
  const before = {state: document.body.dataset.state, text: byId('message').textContent};
  setState('working', `Choose a folder for the ${what}…`);
  try {
    return await window.showDirectoryPicker({mode: 'readwrite'});
  } catch (error) {
    if (error.name === 'AbortError') setState(before.state, before.text);
    else setState('failed', `Failed: the folder can't be used (${error.message}).`);
    return null;
  }
}
