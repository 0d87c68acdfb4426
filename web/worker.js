// The split, in the page's splitting worker. The page sends one message, {file, route, folder,
// zipName, rate} (or {wav: true, tracks, ...} for WAV files, or {play, port}: see sound.js). Beside
// this worker the page starts what reads the archive (reader_worker.js), a peer, which this one
// reaches through the page. The worker has the reader read the archive a chunk of block pairs at
// a time, has the module walk them, and does what the module's events say: lines for the log,
// track and loop files for the route ('look' keeps nothing, 'folder' writes into a folder, 'zip'
// makes a zip, 'file' makes one file), written straight from the module's memory. It answers with
// {lines}, {track}, {progress} messages as it goes, each once the files before it are written,
// then one {done} or {failed}.
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
const peers = {reader: new Peer('reader')};

const kLine = 1, kLoopLine = 2, kTrackBegin = 3, kTrackEnd = 4, kLoopFile = 5;
const kEventSize = 7;

// A sync handle's write costs about as much for 64 KiB as for 1 MiB, and half as much a byte at
// 4 MiB: writes smaller than kGatherBytes / 4 (a WAV file's slices, a zip's pieces, short
// tracks) are gathered into one buffer of kGatherBytes first. One file at a time holds it; the
// writes are synchronous, so no other file's write can come between a file's gathering and its
// own write of what it gathered.
const kGatherBytes = 4 << 20;
const gathered = {bytes: null, length: 0, owner: null};

// A file of a folder, opened for writing from its start, created or emptied: its write(bytes) and
// close(). An origin-private folder has files that a worker writes straight to disk, from the
// module's memory, in the writes the split makes (up to 4 MB), or gathered (above); elsewhere, as
// in a folder the user picked, the browser writes through a stream.
async function openFile(folder, name) {
  let handle;
  try {
    handle = await folder.getFileHandle(name, {create: true});
  } catch {
    throw new Failure(`Can't open file ${name}`);
  }
  const failed = () => new Failure(`Can't write file ${name}`);
  let access = null;
  try {
    access = await handle.createSyncAccessHandle();
  } catch {}
  if (access) {
    let at = 0;
    try {
      access.truncate(0);
    } catch {
      access.close();
      throw new Failure(`Can't open file ${name}`);
    }
    const put = (bytes) => {
      let written;
      try {
        written = access.write(bytes, {at});
      } catch {
        throw failed();
      }
      if (written !== bytes.byteLength) throw failed();
      at += written;
    };
    const file = {};
    const flush = () => {
      if (gathered.owner !== file) return;
      gathered.owner = null;
      const length = gathered.length;
      gathered.length = 0;
      if (length) put(gathered.bytes.subarray(0, length));
    };
    return Object.assign(file, {
      handle,
      write: async (bytes) => {
        const large = bytes.byteLength >= kGatherBytes / 4;
        if (large || gathered.owner !== file || gathered.length + bytes.byteLength > kGatherBytes) {
          gathered.owner?.flush();
        }
        if (large) return put(bytes);
        gathered.bytes ??= new Uint8Array(kGatherBytes);
        gathered.owner = file;
        gathered.bytes.set(bytes, gathered.length);
        gathered.length += bytes.byteLength;
      },
      flush,
      // Closed as the tools close a file, with no flush to the disk, which the system does; what
      // it gathered is written first, even after a failure, so that it keeps what it has.
      close: async () => {
        try {
          flush();
        } finally {
          access.close();
        }
      },
    });
  }
  let writable;
  try {
    writable = await handle.createWritable();
  } catch {
    throw new Failure(`Can't open file ${name}`);
  }
  return {
    handle,
    write: (bytes) => writable.write(bytes).catch(() => { throw failed(); }),
    close: () => writable.close().catch(() => { throw failed(); }),
  };
}

