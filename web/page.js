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
           '#save button, button.wav, button.wav-loop')]) {
    control.disabled = busy || (control.matches('button.wav, button.wav-loop') &&
                                !control.dataset.playable) ||
                       (control.closest('#save') && !archive);
  }
  if (!tracks.some((track) => track.playable)) {
    for (const id of ['save-wav-zip', 'save-wav-folder', 'save-wav-loop-zip']) {
      byId(id).disabled = true;
    }
  }
  byId('play-all').disabled = busy && !tracks.length || !tracks.some((track) => track.playable);
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

// The samples a track's WAV file holds, as vgmstream renders its loop file with settings: the
// loop `loops` times and `fade` seconds of fade, or the whole track once (and so, marked).
function wavSamples(track, {loops, fade, marked} = wavSettings()) {
  return track.loops && !marked ? track.start + loops * (track.end - track.start) + fade * rate()
                                : Math.floor(track.bytes / 32) * 28;
}
// Its size: a marked file of a looping track says where the loop lies, in 68 bytes more.
const wavBytes = (track, marked = false) =>
  44 + (marked && track.loops ? 68 : 0) + 4 * wavSamples(track, {...wavSettings(), marked});

function trackTexts(track, row) {
  row.cells[1].textContent = size(track.bytes);
  row.cells[2].textContent = time(track.samples);
  row.cells[3].textContent = track.loops ? `loops ${time(track.start, true)} to ${time(track.end, true)}`
                             : track.playable ? 'plays once' : 'nothing to play';
  if (track.loops) row.cells[3].dataset.loop = `${track.start} ${track.end}`;
  row.querySelector('button.wav').title = track.playable ? `${size(wavBytes(track))}` : '';
  row.querySelector('button.wav-loop').title = track.playable ? `${size(wavBytes(track, true))}` : '';
}

function addRow(track) {
  const row = table.tBodies[0].insertRow();
  row.track = track;
  row.dataset.track = track.name.replace(/\.adpcm$/, '');
  ['name', 'number', 'number', 'loop', 'listen', 'wav-cell'].forEach((className, i) => {
    row.insertCell().className = className;
  });
  row.cells[0].textContent = track.name;
  const name = row.dataset.track;
  const play = button('play', 'Play', `Play ${name}`, () => togglePlay(track));
  play.setAttribute('aria-pressed', 'false');
  const position = document.createElement('span');
  position.className = 'position';
  row.cells[4].append(play, position);
  const wav = button('wav', 'WAV', `Save ${name}.wav`, () => saveWav('file', null, [track]));
  const marked = button('wav-loop', 'Loop WAV', `Loop WAV: save ${name}.wav once, its loop marked`,
                        () => saveWav('file', null, [track], true));
  if (track.playable) wav.dataset.playable = marked.dataset.playable = 'yes';
  row.cells[5].append(wav, ' ', marked);
  play.disabled = wav.disabled = marked.disabled = !track.playable;
  trackTexts(track, row);
  byId('list').hidden = byId('player').hidden = false;
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
    byId('list').hidden = byId('player').hidden = true;
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
  const marked = playable.reduce((sum, track) => sum + wavBytes(track, true), 0);
  byId('save-wav-zip').textContent = `Download WAV files as a zip (${size(bytes)})`;
  byId('save-wav-folder').textContent = `Save WAV files to a folder (${size(bytes)})`;
  byId('save-wav-loop-zip').textContent =
      `Download WAV files once, loops marked (${size(marked)})`;
}

