// The split, in the page's splitting worker. The page sends one message, {file, route, zipName,
// rate} (or {wav: true, tracks, ...} for WAV files, or {play, port}: see sound.js). Beside this
// worker the page starts what reads the archive (reader_worker.js) and the worker that writes
// the files (output_worker.js): peers, which this one reaches through the page. The worker reads the archive a chunk of block pairs at a time, has the module walk them,
// and does what the module's events say: lines for the log, track and loop files for the route
// ('look' keeps nothing, 'zip' makes a zip, 'folder' writes into a folder, 'file' makes one file
// as a Blob). It answers with {lines}, {track}, {progress} messages as it goes, then one {done}
// or {failed}.
'use strict';

// What ends a run, as the tools' "Can't ..." line.
class Failure extends Error {}

// A peer, reached through the page: what this worker posts to it, {to, message, transfer}, the
// page posts on, and what it posts back comes as {from, message}. Worker and page move a buffer
// at once, where Firefox copies one across a MessagePort, some hundred times slower.
class Peer {
  constructor(name) {
    this.name = name;
    this.onmessage = null;
  }
  postMessage(message, transfer = []) { postMessage({to: this.name, message, transfer}, transfer); }
}
const peers = {reader: new Peer('reader'), writer: new Peer('writer')};

const kLine = 1, kLoopLine = 2, kTrackBegin = 3, kTrackEnd = 4, kLoopFile = 5;
const kEventSize = 7;

// Where the split's files go. The page's lines and rows go the same way, so that none is shown
// before the files that come before it are written, and none after a failure. For a look,
// nothing is kept and the lines go straight to the page; otherwise the writer writes the files
// into a folder or a zip while the split goes on, and the track bytes go there in buffers that
// come back once they are written.
class Output {
  constructor(route, writer, size) {
    this.keeps = route !== 'look';
    this.failed = null;
    this.finished = new Promise((resolve, reject) => {
      this.resolve = resolve;
      this.reject = reject;
    });
    this.finished.catch(() => {});
    if (!this.keeps) return;
    this.free = [0, 1, 2].map(() => new ArrayBuffer(size));
    this.writer = writer;
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
}

let module = null;
const ready = createSplitModule().then((m) => { module = m; });

onmessage = async ({data}) => {
  if (data.from) return peers[data.from].onmessage?.({data: data.message});
  await ready;
  if (data.play) return play(data.play, data.port, peers.reader);
  const output = new Output(data.route, peers.writer, module._page_output_size());
  try {
    if (data.wav) await renderWavs(data, output, new Chunks(peers.reader));
    else await split(data.file, data.rate, output, peers.reader);
    postMessage({done: {zip: await output.finish()}});
  } catch (error) {
    if (error === output.failed) postMessage({failed: error.message});
    else await output.abandon(error instanceof Failure ? error.message : `Can't go on: ${error}`);
  }
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

// Bytes of the archive, as the reader reads them ahead, a chunk at a time: each start asks for
// another range, and what the reader had read of the one before is dropped.
class Chunks {
  constructor(reader) {
    this.arrived = [];
    this.id = 0;
    this.reader = reader;
    this.reader.onmessage = ({data}) => {
      if (data.id !== this.id) return;
      this.arrived.push(data);
      this.wake?.();
    };
  }
  start(file, from, to, chunk) {
    this.arrived = [];
    const buffers = [new ArrayBuffer(chunk), new ArrayBuffer(chunk)];
    this.reader.postMessage({start: {id: ++this.id, file, from, to, chunk}, buffers}, buffers);
  }
  // The next chunk's bytes, valid until they are handed back.
  async next() {
    while (!this.arrived.length) await new Promise((resolve) => { this.wake = resolve; });
    const data = this.arrived.shift();
    if (data.failed) throw new Failure(data.failed);
    return new Uint8Array(data.buffer, 0, data.length);
  }
  handBack(bytes) { this.reader.postMessage({buffer: bytes.buffer}, [bytes.buffer]); }
}

async function split(file, rate, output, reader) {
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
  const chunks = new Chunks(reader);
  chunks.start(file, 0, pairs * pairSize, chunkPairs * pairSize);
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
  m._page_split_end();
  await drain();
  if (loopLines.length) output.pass({lines: loopLines});
}