// Where a zip, or one file, is made before the page downloads it: a file of the origin-private
// folder where the page may have one, else Blobs, which the browser keeps out of the page's
// memory. Either way the page gets a Blob.
async function spool(name) {
  try {
    const root = await navigator.storage.getDirectory();
    // One at a time: the one before has been downloaded by now.
    await root.removeEntry('zips', {recursive: true}).catch(() => {});
    const open = await openFile(await root.getDirectoryHandle('zips', {create: true}), name);
    return {write: open.write, close: async () => (await open.close(), open.handle.getFile())};
  } catch {
    const blobs = [];
    let pending = [], size = 0;
    const toBlob = () => {
      blobs.push(new Blob(pending));
      pending = [];
      size = 0;
    };
    return {
      write: async (bytes) => {
        pending.push(bytes.slice());
        size += bytes.byteLength;
        if (size >= 16 << 20) toBlob();
      },
      close: async () => (toBlob(), new Blob(blobs, {type: 'application/zip'})),
    };
  }
}

// Where a run's files go: nowhere ('look'), into a folder, into a zip, or as one file. Each takes
// a file's beginning, its bytes in order, its end; a small file whole; the page's messages, each
// once what comes before it is written; and the end of the run, or its failure.
class Output {
  static async open(route, {folder, zipName}) {
    const output = new Output(route);
    if (route === 'folder') output.folder = folder;
    if (route === 'zip' || route === 'file') {
      output.spool = await spool(zipName).catch(() => null);
      if (!output.spool) throw new Failure(`Can't open file ${zipName}`);
      output.zipName = zipName;
    }
    if (route === 'zip') {
      const now = new Date();
      module._page_zip_start(now.getHours() << 11 | now.getMinutes() << 5 | now.getSeconds() >> 1,
                             (now.getFullYear() - 1980) << 9 | (now.getMonth() + 1) << 5 |
                                 now.getDate());
    }
    return output;
  }
  constructor(route) {
    this.route = route;
    this.open = null;
  }
  pass(message) { postMessage(message); }
  // The zip's own pieces, from the module's memory.
  async zipPiece(length) {
    if (length) await this.spoolWrite(module.HEAPU8.subarray(module._page_zip_piece(),
                                                             module._page_zip_piece() + length));
  }
  async spoolWrite(bytes) {
    try {
      await this.spool.write(bytes);
    } catch {
      throw new Failure(`Can't write file ${this.zipName}`);
    }
  }
  async begin(name) {
    if (this.route === 'folder') {
      this.open = await openFile(this.folder, name);
    } else if (this.route === 'zip') {
      const m = module, room = m._page_zip_name_size() - 1;
      const {written} = new TextEncoder().encodeInto(
          name, m.HEAPU8.subarray(m._page_zip_name(), m._page_zip_name() + room));
      m.HEAPU8[m._page_zip_name() + written] = 0;
      const length = m._page_zip_begin(m._page_zip_name());
      if (!length) throw new Failure(`Can't write file ${this.zipName}: it holds the most files a zip can`);
      await this.zipPiece(length);
    }
  }
  // bytes lie in the module's memory.
  async write(bytes) {
    if (!bytes.byteLength) return;
    if (this.route === 'folder') return this.open.write(bytes);
    if (this.route === 'zip') module._page_zip_data(bytes.byteOffset, bytes.byteLength);
    if (this.route !== 'look') await this.spoolWrite(bytes);
  }
  async end() {
    if (this.route === 'folder') {
      const open = this.open;
      this.open = null;
      await open.close();
    } else if (this.route === 'zip') {
      await this.zipPiece(module._page_zip_end());
    }
  }
  // A small file whole: its bytes are copied into the module's memory to be written from there.
  async file(name, bytes) {
    if (this.route === 'look') return;
    await this.begin(name);
    const at = module._page_zip_piece();
    module.HEAPU8.set(bytes, at);
    await this.write(module.HEAPU8.subarray(at, at + bytes.byteLength));
    await this.end();
  }
  async finish() {
    if (this.route === 'zip') {
      for (let length; (length = module._page_zip_finish());) await this.zipPiece(length);
    }
    if (!this.spool) return null;
    try {
      return await this.spool.close();
    } catch {
      throw new Failure(`Can't write file ${this.zipName}`);
    }
  }
  // After a failure: the file being written keeps what it has.
  async abandon() {
    await this.open?.close().catch(() => {});
  }
}

let module = null;
const ready = createSplitModule().then((m) => { module = m; });

