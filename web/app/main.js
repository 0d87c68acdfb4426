// The page: an archive chosen or dropped goes to the engine, which lists its tracks; the user saves
// them, or plays them. This file joins the parts, and gives the page's test hooks on window:
// tracks, the archive's tracks as the look found them; startSound(context, track, ahead) and
// startPlaylist(context, tracks, settings, ahead), plays into any audio context, an offline one
// too, resolving to {node, ready, stop}; mediaActions, the media session's actions; and
// soundOutput, the player's context, gain and suspendAfterSeconds; and engine, the page's engine,
// its script's Blob URL and how many workers it keeps. The other hooks are in the HTML: the first
// file input, body's data-state, and the ids of the controls.
import engineScript from 'bundles/engine_worker.txt';
import * as player from '../player/player.js';
import {listenForKeys} from '../player/keys.js';
import {takeActions} from '../player/media_session.js';
import {setVolume, soundOutput} from '../player/output.js';
import {startPlay} from '../player/sound.js';
import * as choices from './choices.js';
import {Engine} from './engine_bridge.js';
import {formatNames, size} from './format.js';
import {hasFolders, pickFolder, saveFiles, showFormat, showSizes, split} from './saving.js';
import {session} from './session.js';
import {mayAct, say, setState} from './status.js';
import {refreshRows, rowActions, showMenu} from './track_list.js';

const byId = (id) => document.getElementById(id);
const input = document.querySelector('input[type=file]');

// The engine's workers start from its script's text: from any server and from disk alike.
const engine = new Engine(URL.createObjectURL(new Blob([engineScript], {type: 'text/javascript'})));
player.usePlayerEngine(engine);

function choose(file) {
  if (!file) return;
  if (session.run) {
    say('A run is going on: cancel it first to choose another archive.');
    return;
  }
  player.stopPlaying();
  session.archive = file;
  byId('archive-name').textContent = `${file.name} · ${size(file.size)}`;
  byId('choose').textContent = 'Choose another archive';
  byId('choose').classList.remove('primary');
  split(engine, 'look');
}

input.addEventListener('change', () => {
  choose(input.files[0]);
  input.value = '';  // so that choosing the same file again, changed or not, splits it again
});
byId('choose').addEventListener('click', () => input.click());
// An archive dropped anywhere on the page is taken; without this, the browser would open it.
document.addEventListener('dragover', (event) => {
  event.preventDefault();
  document.body.classList.add('over');
});
document.addEventListener('dragleave', (event) => {
  if (!event.relatedTarget) document.body.classList.remove('over');
});
document.addEventListener('drop', (event) => {
  event.preventDefault();
  document.body.classList.remove('over');
  choose(event.dataTransfer.files[0]);
});

// A control that can't act while a run goes on ignores presses, and keeps the focus.
document.addEventListener('click', (event) => {
  const control = event.target.closest?.('button, select');
  if (control && !mayAct(control)) {
    event.preventDefault();
    event.stopImmediatePropagation();
  }
}, true);
// A row's menu closes with Escape, back on its button, or with a click elsewhere.
document.addEventListener('keydown', (event) => {
  const open = document.querySelector('.row-menu:not([hidden])');
  if (event.key !== 'Escape' || !open) return;
  showMenu(null, false);
  open.closest('tr').querySelector('button.menu').focus();
});
document.addEventListener('click', (event) => {
  if (!event.target.closest?.('td.more')) showMenu(null, false);
});

// Saving.
byId('cancel').addEventListener('click', () => session.run?.cancel());
byId('download-zip').addEventListener('click', () => split(engine, 'zip'));
byId('save-folder').addEventListener('click', async () => {
  const folder = await pickFolder('tracks');
  if (folder) split(engine, 'folder', folder);
});
// Each format's saves, those of the chosen format shown; a row's two files are of that format.
for (const chosen of Object.keys(formatNames)) {
  byId(`save-${chosen}-zip`).addEventListener('click', () => saveFiles(engine, chosen, 'zip'));
  byId(`save-${chosen}-folder`).addEventListener('click', async () => {
    const folder = await pickFolder(`${formatNames[chosen]} files`);
    if (folder) saveFiles(engine, chosen, 'folder', folder);
  });
  byId(`save-${chosen}-loop-zip`).addEventListener('click',
      () => saveFiles(engine, chosen, 'zip', null, undefined, true));
}
byId('save-folder').hidden = !hasFolders;
for (const button of document.querySelectorAll('#save button.folder')) button.hidden = !hasFolders;
Object.assign(rowActions, {
  play: player.togglePlay,
  wav: (track) => saveFiles(engine, choices.format(), 'file', null, [track]),
  wavLoop: (track) => saveFiles(engine, choices.format(), 'file', null, [track], true),
});

// The choices, kept for the next visit; what plays goes on with them, but a new rate stops it.
// While a run goes on, the rate stays: the run's files are made at it.
choices.restore();
let rateBefore = byId('rate').value;
byId('rate').addEventListener('change', () => {
  if (!mayAct(byId('rate'))) {
    byId('rate').value = rateBefore;
    return say('The sample rate can change once this has ended.');
  }
  rateBefore = byId('rate').value;
  player.stopPlaying(player.isPlaying() ? 'Stopped playing: the sample rate changed.' : undefined);
  refreshRows();
  showSizes();
  choices.keep();
});
for (const id of ['loops', 'fade']) {
  byId(id).addEventListener('change', () => {
    if (!choices.takeFade()) return;
    refreshRows();
    showSizes();
    choices.keep();
    player.settingsChanged();
  });
}
for (const id of ['format', 'quality']) {
  byId(id).addEventListener('change', () => {
    showFormat();
    refreshRows();
    choices.keep();
  });
}
byId('volume').addEventListener('input', () => {
  setVolume(choices.volumeLevel());
  choices.keep();
});

// The player's controls, keys and media session.
const seekBar = byId('seek');
byId('play-all').addEventListener('click', player.playAll);
byId('pause').addEventListener('click', player.pause);
byId('next').addEventListener('click', player.next);
byId('previous').addEventListener('click', player.previous);
seekBar.addEventListener('input', player.dragging);
seekBar.addEventListener('change', () => player.dropped(Number(seekBar.value)));
listenForKeys({
  playOrPause: () => (player.isPlaying() ? player.pause() : byId('play-all').click()),
  seekBy: (seconds) => player.isPlaying() && (player.seekBy(seconds), true),
  next: player.next, previous: player.previous, seekBar,
});
const mediaActions = {
  play: () => (player.isPlaying() ? player.isPaused() && player.pause() : byId('play-all').click()),
  pause: () => player.isPlaying() && !player.isPaused() && player.pause(),
  nexttrack: player.next,
  previoustrack: player.previous,
  seekto: ({seekTime}) => player.seekToSecond(seekTime),
  seekforward: ({seekOffset = 10}) => player.seekBy(seekOffset),
  seekbackward: ({seekOffset = 10}) => player.seekBy(-seekOffset),
};
takeActions(mediaActions);
player.showIdle();
showFormat();
setState('idle', byId('message').textContent);

// The test hooks.
Object.defineProperty(window, 'tracks', {get: () => session.tracks});
Object.assign(window, {
  engine, mediaActions, soundOutput,
  startSound: (context, track, ahead) =>
      startPlay(engine, session.archive, context, {tracks: [track], settings: {loops: Infinity, fade: 0}, ahead}),
  startPlaylist: (context, tracks, settings, ahead = 4) =>
      startPlay(engine, session.archive, context, {tracks, settings, ahead}),
});
