// The split, in the page's worker. The page sends one message, {file, route, folder, zipName,
// rate} (or {wav: true, tracks, ...} for WAV files, or {play, port}: see sound.js), and the
// worker reads the archive a chunk of block pairs at a time, has the module walk them, and does
// what the module's events say: lines for the log, track and loop files for the route ('look'
// keeps nothing, 'zip' makes a zip, 'folder' writes into a folder). It answers
// with {lines}, {track}, {progress} messages as it goes, then one {done} or {failed}. The route
// 'file' makes one file, as a Blob, in place of a zip.
'use strict';

// What ends a run, as the tools' "Can't ..." line.
class Failure extends Error {}

const kLine = 1, kLoopLine = 2, kTrackBegin = 3, kTrackEnd = 4, kLoopFile = 5;
const kEventSize = 7;

// Where the split's files go. The page's lines and rows go the same way, so that none is shown
// before the files that come before it are written, and none after a failure. For a look,
// nothing is kept and the lines go straight to the page; otherwise a worker of its own
// (outputWorker) writes the files into a folder or a zip while the split goes on, and the track
// bytes go there in buffers that come back once they are written.
class Output {
  constructor(route, {folder, zipName}, size) {
    this.keeps = route !== 'look';
    this.failed = null;
    this.finished = new Promise((resolve, reject) => {
      this.resolve = resolve;
      this.reject = reject;
    });
    this.finished.catch(() => {});
    if (!this.keeps) return;
    this.free = [0, 1, 2].map(() => new ArrayBuffer(size));
    this.writer = new Worker(URL.createObjectURL(new Blob([`(${outputWorker})()`])));
    this.writer.onmessage = ({data}) => {
      if (data.free) this.free.push(data.free);
      if (data.pass) postMessage(data.pass);
      if ('finished' in data) this.resolve(data.finished);
      if (data.failed) {
        this.failed = new Failure(data.failed);
        this.reject(this.failed);
      }
      this.wake?.();
    };
    this.writer.postMessage(route === 'zip' ? {zip: zipName} : route === 'file' ? {single: true}
                                                                                : {folder});
  }
  pass(message) {
    if (this.keeps) this.writer.postMessage({pass: message});
    else postMessage(message);
  }
  post(message) {
    if (this.keeps) this.writer.postMessage(message);
  }
  // Hands a copy of bytes to the writer, once it has a buffer free.
  async write(bytes) {
    if (!this.keeps || !bytes.byteLength) return;
    while (!this.free.length) {
      await Promise.race([new Promise((resolve) => { this.wake = resolve; }), this.finished]);
    }
    const buffer = this.free.pop();
    new Uint8Array(buffer).set(bytes);
    this.writer.postMessage({data: buffer, length: bytes.byteLength}, [buffer]);
  }
  // Throws the writer's failure, if it has met one: the split stops there.
  check() {
    if (this.failed) throw this.failed;
  }
  async finish() {
    if (!this.keeps) return null;
    this.writer.postMessage({finish: true});
    return this.finished;
  }
  // After the split's own failure: the writer closes what it writes and says line last.
  async abandon(line) {
    if (!this.keeps) return postMessage({failed: line});
    this.writer.postMessage({abandon: line});
    await this.finished.catch(() => {});
    postMessage({failed: this.failed?.message ?? line});
  }
  close() { this.writer?.terminate(); }
}

let module = null;
const ready = createSplitModule().then((m) => { module = m; });

onmessage = async ({data}) => {
  await ready;
  if (data.play) return play(data.play, data.port);
  const output = new Output(data.route, data, module._page_output_size());
  try {
    if (data.wav) await renderWavs(data, output);
    else await split(data.file, data.rate, output);
    postMessage({done: {zip: await output.finish()}});
  } catch (error) {
    if (error === output.failed) postMessage({failed: error.message});
    else await output.abandon(error instanceof Failure ? error.message : `Can't go on: ${error}`);
  }
  output.close();
};

function text(at, length) {
  return new TextDecoder().decode(module.HEAPU8.subarray(module._page_text() + at,
                                                         module._page_text() + at + length));
}

// The players' files, as the tools have them beside them.
function playerFile(which, rate) {
  const at = module._page_player_file(which, rate);
  return module.HEAPU8.slice(at, at + module._page_player_file_size());
}