onmessage = async ({data}) => {
  if (data.from) return peers[data.from].onmessage?.({data: data.message});
  if (data.seek || data.marks) return onPlay(data);
  await ready;
  if (data.play) return play(data.play, data.port, peers.reader);
  if (data.scan) return scan(data.scan, peers.reader);
  let output = null;
  try {
    output = await Output.open(data.route, data);
    if (data.wav) await renderWavs(data, output, new Chunks(peers.reader));
    else await split(data.file, data.rate, output, peers.reader);
    postMessage({done: {zip: await output.finish()}});
  } catch (error) {
    await output?.abandon();
    postMessage({failed: error instanceof Failure ? error.message : `Can't go on: ${error}`});
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
// another range, and what the reader had read of the one before is dropped, its buffer handed
// back. Two buffers go to the reader with the first start, and serve every start after it.
class Chunks {
  constructor(reader) {
    this.arrived = [];
    this.id = 0;
    this.chunk = 0;
    this.reader = reader;
    this.reader.onmessage = ({data}) => {
      if (data.id !== this.id) {
        if (data.buffer) this.handBack(new Uint8Array(data.buffer));
        return;
      }
      this.arrived.push(data);
      this.wake?.();
    };
  }
  // `first`, where given, is the length of a first chunk read here, not by the reader: a play
  // that starts within a track sounds sooner, as WebKit takes tens of milliseconds to pass a
  // message between two workers. The reader starts on the rest once it is read: WebKit's read
  // of it took up to 100 ms beside the reader's, 10 to 20 ms alone.
  start(file, from, to, chunk, first = 0) {
    const buffers = chunk === this.chunk ? [] : [new ArrayBuffer(chunk), new ArrayBuffer(chunk)];
    this.chunk = chunk;
    first = Math.min(first, to - from);
    // Ends the reader's last start meanwhile.
    const id = this.ask(file, first ? to : from, to, buffers);
    this.first = first ? file.slice(from, from + first).arrayBuffer().then((buffer) => {
      if (buffer.byteLength !== first) throw new Error('changed since it was chosen');
      if (id === this.id) this.ask(file, from + first, to, []);
      return {buffer, length: first};
    }).catch(() => {
      // Where this worker can't read the File (WebKit's, of a page opened from disk), the reader
      // reads it all, and meets a file removed or changed as it does.
      if (id === this.id) this.ask(file, from, to, []);
      return null;
    }) : null;
  }
  // Has the reader read [from, to): the start's id.
  ask(file, from, to, buffers) {
    for (const data of this.arrived.splice(0)) if (data.buffer) this.handBack(new Uint8Array(data.buffer));
    const chunk = this.chunk;
    this.reader.postMessage({start: {id: ++this.id, file, from, to, chunk}, buffers}, buffers);
    return this.id;
  }
  // The next chunk's bytes, valid until they are handed back.
  async next() {
    const first = await this.first;
    this.first = null;
    const data = first ?? await this.arrival();
    if (data.failed) throw new Failure(data.failed);
    return new Uint8Array(data.buffer, 0, data.length);
  }
  async arrival() {
    while (!this.arrived.length) await new Promise((resolve) => { this.wake = resolve; });
    return this.arrived.shift();
  }
  // A first chunk read here is no buffer of the reader's.
  handBack(bytes) {
    if (bytes.buffer.byteLength === this.chunk) this.reader.postMessage({buffer: bytes.buffer}, [bytes.buffer]);
  }
}

async function split(file, rate, output, reader) {
  const m = module;
  for (const [which, name] of [[0, '.adpcm.txth'], [1, '44100Hz.genh'], [2, '48000Hz.genh']]) {
    await output.file(name, playerFile(which, rate));
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
        await output.begin(track.name);
      } else if (kind === kTrackEnd) {
        passLines();
        await output.write(bytes(from, a));
        track.bytes += a - from;
        from = a;
        await output.end();
        output.pass({track: {name: track.name, pair: track.pair, bytes: track.bytes, samples: b,
                             playable: c === 1, loops: d === 1, start: f, end: g}});
        track = null;
      } else if (kind === kLoopFile) {
        await output.file(text(a, b), m.HEAPU8.slice(m._page_text() + c, m._page_text() + c + d));
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
