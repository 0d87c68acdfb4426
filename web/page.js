// The page: the archive goes to a worker, which splits it, and the page shows what the worker
// says. It never waits on the split. Hooks that tests use: the first file input takes the
// archive; body's data-state is working, then done or failed; #log holds the log a line a line;
// #download-zip and #save-folder save (the latter asks window.showDirectoryPicker() for its
// folder when clicked); #save-wav-zip and #save-wav-folder save the tracks as WAV files; #rate is
// the sample rate; each row of #tracks has data-track="BGM_NNN", a button.play and a button.wav.
// startSound(context, track, ahead) plays a track into any audio context, an offline one too.
'use strict';

const byId = (id) => document.getElementById(id);
const input = document.querySelector('input[type=file]');
const log = byId('log'), message = byId('message'), progress = byId('progress');
const table = byId('tracks'), rateChoice = byId('rate');
const saveButtons = [byId('save-folder'), byId('download-zip')];
const wavButtons = [byId('save-wav-folder'), byId('save-wav-zip')];

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
    const name = row.dataset.track;
    const play = button('play', 'Play', `Play ${name}`, () => togglePlay(track, row));
    play.setAttribute('aria-pressed', 'false');
    const position = document.createElement('span');
    position.className = 'position';
    const listen = row.insertCell();
    listen.className = 'listen';
    listen.append(play, ' ', position);
    row.insertCell().append(button('wav', 'WAV', `Save ${name}.wav`,
                                   () => saveWav('file', null, [track])));
    play.disabled = row.cells[5].firstChild.disabled = !track.playable;
  }
  table.hidden = tracks.length === 0;
}

function button(className, text, label, onClick) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = className;
  element.textContent = text;
  element.setAttribute('aria-label', label);
  element.addEventListener('click', onClick);
  return element;
}

// What a worker's uncaught error does: the run says it failed, and never that it is done.
function stopped(what) {
  return (event) => {
    event.preventDefault();
    setState('failed', `Failed: ${what} stopped (${event.message}).`);
  };
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
  stopPlaying();
  worker?.terminate();
  worker = new Worker(workerSource);
  const file = archive, zipName = `${file.name.replace(/\.[^.]*$/, '')}-tracks.zip`;
  log.textContent = '';
  tracks = [];
  showTracks();
  progress.max = Math.max(file.size, 1);
  progress.value = 0;
  setState('working', `Reading ${file.name}…`);
  wavButtons.forEach((button) => { button.disabled = true; });
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
      const none = !tracks.some((track) => track.playable);
      wavButtons.forEach((button) => { button.disabled = none; });
      setState('done', tracks.length ? doneText[route](tracks.length, zipName)
                                      : `${file.name} is too small to be an archive: it holds ` +
                                        'no whole block pair, so it has no tracks.');
    }
  };
  worker.onerror = stopped('the split');
  worker.postMessage({file, route, folder, zipName, rate: Number(rateChoice.value)});
}

function choose(file) {
  if (!file) return;
  archive = file;
  saveButtons.forEach((button) => { button.disabled = false; });
  run('look');
}

// Saves tracks as WAV files, as vgmstream renders their loop files: into folder, as a zip, or,
// for route 'file', one track as its own download.
function saveWav(route, folder, which = tracks.filter((track) => track.playable)) {
  worker?.terminate();
  worker = new Worker(workerSource);
  const file = archive, rate = Number(rateChoice.value);
  const name = route === 'file' ? which[0].name.replace(/\.adpcm$/, '.wav')
                                : `${file.name.replace(/\.[^.]*$/, '')}-wav.zip`;
  progress.max = which.length;
  progress.value = 0;
  setState('working', `Rendering ${which.length === 1 ? name : `${which.length} WAV files`}…`);
  worker.onmessage = ({data}) => {
    if (data.wav) progress.value += 1;
    if (data.failed) {
      appendLines([data.failed]);
      setState('failed', `Failed: ${data.failed}. The WAV files finished before it are kept.`);
    }
    if (data.done) {
      if (route !== 'folder') download(data.done.zip, name);
      setState('done', route === 'folder' ? `Saved ${which.length} WAV files into the folder.`
                                          : `Downloaded ${name}.`);
    }
  };
  worker.onerror = stopped('the rendering');
  worker.postMessage({wav: true, file, tracks: which, route, folder, zipName: name, rate});
}

