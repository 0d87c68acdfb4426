// The splits and saves a user starts: the look that lists the tracks, the tracks as a zip or into
// a folder, and WAV files, each a run of the engine; and what each says at its end, where the
// user started it.
import {format, quality, rate, wavChoice} from './choices.js';
import {baseName, formatNames, plural, size, sizeBefore, trackNumber} from './format.js';
import {fileBytes, wavBytes} from './lengths.js';
import {session} from './session.js';
import {appendLines, clearLog, setState, showStatusAfter, startRun} from './status.js';
import {addRow, clearRows, rowOf} from './track_list.js';

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
  look: (n) => `${plural(n, 'track')}: play ${n === 1 ? 'it' : 'one'} by its name, or save ` +
               `${n === 1 ? 'it' : 'them'} below.`,
  zip: (n, name, took) => `Downloaded ${name}, ${took}: ${plural(n, 'track')} with ` +
                          `${n === 1 ? 'its' : 'their'} loop points, and the files that tell ` +
                          'players how to play them.',
  folder: (n, name, took) => `Saved ${plural(n, 'track')} into the folder, ${took}, with ` +
                             `${n === 1 ? 'its' : 'their'} loop points, and the files that tell ` +
                             'players how to play them.',
};

// Where a look finds no archive: no whole block pair, or frames no real archive has. What the
// tools would write for it the page still writes, where asked; it offers nothing of it.
function notAnArchive(file, count, frames) {
  if (!count) {
    return `${file.name} is not a music archive: it is smaller than one block of music ` +
           '(409,600 bytes), so it holds no tracks. Choose the game\'s music archive.';
  }
  if (frames.seen && frames.odd / frames.seen > 0.5) {
    return `${file.name} does not look like a music archive: ` +
           `${Math.round(frames.odd / frames.seen * 100)} % of it is not sound as the games ` +
           'store it (a filter above 4 or a shift above 12, which no real frame has). ' +
           'Choose the game\'s music archive.';
  }
  return null;
}

// Splits the chosen archive: 'look' keeps nothing and lists the tracks, 'zip' downloads a zip,
// 'folder' writes into folder.
export function split(engine, route, folder) {
  const file = session.archive, zipName = `${baseName(file.name)}-tracks.zip`;
  const looking = route === 'look';
  clearLog();
  showStatusAfter(looking ? byId('drop') : byId('save').querySelector('.save-list'));
  if (looking) {
    session.tracks = [];
    clearRows();
    // Saving is offered once the look has found what there is to save.
    byId('list').hidden = byId('player').hidden = byId('save').hidden = true;
  }
  const run = startRun(route, file.size, `Reading ${file.name}…`);
  let count = 0, frames = {seen: 0, odd: 0};
  run.start(engine, {type: 'split', file, route, folder, zipName, rate: rate()}, [], (data) => {
    if (data.frames) frames = data.frames;
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
      const wrong = notAnArchive(file, count, frames);
      if (looking && wrong) {
        session.tracks = [];
        clearRows();
        byId('list').hidden = byId('save').hidden = byId('player').hidden = true;
        return run.refuse(wrong);
      }
      if (looking) byId('save').hidden = false;
      run.done(doneText[route](count, zipName, run.took(data.done.bytes)));
      showSizes();
    }
  });
}

// What each format is for, said under its choice.
const formatHints = {
  wav: 'WAV plays everywhere, sample for sample as you hear it, and is the largest.',
  flac: 'FLAC keeps every sample, as WAV does, in about half the size; music players show its ' +
        'title, album and track number.',
  ogg: 'Ogg Vorbis is the smallest: at quality 6 and above it sounds as the original to most ' +
       'ears, and a higher quality is larger. Game engines and source ports read its loop ' +
       'points (LOOPSTART, LOOP_START).',
};

// Shows the chosen format: its name, what it is for, its buttons, and Vorbis's quality.
export function showFormat() {
  const chosen = format();
  for (const name of document.querySelectorAll('#save .format-name')) name.textContent = formatNames[chosen];
  byId('format-hint').textContent = formatHints[chosen];
  byId('quality-choice').hidden = chosen !== 'ogg';
  for (const actions of document.querySelectorAll('#save [data-format]')) {
    actions.hidden = actions.dataset.format !== chosen;
  }
  showSizes();
}

const playableTracks = () => session.tracks.filter((track) => track.playable);
// The tracks' count, by their numbers: the tags say "track n of total".
const trackTotal = () => Math.max(0, ...session.tracks.map((track) => trackNumber(track) + 1));

// The bytes of the files of which tracks in a format; exact for WAV, an estimate for the others.
export function filesBytes(chosen, which, settings) {
  const archive = session.archive?.name ?? '';
  return which.reduce((sum, track) =>
    sum + fileBytes(chosen, track, settings, rate(), archive, quality()), 0);
}
// How a save's size is said: exact, or about so much, and that it is estimated.
const sizeText = (chosen, bytes) => sizeBefore(chosen, bytes) + (chosen === 'wav' ? '' : ', estimated');

// What each save will make, before it is made.
export function showSizes() {
  const chosen = format();
  // The tracks' bytes; their loop files and the players' files add a few kilobytes.
  byId('size-tracks').textContent =
      `about ${size(session.tracks.reduce((sum, track) => sum + track.bytes, 0))}`;
  byId('size-wav').textContent = sizeText(chosen, filesBytes(chosen, playableTracks(), wavChoice()));
  byId('size-wav-loop').textContent =
      sizeText(chosen, filesBytes(chosen, playableTracks(), {...wavChoice(), marked: true}));
}

// Saves tracks as sound files in a format (wav, flac, ogg), as vgmstream renders their loop files
// with the settings (or, marked, once with the loop marked): into folder, as a zip, or, for
// route 'file', one track as its own download.
export function saveFiles(engine, chosen, route, folder, which = playableTracks(), marked = false) {
  const file = session.archive, kind = formatNames[chosen];
  // A track's two files have names of their own.
  const name = route === 'file'
      ? which[0].name.replace(/\.adpcm$/, marked ? `-loop.${chosen}` : `.${chosen}`)
      : `${baseName(file.name)}-${chosen}${marked ? '-loop' : ''}.zip`;
  const settings = marked ? {...wavChoice(), marked} : wavChoice();
  showStatusAfter(route === 'file' ? rowOf(which[0]) : byId('save').querySelector('.save-list'));
  // The run's progress counts the sound's WAV bytes, whatever the format.
  const total = which.reduce((sum, track) => sum + wavBytes(track, settings, rate(), file.name), 0);
  const what = which.length === 1 ? name : `${which.length} ${kind} files`;
  const run = startRun(route, total, chosen === 'wav' ? `Rendering ${what}, ${size(total)}…`
                                                       : `Encoding ${what} from ${size(total)} of sound…`);
  let count = 0;
  run.start(engine, {type: 'wav', file, tracks: which, route, folder, zipName: name, rate: rate(),
                     settings: marked ? {marked} : wavChoice(), format: chosen,
                     quality: quality(), total: trackTotal()}, [], (data) => {
    if (data.progress !== undefined) run.progress(data.progress);
    if (data.wav) ++count;
    if (data.failed) run.fail(data.failed);
    if (data.done) {
      if (route !== 'folder') download(data.done.zip, name);
      const took = run.took(data.done.bytes);
      run.done(route === 'folder' ? `Saved ${plural(count, `${kind} file`)} into the folder, ${took}.`
                                  : `Downloaded ${name}, ${took}.`);
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