// Saves tracks as WAV files, as vgmstream renders their loop files with the settings (or,
// marked, once with the loop marked): into folder, as a zip, or, for route 'file', one track as
// its own download.
function saveWav(route, folder, which = tracks.filter((track) => track.playable), marked = false) {
  const file = archive;
  const name = route === 'file' ? which[0].name.replace(/\.adpcm$/, '.wav')
                                : `${baseName(file)}-wav${marked ? '-loop' : ''}.zip`;
  const total = which.reduce((sum, track) => sum + wavBytes(track, marked), 0);
  const run = new Run(route, {total, working: `Rendering ${which.length === 1 ? name : `${which.length} WAV files`}, ${size(total)}…`});
  let count = 0;
  run.send({wav: true, file, tracks: which, route, folder, zipName: name, rate: rate(),
            settings: marked ? {marked} : wavSettings()}, (data) => {
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
// channels, {left, right, at, played, index, generation}, {flush, generation} after a seek, and
// {end}; and {paused}, which holds the play where it stands, in silence. It answers the worker
// {took, generation} for each slice played, and the page {ready: generation} once it holds
// `ahead` slices or the whole play, ten times a second and as soon as a seek sounds {at, played,
// index, generation, time}: the track it plays, the sample of the track and of its play, the
// context's time as it renders that; and {ended} after the last.
function trackProcessor() {
  registerProcessor('track', class extends AudioWorkletProcessor {
    constructor() {
      super();
      this.slices = [];
      this.used = 0;
      this.generation = 0;
      this.ended = this.ready = false;
      this.untilReport = 0;
      this.paused = false;
      this.port.onmessage = ({data}) => {
        if ('paused' in data) {
          this.paused = data.paused;
          return;
        }
        ({source: this.source, ahead: this.ahead} = data);
        this.source.onmessage = ({data}) => {
          if (data.flush) {
            this.slices = [];
            this.used = 0;
            this.generation = data.generation;
            this.ready = this.ended = false;
            this.now = null;
            // Where the play stands after a seek is told as soon as it sounds.
            this.untilReport = 0;
            return;
          }
          if (data.generation !== this.generation) return;
          if (data.end) this.ended = true;
          else this.slices.push(data);
          if (!this.ready && (this.ended || this.slices.length >= this.ahead)) {
            this.ready = true;
            this.port.postMessage({ready: this.generation});
          }
        };
      };
    }
    process(inputs, [[left, right]]) {
      if (this.paused) return true;
      for (let filled = 0; filled < left.length && this.slices.length;) {
        const slice = this.slices[0];
        const count = Math.min(left.length - filled, slice.left.length - this.used);
        left.set(slice.left.subarray(this.used, this.used + count), filled);
        right.set(slice.right.subarray(this.used, this.used + count), filled);
        filled += count;
        this.used += count;
        this.now = {at: slice.at + this.used, played: slice.played + this.used, index: slice.index,
                    generation: this.generation};
        if (this.used === slice.left.length) {
          this.slices.shift();
          this.used = 0;
          this.source.postMessage({took: true, generation: this.generation});
        }
      }
      if ((this.untilReport -= left.length) <= 0 && this.now) {
        this.untilReport = sampleRate / 10;
        this.port.postMessage({...this.now, time: currentTime});
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

// Plays tracks from the archive into context, through the worklet, with `ahead` slices decoded
// before it plays: tracks[index] from sample `from` of its play on, then the rest, each as
// vgmstream renders it with settings. Resolves to {node, ready, stop, seek(index, sample),
// pause(paused)}; node, once ready, goes to the speakers.
async function startPlay(context, {tracks, settings, index = 0, from = 0, ahead = 4}) {
  if (!contextsWithWorklet.has(context)) {
    await context.audioWorklet.addModule(processorSource);
    contextsWithWorklet.add(context);
  }
  const node = new AudioWorkletNode(context, 'track', {numberOfInputs: 0,
                                                       outputChannelCount: [2]});
  const channel = new MessageChannel(), soundWorker = new Worker(sources.split);
  const others = [];
  const reader = startReader((source) => {
    others.push(new Worker(source));
    return others.at(-1);
  });
  const sound = {node, stop: () => {
    soundWorker.terminate();
    for (const worker of others) worker.terminate();
    node.disconnect();
    node.port.onmessage = null;
  }, pause: (paused) => node.port.postMessage({paused})};
  // A seek resolves once the worklet holds what plays from there.
  let seeks = 0, seeking = null;
  sound.seek = (index, sample) => new Promise((resolve) => {
    seeking = {generation: ++seeks, resolve};
    soundWorker.postMessage({seek: {index, sample, generation: seeks}});
  });
  sound.ready = new Promise((resolve) => {
    node.port.onmessage = ({data}) => {
      // The first play is ready, or a seek's that came before it was.
      if ('ready' in data) resolve();
      if ('ready' in data && data.ready === seeking?.generation) seeking.resolve();
      // Where the play before the last seek stood is no news.
      if (data.at !== undefined && data.generation === seeks) sound.onposition?.(data);
      if (data.ended) sound.onended?.();
    };
  });
  const failed = (line) => sound.onfailed?.(line);
  connect(soundWorker, {reader}, (data) => { if (data.failed) failed(data.failed); });
  soundWorker.onerror = (event) => {
    event.preventDefault();
    failed(`Can't go on: ${event.message}`);
  };
  // Where a play may start in a track, found ahead by a worker of its own: a seek there starts
  // at once.
  // Resolves once the play has what the scan found.
  sound.scan = (index) => new Promise((resolve) => {
    const scanner = new Worker(sources.split);
    others.push(scanner);
    const scanReader = startReader((source) => {
      others.push(new Worker(source));
      return others.at(-1);
    });
    connect(scanner, {reader: scanReader}, (data) => {
      if (data.marks) soundWorker.postMessage({marks: {index, marks: data.marks}});
      if (data.marks || data.failed) {
        // A play of many tracks scans each: its workers go once it is done.
        scanner.terminate();
        scanReader.terminate?.();
        resolve();
      }
    });
    scanner.postMessage({scan: {file: archive, track: tracks[index], rate: context.sampleRate,
                                settings}});
  });
  node.port.postMessage({source: channel.port1, ahead}, [channel.port1]);
  soundWorker.postMessage({play: {file: archive, tracks, rate: context.sampleRate, ahead, settings,
                                  index, from},
                           port: channel.port2}, [channel.port2]);
  return sound;
}

// Plays one track into context, its loop for ever: resolves to {node, ready, stop}.
function startSound(context, track, ahead) {
  return startPlay(context, {tracks: [track], settings: {loops: Infinity, fade: 0}, ahead});
}

// Plays tracks one after the other into context, each as vgmstream renders it with settings
// {loops, fade} (loops Infinity: the first for ever), `ahead` slices decoded before it plays:
// resolves to {node, ready, stop}.
function startPlaylist(context, tracks, settings, ahead = 4) {
  return startPlay(context, {tracks, settings, ahead});
}

// The settings of plays and WAV files, and the rate, kept for the next visit.
const loopsChoice = byId('loops'), fadeChoice = byId('fade'), volume = byId('volume');
function settings() {
  const loops = loopsChoice.value === 'for ever' ? Infinity : Number(loopsChoice.value);
  const fade = Math.min(30, Math.max(0, Math.round(Number(fadeChoice.value) || 0)));
  return {loops, fade};
}
// WAV files can't last for ever: they take two loops then.
const wavSettings = () => ({...settings(), loops: Number.isFinite(settings().loops) ? settings().loops : 2});
function keepSettings() {
  try {
    localStorage.setItem('vorsplit', JSON.stringify({rate: rateChoice.value, loops: loopsChoice.value,
                                                     fade: fadeChoice.value, volume: volume.value}));
  } catch {}
}
try {
  const kept = JSON.parse(localStorage.getItem('vorsplit') ?? '{}');
  if ([...rateChoice.options].some((o) => o.value === kept.rate)) rateChoice.value = kept.rate;
  if ([...loopsChoice.options].some((o) => o.value === kept.loops)) loopsChoice.value = kept.loops;
  if (kept.fade !== undefined) fadeChoice.value = kept.fade;
  if (kept.volume !== undefined) volume.value = kept.volume;
} catch {}

// The player: one play at a time, of the tracks from one on.
let audio = null, gain = null, player = null;
// Each context's last suspend or resume. WebKitGTK waits on its sound output for each on the
// page's own thread, and with no sound device was seen waiting there for ever, in a resume that
// came right after a suspend: so one change at a time, each after the one before, none that
// would change nothing, and none for a short pause (pause()). One that has not ended within
// seconds (a context the browser does not let start, or no sound output) holds up no other, so
// that a later click can still start the sound.
const contextChanges = new WeakMap();
function runContext(running) {
  const context = audio, before = contextChanges.get(context);
  const change = () => {
    if (context.state === 'closed' || (context.state === 'running') === running) return;
    return running ? context.resume() : context.suspend();
  };
  // Where none is under way, asked for at once: within the click, which some browsers ask of a
  // sound's start.
  const changed = before ?
      Promise.race([before, new Promise((resolve) => setTimeout(resolve, kSoundStartSeconds * 1000))])
          .then(change) :
      Promise.resolve(change());
  const mine = changed.catch(() => {}).finally(() => {
    if (contextChanges.get(context) === mine) contextChanges.delete(context);
  });
  contextChanges.set(context, mine);
  return changed;
}
const playerBar = byId('player'), seekBar = byId('seek'), pauseButton = byId('pause');
// The bar covers the window's foot: the page ends that much lower, and a control brought into
// view, by Tab or otherwise, stops above the bar, so that nothing stays under it.
new ResizeObserver(() => {
  document.body.style.paddingBottom = `calc(1rem + ${playerBar.offsetHeight}px)`;
  document.documentElement.style.scrollPaddingBottom = `${playerBar.offsetHeight}px`;
}).observe(playerBar);

// The samples of a track's play, with the settings: for ever, its loop's end.
function playLength(track) {
  if (!track.loops) return Math.floor(track.bytes / 32) * 28;
  return Number.isFinite(settings().loops) ? wavSamples(track, settings()) : track.end;
}

function showPlayer() {
  const playing = player !== null;
  pauseButton.disabled = byId('next').disabled = byId('previous').disabled = seekBar.disabled =
      !playing;
  byId('play-all').textContent = playing ? 'Stop' : 'Play all';
  // Paused by the user, also while a play starts.
  const paused = playing && Boolean(player.paused);
  pauseButton.textContent = paused ? 'Resume' : 'Pause';
  pauseButton.setAttribute('aria-pressed', String(paused));
  for (const row of table.tBodies[0].rows) {
    const mine = playing && tracks[player.index] === row.track;
    row.classList.toggle('playing', mine);
    if (mine) row.setAttribute('aria-current', 'true');
    else row.removeAttribute('aria-current');
    const play = row.querySelector('button.play');
    play.textContent = mine ? 'Stop' : 'Play';
    play.setAttribute('aria-pressed', String(mine));
    play.setAttribute('aria-label', `${mine ? 'Stop' : 'Play'} ${row.dataset.track}`);
    if (!mine) row.querySelector('.position').textContent = '';
  }
  // With nothing to seek in, the bar takes one row less of a phone's screen.
  seekBar.parentElement.hidden = !playing;
  if (!playing) {
    byId('now').textContent = 'Nothing plays.';
    seekBar.value = 0;
    return;
  }
  const track = tracks[player.index], length = playLength(track);
  seekBar.max = Math.max(length, 1);
  // The loop, START to END, drawn on the seek bar.
  const from = track.loops ? track.start / length * 100 : 0;
  const to = track.loops ? Math.min(track.end / length, 1) * 100 : 0;
  seekBar.parentElement.style.setProperty('--loop-from', `${from}%`);
  seekBar.parentElement.style.setProperty('--loop-to', `${to}%`);
  showPosition();
}

// Where the player stands, in samples of the track's play: played for ever, in the track.
const playerAt = () => (player.forever ? player.at : player.played);

function showPosition() {
  if (!player) return;
  const track = tracks[player.index], length = playLength(track), where = playerAt();
  const text = `${time(where)} / ${time(length)}`;
  seekBar.setAttribute('aria-valuetext', text);
  byId('now').textContent = `${track.name.replace(/\.adpcm$/, '')} · ${text}`;
  const row = table.tBodies[0].rows[tracks.indexOf(track)];
  if (row) row.querySelector('.position').textContent = text;
  if (!player.dragging) seekBar.value = where;
  try {
    navigator.mediaSession.setPositionState({duration: length / rate(), playbackRate: 1,
                                             position: Math.min(where, length) / rate()});
  } catch {}
}

function stopPlaying(why) {
  if (!player) return;
  player.sound?.stop();
  player = null;
  suspendWhenSilent();
  showPlayer();
  if (why) message.textContent = why;
  try {
    navigator.mediaSession.playbackState = 'none';
  } catch {}
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

// Plays the tracks from tracks[index], sample `from` of its play, on; or holds there, paused.
async function playFrom(index, from = 0, paused = false) {
  stopPlaying();
  if (!tracks[index]) return;
  let resumed;
  try {
    if (audio?.sampleRate !== rate()) {
      audio?.close();
      audio = new AudioContext({sampleRate: rate()});
      gain = audio.createGain();
      gain.connect(audio.destination);
      gain.gain.value = Number(volume.value);
    }
    // Music, which Safari then plays on with the screen locked, and shows there.
    if (navigator.audioSession) navigator.audioSession.type = 'playback';
    resumed = runContext(true);
  } catch (error) {
    return soundFailed(`Can't play: ${error.message}`);
  }
  const mine = player = {index, at: from, played: from, paused,
                         forever: settings().loops === Infinity};
  showPlayer();
  showTrack();
  const timeout = new Promise((resolve) => setTimeout(resolve, kSoundStartSeconds * 1000, 'late'));
  const starting = (async () => {
    const sound = await startPlay(audio, {tracks, settings: settings(), index, from});
    if (player !== mine) return sound.stop();
    mine.sound = sound;
    if (mine.paused) sound.pause(true);
    sound.onposition = ({at, played, index}) => {
      if (player !== mine) return;
      if (index !== mine.index) {
        // The next track: where a seek may start in it, found ahead.
        mine.index = index;
        sound.scan(index);
        showPlayer();
        showTrack();
      }
      Object.assign(mine, {at, played});
      showPosition();
    };
    sound.onended = () => stopPlaying();
    sound.onfailed = soundFailed;
    sound.scan(index);
    await sound.ready;
    if (player !== mine) return;
    sound.node.connect(gain);
    await resumed;
    return audio.state === 'running' ? 'playing' : 'silent';
  })();
  try {
    const outcome = await Promise.race([starting, timeout]);
    if (player !== mine || outcome === 'playing' || outcome === undefined) return;
    soundFailed("Can't play: this browser gives the page no sound output");
  } catch (error) {
    if (player === mine) soundFailed(`Can't play: ${error.message ?? error}`);
  }
}

// The play starts again at sample `sample` of tracks[index].
function seekTo(index, sample) {
  if (!player) return;
  const length = playLength(tracks[index]);
  sample = Math.max(0, Math.min(Math.round(sample), length - 1));
  // Before the play has started, it starts again there.
  if (!player.sound) return playFrom(index, sample, player.paused);
  if (index !== player.index) player.sound.scan(index);
  Object.assign(player, {index, at: sample, played: sample});
  player.sound.seek(index, sample);
  showPlayer();
  showTrack();
  showPosition();
}

// The next playable track, or the one before, from index.
function nextTrack(index, step) {
  for (let i = index + step; i >= 0 && i < tracks.length; i += step) {
    if (tracks[i].playable) return i;
  }
  return -1;
}
function next() {
  const i = player ? nextTrack(player.index, 1) : -1;
  if (i >= 0) seekTo(i, 0);
}
// Back to the track's start, or within its first seconds, to the track before.
function previous() {
  if (!player) return;
  const i = nextTrack(player.index, -1);
  if (player.played > 3 * rate() || i < 0) seekTo(player.index, 0);
  else seekTo(i, 0);
}
// A pause holds the play in the worklet at once, and goes on from the very sample. The context,
// and with it the sound output, is suspended only once nothing has played for this long (a test
// shortens it): a phone's battery is spared, and Space pressed twice asks nothing of the output.
let suspendAfterSeconds = 10, silentTimer;
function suspendWhenSilent() {
  clearTimeout(silentTimer);
  silentTimer = setTimeout(() => {
    if (audio && (!player || player.paused)) runContext(false).catch(() => {});
  }, suspendAfterSeconds * 1000);
}
function pause() {
  if (!player || !audio) return;
  player.paused = !player.paused;
  player.sound?.pause(player.paused);
  if (player.paused) suspendWhenSilent();
  else runContext(true).catch(() => {});
  showPlayer();
  try {
    navigator.mediaSession.playbackState = player.paused ? 'paused' : 'playing';
  } catch {}
}
function togglePlay(track) {
  if (player && tracks[player.index] === track) return stopPlaying();
  playFrom(tracks.indexOf(track));
}

// The phone's lock screen and the desktop's media keys: title, album, and the player's actions.
function showTrack() {
  if (!player || !('mediaSession' in navigator)) return;
  try {
    navigator.mediaSession.metadata = new MediaMetadata({
      title: tracks[player.index].name.replace(/\.adpcm$/, ''), album: archive.name,
      artist: 'vorsplit'});
    navigator.mediaSession.playbackState = player.paused ? 'paused' : 'playing';
  } catch {}
}
const mediaActions = {
  play: () => (player ? player.paused && pause() : byId('play-all').click()),
  pause: () => player && !player.paused && pause(),
  nexttrack: next,
  previoustrack: previous,
  seekto: ({seekTime}) => player && seekTo(player.index, seekTime * rate()),
  seekforward: ({seekOffset = 10}) => player && seekTo(player.index, playerAt() + seekOffset * rate()),
  seekbackward: ({seekOffset = 10}) => player && seekTo(player.index, playerAt() - seekOffset * rate()),
};
for (const [action, handler] of Object.entries(mediaActions)) {
  try {
    navigator.mediaSession.setActionHandler(action, handler);
  } catch {}  // an engine with no media session, or without this action
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
  stopPlaying(player ? 'Stopped playing: the sample rate changed.' : undefined);
  tracks.forEach((track, i) => trackTexts(track, table.tBodies[0].rows[i]));
  showWavSize();
  keepSettings();
});
// What plays goes on where it is, with the new settings.
for (const choice of [loopsChoice, fadeChoice]) {
  choice.addEventListener('change', () => {
    // A fade typed out of bounds, or not a number, shows what it counts as.
    fadeChoice.value = settings().fade;
    tracks.forEach((track, i) => trackTexts(track, table.tBodies[0].rows[i]));
    showWavSize();
    keepSettings();
    if (!player) return;
    const at = Math.min(playerAt(), playLength(tracks[player.index]) - 1);
    playFrom(player.index, at, player.paused);
  });
}
volume.addEventListener('input', () => {
  if (gain) gain.gain.value = Number(volume.value);
  keepSettings();
});
byId('save-wav-loop-zip').addEventListener('click', () => saveWav('zip', null, undefined, true));
byId('play-all').addEventListener('click', () => {
  const first = nextTrack(-1, 1);
  if (player) stopPlaying();
  else if (first >= 0) playFrom(first);
});
pauseButton.addEventListener('click', pause);
byId('next').addEventListener('click', next);
byId('previous').addEventListener('click', previous);
seekBar.addEventListener('input', () => {
  if (player) player.dragging = true;
});
seekBar.addEventListener('change', () => {
  if (!player) return;
  player.dragging = false;
  seekTo(player.index, Number(seekBar.value));
});
// The player's keys, wherever the focus is but in a field: Space plays and pauses, the arrows
// go 5 s back and on (on the seek bar too), N and P to the next track and the one before.
document.addEventListener('keydown', (event) => {
  if (event.ctrlKey || event.metaKey || event.altKey) return;
  const field = event.target.closest?.('input, select, textarea, button');
  const key = event.key;
  if (key === ' ' && !field) {
    event.preventDefault();
    if (player) pause();
    else byId('play-all').click();
  } else if ((key === 'ArrowLeft' || key === 'ArrowRight') && (!field || event.target === seekBar) &&
             player) {
    // On the seek bar too: a step of one sample is too small for a key.
    event.preventDefault();
    seekTo(player.index, playerAt() + (key === 'ArrowLeft' ? -5 : 5) * rate());
  } else if ((key === 'n' || key === 'N') && !event.target.closest?.('input, select, textarea')) {
    next();
  } else if ((key === 'p' || key === 'P') && !event.target.closest?.('input, select, textarea')) {
    previous();
  }
});
showPlayer();
byId('save-wav-zip').addEventListener('click', () => saveWav('zip'));
byId('save-wav-folder').addEventListener('click', async () => {
  const folder = await pickFolder('WAV files');
  if (folder) saveWav('folder', folder);
});
setState('idle', message.textContent);
