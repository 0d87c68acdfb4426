// The page: the archive goes to workers, which split it, and the page shows what they say. It
// never waits on them. Hooks that tests use: the first file input takes the archive; body's
// data-state is working, then done, failed or cancelled; #log holds the log a line a line;
// #download-zip and #save-folder save (the latter asks window.showDirectoryPicker() for its
// folder when clicked, and is hidden where there is none); #save-wav-zip and #save-wav-folder
// save the tracks as WAV files; #cancel ends a run; #rate is the sample rate; each row of #tracks
// has data-track="BGM_NNN", a button.play and a button.wav. startSound(context, track, ahead)
// plays a track into any audio context, an offline one too.
'use strict';

const byId = (id) => document.getElementById(id);
const input = document.querySelector('input[type=file]');
const log = byId('log'), message = byId('message'), progress = byId('progress');
const figures = byId('figures'), cancelButton = byId('cancel'), table = byId('tracks');
const rateChoice = byId('rate'), archiveName = byId('archive-name');
const hasFolders = typeof window.showDirectoryPicker === 'function';

// split-worker.js holds the workers' whole sources as functions: workers started from their text
// work from any server and from disk alike. The page starts every worker itself and joins them
// with message channels: WebKit, from disk, refuses a worker started inside a worker.
const sourceOf = (fn) => URL.createObjectURL(new Blob([`(${fn})()`], {type: 'text/javascript'}));
const sources = {split: sourceOf(vorsplitWorker), reader: sourceOf(readerWorker)};
// Opened from disk, WebKit lets no worker read a chosen File, only the page: there the page reads
// the archive itself, a chunk ahead, as the reader's worker does elsewhere.
const readsInPage = location.protocol === 'file:';

let archive = null, tracks = [], zipUrl = null, current = null;

function setState(state, text) {
  document.body.dataset.state = state;
  message.textContent = text;
  const busy = state === 'working';
  cancelButton.hidden = !current;
  // While a run goes on, nothing else starts one, which would end it.
  for (const control of [byId('choose'), input, rateChoice, ...document.querySelectorAll(
           '#save button, button.wav')]) {
    control.disabled = busy || (control.matches('button.wav') && !control.dataset.playable) ||
                       (control.closest('#save') && !archive);
  }
  if (!tracks.some((track) => track.playable)) {
    byId('save-wav-zip').disabled = byId('save-wav-folder').disabled = true;
  }
}

function appendLines(lines) {
  byId('log-section').hidden = false;
  log.append(lines.join('\n') + '\n');
  log.scrollTop = log.scrollHeight;
}

// 32.3 MB: three figures, in the units of 1000 that people read sizes in.
function size(bytes) {
  const units = ['bytes', 'kB', 'MB', 'GB', 'TB'];
  let unit = 0;
  for (; bytes >= 1000 && unit < units.length - 1; ++unit) bytes /= 1000;
  if (unit === 0) return `${bytes} ${bytes === 1 ? 'byte' : 'bytes'}`;
  return `${bytes.toFixed(bytes < 10 ? 2 : bytes < 100 ? 1 : 0)} ${units[unit]}`;
}
const plural = (n, word) => `${n} ${word}${n === 1 ? '' : 's'}`;
const rate = () => Number(rateChoice.value);

// m:ss, or with exact, m:ss.sss.
function time(samples, exact = false) {
  const seconds = samples / rate(), minutes = Math.floor(seconds / 60);
  const rest = exact ? (Math.floor((seconds - minutes * 60) * 1000) / 1000).toFixed(3).padStart(6, '0')
                     : String(Math.floor(seconds - minutes * 60)).padStart(2, '0');
  return `${minutes}:${rest}`;
}

// The samples a track's WAV file holds, as vgmstream renders its loop file: the loop twice and
// ten seconds of fade, or the whole track once.
function wavSamples(track) {
  return track.loops ? track.start + 2 * (track.end - track.start) + 10 * rate()
                     : Math.floor(track.bytes / 32) * 28;
}
const wavBytes = (track) => 44 + 4 * wavSamples(track);