// Reads the archive's whole pairs in a worker of its own, so that the next chunk is read while
// this worker walks the one before. It is started with {file, size, chunk, buffers} and reads
// into each buffer it has, posting back {buffer, length} for every chunk in order, or {failed}
// when the file can't be read; a buffer comes back as {buffer} once its chunk is copied.
// Of the ways a worker reads a File, a byte stream into a buffer used again and again is the
// fastest, and the longer the stream the faster: one stream over 1 GiB reads it in about a
// third of the time of a stream for each 8 MB, and FileReaderSync is slower still. The browser
// looks at the file again as each stream opens, and finds a file removed or changed since it was
// chosen: a stream for each 32 chunks, 128 MB, keeps nearly all the speed.
function chunkReader() {
  const kStreamChunks = 32;
  let file, size, chunk, at = 0, reader;
  const free = [];
  async function read(buffer) {
    const length = Math.min(chunk, size - at);
    if (at % (kStreamChunks * chunk) === 0) {
      const end = Math.min(size, at + kStreamChunks * chunk);
      reader = file.slice(at, end).stream().getReader({mode: 'byob'});
    }
    at += length;
    let filled = 0;
    while (filled < length) {
      const {done, value} = await reader.read(new Uint8Array(buffer, filled, length - filled));
      buffer = value.buffer;
      if (done) break;
      filled += value.byteLength;
    }
    if (filled < length) throw new Error('the file changed since it was chosen');
    postMessage({buffer, length}, [buffer]);
  }
  let reading = false;
  onmessage = async ({data}) => {
    if (data.file) ({file, size, chunk} = data);
    free.push(...(data.buffers ?? [data.buffer]));
    if (reading) return;
    reading = true;
    try {
      while (free.length && at < size) await read(free.shift());
    } catch {
      postMessage({failed: true});
    }
    reading = false;
  };
}

class Chunks {
  constructor(file, size, chunk) {
    this.failure = new Failure(`Can't read file ${file.name}`);
    this.arrived = [];
    this.reader = new Worker(URL.createObjectURL(new Blob([`(${chunkReader})()`])));
    this.reader.onmessage = ({data}) => {
      this.arrived.push(data);
      this.wake?.();
    };
    const buffers = [new ArrayBuffer(chunk), new ArrayBuffer(chunk)];
    this.reader.postMessage({file, size, chunk, buffers}, buffers);
  }
  // The next chunk's bytes, valid until they are handed back.
  async next() {
    while (!this.arrived.length) await new Promise((resolve) => { this.wake = resolve; });
    const data = this.arrived.shift();
    if (data.failed) throw this.failure;
    return new Uint8Array(data.buffer, 0, data.length);
  }
  handBack(bytes) { this.reader.postMessage({buffer: bytes.buffer}, [bytes.buffer]); }
  close() { this.reader.terminate(); }
}

async function split(file, rate, output) {
  const m = module;
  for (const [which, name] of [[0, '.adpcm.txth'], [1, '44100Hz.genh'], [2, '48000Hz.genh']]) {
    output.post({file: name, bytes: playerFile(which, rate)});
  }
  const pairSize = m._page_pair_size(), chunkPairs = m._page_chunk_pairs();
  const pairs = Math.floor(file.size / pairSize);
  const loopLines = [];
  let track = null;  // the open track: its name and the bytes written to it
  let lines = [];
  const passLines = () => {
    if (lines.length) output.pass({lines});
    lines = [];
  };

  // Does what the events of the last call say, in order, then hands the rest of the output to
  // the open track.
  async function drain() {
    const events = m.HEAPF64.subarray(m._page_events() / 8,
                                      m._page_events() / 8 + m._page_event_count() * kEventSize);
    const bytes = (from, to) => m.HEAPU8.subarray(m._page_output() + from, m._page_output() + to);
    let from = 0;
    for (let e = 0; e < events.length; e += kEventSize) {
      const [kind, a, b, c, d, f, g] = events.subarray(e, e + kEventSize);
      if (kind === kLine) {
        lines.push(text(a, b));
      } else if (kind === kLoopLine) {
        loopLines.push(text(a, b));
      } else if (kind === kTrackBegin) {
        passLines();
        track = {name: text(a, b), bytes: 0, pair: c};
        output.post({begin: track.name});
      } else if (kind === kTrackEnd) {
        passLines();
        await output.write(bytes(from, a));
        track.bytes += a - from;
        from = a;
        output.post({end: true});
        output.pass({track: {name: track.name, pair: track.pair, bytes: track.bytes, samples: b,
                             playable: c === 1, loops: d === 1, start: f, end: g}});
        track = null;
      } else if (kind === kLoopFile) {
        output.post({file: text(a, b), bytes: m.HEAPU8.slice(m._page_text() + c,
                                                             m._page_text() + c + d)});
      }
    }
    passLines();
    const fill = m._page_output_fill();
    await output.write(bytes(from, fill));
    if (track) track.bytes += fill - from;
    m._page_drained();
  }

  m._page_split_start();
  await drain();
  const chunks = new Chunks(file, pairs * pairSize, chunkPairs * pairSize);
  try {
    for (let pair = 0; pair < pairs;) {
      const bytes = await chunks.next();
      output.check();
      const count = bytes.length / pairSize;
      m.HEAPU8.set(bytes, m._page_input());
      chunks.handBack(bytes);
      for (let walked = 0; walked < count;) {
        walked += m._page_split_pairs(walked, count - walked);
        await drain();
      }
      pair += count;
      postMessage({progress: pair * pairSize});
    }
  } finally {
    chunks.close();
  }
  m._page_split_end();
  await drain();
  if (loopLines.length) output.pass({lines: loopLines});
}