// The page's audio: one context at the chosen rate, and the worklet that plays what a worker
// decodes. The worklet takes {source, ahead}, a port to the worker that sends it slices of two
// channels, {left, right, at}, and {end}; it answers the worker {took} for each slice played,
// and the page {ready} once it holds `ahead` slices or the whole track, {at} ten times a second
// with the track's sample it plays, and {ended} after the last.
function trackProcessor() {
  registerProcessor('track', class extends AudioWorkletProcessor {
    constructor() {
      super();
      this.slices = [];
      this.used = 0;
      this.ended = this.ready = false;
      this.untilReport = 0;
      this.port.onmessage = ({data}) => {
        ({source: this.source, ahead: this.ahead} = data);
        this.source.onmessage = ({data}) => {
          if (data.end) this.ended = true;
          else this.slices.push(data);
          if (!this.ready && (this.ended || this.slices.length >= this.ahead)) {
            this.ready = true;
            this.port.postMessage({ready: true});
          }
        };
      };
    }
    process(inputs, [[left, right]]) {
      for (let filled = 0; filled < left.length && this.slices.length;) {
        const slice = this.slices[0];
        const count = Math.min(left.length - filled, slice.left.length - this.used);
        left.set(slice.left.subarray(this.used, this.used + count), filled);
        right.set(slice.right.subarray(this.used, this.used + count), filled);
        filled += count;
        this.used += count;
        this.at = slice.at + this.used;
        if (this.used === slice.left.length) {
          this.slices.shift();
          this.used = 0;
          this.source.postMessage({took: true});
        }
      }
      if ((this.untilReport -= left.length) <= 0 && this.at !== undefined) {
        this.untilReport = sampleRate / 10;
        this.port.postMessage({at: this.at});
      }
      if (this.ended && !this.slices.length) {
        this.port.postMessage({ended: true});
        return false;
      }
      return true;
    }
  });
}
const processorSource =
    URL.createObjectURL(new Blob([`(${trackProcessor})()`], {type: 'text/javascript'}));
const contextsWithWorklet = new WeakSet();

// Plays track from the archive into context, through the worklet, with `ahead` slices decoded
// before it plays: resolves to {node, ready, stop}; node, once ready, goes to the speakers.
async function startSound(context, track, ahead) {
  if (!contextsWithWorklet.has(context)) {
    await context.audioWorklet.addModule(processorSource);
    contextsWithWorklet.add(context);
  }
  const node = new AudioWorkletNode(context, 'track', {numberOfInputs: 0,
                                                       outputChannelCount: [2]});
  const channel = new MessageChannel(), soundWorker = new Worker(workerSource);
  const sound = {node, stop: () => {
    soundWorker.terminate();
    node.disconnect();
    node.port.onmessage = null;
  }};
  sound.ready = new Promise((resolve) => {
    node.port.onmessage = ({data}) => {
      if (data.ready) resolve();
      if (data.at !== undefined) sound.onposition?.(data.at);
      if (data.ended) sound.onended?.();
    };
  });
  soundWorker.onmessage = ({data}) => { if (data.failed) sound.onfailed?.(data.failed); };
  soundWorker.onerror = (event) => {
    event.preventDefault();
    sound.onfailed?.(`Can't go on: ${event.message}`);
  };
  node.port.postMessage({source: channel.port1, ahead}, [channel.port1]);
  soundWorker.postMessage({play: {file: archive, track, rate: context.sampleRate, ahead},
                           port: channel.port2}, [channel.port2]);
  return sound;
}

let audio = null, playing = null;

function stopPlaying() {
  if (!playing) return;
  playing.sound?.stop();
  const play = playing.row.querySelector('button.play');
  play.textContent = 'Play';
  play.setAttribute('aria-pressed', 'false');
  play.setAttribute('aria-label', `Play ${playing.row.dataset.track}`);
  playing.row.querySelector('.position').textContent = '';
  playing = null;
}

// A looping track plays its intro, then its loop until it is stopped; another plays once.
async function togglePlay(track, row) {
  const again = playing?.track === track;
  stopPlaying();
  if (again) return;
  const rate = Number(rateChoice.value);
  if (audio?.sampleRate !== rate) {
    audio?.close();
    audio = new AudioContext({sampleRate: rate});
  }
  const mine = playing = {track, row};
  const play = row.querySelector('button.play'), position = row.querySelector('.position');
  play.textContent = 'Stop';
  play.setAttribute('aria-pressed', 'true');
  play.setAttribute('aria-label', `Stop ${row.dataset.track}`);
  const length = minutesAndSeconds(track.loops ? track.end : track.samples);
  const sound = await startSound(audio, track, 4);
  if (playing !== mine) return sound.stop();
  mine.sound = sound;
  sound.onposition = (at) => { position.textContent = `${minutesAndSeconds(at)} / ${length}`; };
  sound.onended = stopPlaying;
  sound.onfailed = (line) => {
    stopPlaying();
    appendLines([line]);
    setState('failed', `Failed: ${line}.`);
  };
  await sound.ready;
  if (playing !== mine) return;
  sound.node.connect(audio.destination);
  await audio.resume();
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
// The folder a user picks, or null where none is picked.
async function pickFolder(text) {
  const before = {state: document.body.dataset.state, text: message.textContent};
  setState('working', text);
  try {
    return await window.showDirectoryPicker({mode: 'readwrite'});
  } catch (error) {
    if (error.name === 'AbortError') setState(before.state, before.text);
    else setState('failed', `Failed: the folder can't be used (${error.message}).`);
    return null;
  }
}
byId('save-folder').addEventListener('click', async () => {
  const folder = await pickFolder('Choose a folder for the tracks…');
  if (folder) run('folder', folder);
});
byId('save-folder').hidden = byId('save-wav-folder').hidden = !window.showDirectoryPicker;
rateChoice.addEventListener('change', () => {
  stopPlaying();
  showTracks();
});
byId('save-wav-zip').addEventListener('click', () => saveWav('zip'));
byId('save-wav-folder').addEventListener('click', async () => {
  const folder = await pickFolder('Choose a folder for the WAV files…');
  if (folder) saveWav('folder', folder);
});