function trackTexts(track, row) {
  row.cells[1].textContent = size(track.bytes);
  row.cells[2].textContent = time(track.samples);
  row.cells[3].textContent = track.loops ? `loops ${time(track.start, true)} to ${time(track.end, true)}`
                             : track.playable ? 'plays once' : 'nothing to play';
  if (track.loops) row.cells[3].dataset.loop = `${track.start} ${track.end}`;
  row.querySelector('button.wav').title = track.playable ? `${size(wavBytes(track))}` : '';
}

function addRow(track) {
  const row = table.tBodies[0].insertRow();
  row.dataset.track = track.name.replace(/\.adpcm$/, '');
  ['name', 'number', 'number', 'loop', 'listen', 'wav-cell'].forEach((className, i) => {
    row.insertCell().className = className;
  });
  row.cells[0].textContent = track.name;
  const name = row.dataset.track;
  const play = button('play', 'Play', `Play ${name}`, () => togglePlay(track, row));
  play.setAttribute('aria-pressed', 'false');
  const position = document.createElement('span');
  position.className = 'position';
  row.cells[4].append(play, position);
  const wav = button('wav', 'WAV', `Save ${name}.wav`, () => saveWav('file', null, [track]));
  if (track.playable) wav.dataset.playable = 'yes';
  row.cells[5].append(wav);
  play.disabled = wav.disabled = !track.playable;
  trackTexts(track, row);
  byId('list').hidden = false;
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

// What a run keeps where it stops before its end, for the route it took.
const keptText = {
  look: '', zip: ' No zip was made.', file: ' No file was saved.',
  folder: ' The files finished before it stay in the folder.',
};

// One run of workers: the splitter, and the archive's reader.
// It ends once, done, failed or cancelled, and every way it can fail ends it: a worker that
// can't start or stops on an error, a message that can't be sent, a promise rejected.
class Run {
  constructor(route, {total, working}) {
    current?.end();
    current = this;
    this.route = route;
    this.total = total;
    this.started = performance.now();
    this.workers = [];
    this.ended = false;
    progress.max = Math.max(total, 1);
    progress.value = 0;
    byId('progress-row').hidden = false;
    figures.textContent = '';
    setState('working', working);
    try {
      this.splitter = this.start(sources.split, 'the split');
      this.peers = {reader: startReader((source) => this.start(source, 'the reader'))};
    } catch (error) {
      this.fail(`Can't go on: ${error.message ?? error}`);
    }
  }
  start(source, what) {
    const worker = new Worker(source);
    this.workers.push(worker);
    worker.onerror = (event) => {
      event.preventDefault();
      this.fail(`Can't go on: ${what} stopped (${event.message || 'it could not start'})`);
    };
    return worker;
  }
  send(request, onMessage) {
    if (this.ended) return;
    const failing = (fn) => (...args) => {
      if (this.ended) return;
      try {
        fn(...args);
      } catch (error) {
        this.fail(`Can't go on: ${error.message ?? error}`);
      }
    };
    failing(() => {
      connect(this.splitter, this.peers, failing(onMessage));
      this.splitter.postMessage(request);
    })();
  }
  progress(done) {
    progress.value = done;
    const now = performance.now();
    if (now - (this.shown ?? 0) < 250 && done < this.total) return;
    this.shown = now;
    const seconds = (now - this.started) / 1000, perSecond = done / Math.max(seconds, 0.001);
    const left = (this.total - done) / Math.max(perSecond, 1);
    figures.textContent = `${size(done)} of ${size(this.total)} · ${size(perSecond)}/s` +
                          (done < this.total && seconds > 0.5 ? ` · ${Math.ceil(left)} s left` : '');
  }
  end() {
    this.ended = true;
    for (const worker of this.workers) worker.terminate();
    if (current === this) current = null;
  }
  done(text) {
    if (this.ended) return;
    this.end();
    progress.value = progress.max;
    setState('done', text);
  }
  fail(line) {
    if (this.ended) return;
    this.end();
    appendLines([line]);
    setState('failed', `Failed: ${line}.${keptText[this.route]}`);
  }
  cancel() {
    if (this.ended) return;
    this.end();
    setState('cancelled', `Cancelled.${keptText[this.route]}`);
  }
}

// Joins worker, the splitter or a track's sound, to its peers through the page: what one sends
// the other, {to, message, transfer}, the page posts on, its buffers moved. Firefox moves a buffer
// between a worker and the page at once, and copies one across a MessagePort, some hundred times
// slower.
function connect(worker, peers, onMessage) {
  worker.onmessage = ({data}) => {
    if (data.to) peers[data.to].postMessage({message: data.message}, data.transfer);
    else onMessage(data);
  };
  for (const [name, peer] of Object.entries(peers)) {
    peer.onmessage = ({data}) => worker.postMessage({from: name, message: data.message},
                                                    data.transfer);
  }
}

// A reader of the archive: a worker that start(source) starts, or, where only the page can read
// the File, the page itself, answering as the worker would.
function startReader(start) {
  if (!readsInPage) return start(sources.reader);
  const peer = {};
  const port = {postMessage: (message, transfer = []) => peer.onmessage({data: {message, transfer}})};
  serveFile(port);
  peer.postMessage = (data) => port.onmessage({data: data.message});
  return peer;
}

const doneText = {
  look: (n) => `${plural(n, 'track')}. Download them as a zip${hasFolders ? ', or save them to a folder' : ''}.`,
  zip: (n, name) => `Downloaded ${name}: ${plural(n, 'track')}, their loop files and the players' files.`,
  folder: (n) => `Saved ${plural(n, 'track')}, their loop files and the players' files into the folder.`,
};
const baseName = (file) => file.name.replace(/\.[^.]*$/, '');

// Splits the chosen archive: 'look' keeps nothing and lists the tracks, 'zip' downloads a zip,
// 'folder' writes into folder.
function split(route, folder) {
  const file = archive, zipName = `${baseName(file)}-tracks.zip`;
  const looking = route === 'look';
  log.textContent = '';
  if (looking) {
    tracks = [];
    table.tBodies[0].replaceChildren();
    byId('list').hidden = true;
  }
  const run = new Run(route, {total: file.size, working: `Reading ${file.name}…`});
  let count = 0;
  run.send({file, route, folder, zipName, rate: rate()}, (data) => {
    if (data.lines) appendLines(data.lines);
    if (data.track && data.track.bytes > 0) {
      ++count;
      if (looking) {
        // A track ends before the next begins: its sound reads no further.
        if (tracks.length) tracks.at(-1).until = data.track.pair;
        tracks.push(data.track);
        addRow(data.track);
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

function choose(file) {
  if (!file) return;
  if (current) {
    message.textContent = 'A run is going on: cancel it first to choose another archive.';
    return;
  }
  stopPlaying();
  archive = file;
  archiveName.textContent = `${file.name} · ${size(file.size)}`;
  byId('choose').textContent = 'Choose another archive';
  byId('choose').classList.remove('primary');
  byId('save').hidden = false;
  split('look');
}

function showWavSize() {
  const playable = tracks.filter((track) => track.playable);
  const bytes = playable.reduce((sum, track) => sum + wavBytes(track), 0);
  byId('save-wav-zip').textContent = `Download WAV files as a zip (${size(bytes)})`;
  byId('save-wav-folder').textContent = `Save WAV files to a folder (${size(bytes)})`;
}

// Saves tracks as WAV files, as vgmstream renders their loop files: into folder, as a zip, or,
// for route 'file', one track as its own download.
function saveWav(route, folder, which = tracks.filter((track) => track.playable)) {
  const file = archive;
  const name = route === 'file' ? which[0].name.replace(/\.adpcm$/, '.wav') : `${baseName(file)}-wav.zip`;
  const total = which.reduce((sum, track) => sum + wavBytes(track), 0);
  const run = new Run(route, {total, working: `Rendering ${which.length === 1 ? name : `${which.length} WAV files`}, ${size(total)}…`});
  let count = 0;
  run.send({wav: true, file, tracks: which, route, folder, zipName: name, rate: rate()}, (data) => {
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
const processorSource = sourceOf(trackProcessor);
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
  const channel = new MessageChannel(), soundWorker = new Worker(sources.split);
  let readingWorker = null;
  const reader = startReader((source) => (readingWorker = new Worker(source)));
  const sound = {node, stop: () => {
    soundWorker.terminate();
    readingWorker?.terminate();
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
  connect(soundWorker, {reader}, (data) => { if (data.failed) sound.onfailed?.(data.failed); });
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

// A track that can't play says so; a run that goes on meanwhile keeps its state and message.
function soundFailed(line) {
  stopPlaying();
  appendLines([line]);
  if (!current) setState('failed', `Failed: ${line}.`);
}

// Where sound can't start (no output device, or a browser that refuses it), the page says so
// within this many seconds of the click.
const kSoundStartSeconds = 4;

// A looping track plays its intro, then its loop until it is stopped; another plays once.
async function togglePlay(track, row) {
  const again = playing?.track === track;
  stopPlaying();
  if (again) return;
  const mine = playing = {track, row};
  const play = row.querySelector('button.play'), position = row.querySelector('.position');
  play.textContent = 'Stop';
  play.setAttribute('aria-pressed', 'true');
  play.setAttribute('aria-label', `Stop ${row.dataset.track}`);
  const length = time(track.loops ? track.end : track.samples);
  let resumed;
  try {
    if (audio?.sampleRate !== rate()) {
      audio?.close();
      audio = new AudioContext({sampleRate: rate()});
    }
    // Within the click itself, which some browsers ask of a sound's start.
    resumed = audio.resume();
  } catch (error) {
    return soundFailed(`Can't play: ${error.message}`);
  }
  const timeout = new Promise((resolve) => setTimeout(resolve, kSoundStartSeconds * 1000, 'late'));
  const starting = (async () => {
    const sound = await startSound(audio, track, 4);
    if (playing !== mine) return sound.stop();
    mine.sound = sound;
    sound.onposition = (at) => { position.textContent = `${time(at)} / ${length}`; };
    sound.onended = stopPlaying;
    sound.onfailed = soundFailed;
    await sound.ready;
    if (playing !== mine) return;
    sound.node.connect(audio.destination);
    await resumed;
    return audio.state === 'running' ? 'playing' : 'silent';
  })();
  try {
    const outcome = await Promise.race([starting, timeout]);
    if (playing !== mine || outcome === 'playing' || outcome === undefined) return;
    soundFailed("Can't play: this browser gives the page no sound output");
  } catch (error) {
    if (playing === mine) soundFailed(`Can't play: ${error.message ?? error}`);
  }
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

cancelButton.addEventListener('click', () => current?.cancel());
byId('download-zip').addEventListener('click', () => split('zip'));
// The folder a user picks, or null where none is picked. The page waits on the user meanwhile.
async function pickFolder(what) {
  const before = {state: document.body.dataset.state, text: message.textContent};
  setState('working', `Choose a folder for the ${what}…`);
  try {
    return await window.showDirectoryPicker({mode: 'readwrite'});
  } catch (error) {
    if (error.name === 'AbortError') setState(before.state, before.text);
    else setState('failed', `Failed: the folder can't be used (${error.message}).`);
    return null;
  }
}
byId('save-folder').addEventListener('click', async () => {
  const folder = await pickFolder('tracks');
  if (folder) split('folder', folder);
});
byId('save-folder').hidden = byId('save-wav-folder').hidden = !hasFolders;
rateChoice.addEventListener('change', () => {
  stopPlaying();
  tracks.forEach((track, i) => trackTexts(track, table.tBodies[0].rows[i]));
  showWavSize();
});
byId('save-wav-zip').addEventListener('click', () => saveWav('zip'));
byId('save-wav-folder').addEventListener('click', async () => {
  const folder = await pickFolder('WAV files');
  if (folder) saveWav('folder', folder);
});
setState('idle', message.textContent);
