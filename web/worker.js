// The split, in the page's worker. The page sends one message, {file, route, folder, rate}, and
// the worker reads the archive a chunk of block pairs at a time, has the module walk them, and
// does what the module's events say: lines for the log, track and loop files for the route
// ('look' keeps nothing, 'zip' makes a zip, 'folder' writes into a folder). It answers with
// {lines}, {track}, {progress} messages as it goes, then one {done} or {failed}.
'use strict';

// What ends a run, as the tools' "Can't ..." line.
class Failure extends Error {}

const kLine = 1, kLoopLine = 2, kTrackBegin = 3, kTrackEnd = 4, kLoopFile = 5;
const kEventSize = 6;

// Opens a file of folder for writing from its start, creating it or emptying it, and returns
// its write and close. An origin-private folder has files that a worker writes straight to
// disk; elsewhere, as in a folder the user picked, the browser writes through a stream.
async function openFile(folder, name) {
  let handle;
  try {
    handle = await folder.getFileHandle(name, {create: true});
  } catch {
    throw new Failure(`Can't open file ${name}`);
  }
  const failed = () => new Failure(`Can't write file ${name}`);
  try {
    const access = await handle.createSyncAccessHandle();
    let at = 0;
    access.truncate(0);
    return {
      handle,
      write: async (bytes) => {
        if (access.write(bytes, {at}) !== bytes.byteLength) throw failed();
        at += bytes.byteLength;
      },
      close: async () => {
        try {
          access.flush();
        } finally {
          access.close();
        }
      },
    };
  } catch (error) {
    if (error instanceof Failure) throw error;
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

// A route keeps nothing: the page shows what the archive holds.
class Look {
  async begin() {}
  async write() {}
  async end() {}
  async file() {}
  async abandon() {}
  async finish() { return null; }
}

// Writes each file into a folder, overwriting a file of the same name.
class FolderRoute {
  constructor(folder) { this.folder = folder; }
  async begin(name) { this.open = await openFile(this.folder, name); }
  async write(bytes) { await this.open.write(bytes); }
  async end() {
    const open = this.open;
    this.open = null;
    await open.close();
  }
  async file(name, bytes) {
    await this.begin(name);
    await this.write(bytes);
    await this.end();
  }
  // After a failure the file being written keeps what it has, as a tool's would.
  async abandon() {
    if (this.open) await this.open.close().catch(() => {});
  }
  async finish() { return null; }
}

// Files in the order they are made, for the zip writer to take one after the other.
class FileQueue {
  constructor() { this.items = []; this.closed = false; this.wake = null; }
  push(item) { this.items.push(item); this.wake?.(); }
  close() { this.closed = true; this.wake?.(); }
  async *[Symbol.asyncIterator]() {
    for (;;) {
      if (this.items.length) yield this.items.shift();
      else if (this.closed) return;
      else await new Promise((resolve) => { this.wake = resolve; });
    }
  }
}

// Streams every file into one uncompressed zip (ZIP64 where it passes 4 GiB), spooled to a file
// of the origin-private folder where the page may have one, else into Blobs, which the browser
// keeps out of the page's memory. Either way the page gets the zip as a Blob to download.
class ZipRoute {
  constructor() {
    this.files = new FileQueue();
    this.waiting = null;  // the track's bytes that the zip writer has not passed on yet
    this.done = this.collect(downloadZip(this.files).body);
  }
  async spool() {
    try {
      const root = await navigator.storage.getDirectory();
      // One zip at a time: the one before has been downloaded by now.
      await root.removeEntry('zips', {recursive: true}).catch(() => {});
      const folder = await root.getDirectoryHandle('zips', {create: true});
      return await openFile(folder, `${Date.now()}.zip`);
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
        close: async () => toBlob(),
        blob: () => new Blob(blobs, {type: 'application/zip'}),
      };
    }
  }
  async collect(zip) {
    const out = await this.spool();
    try {
      const reader = zip.getReader();
      for (let read; !(read = await reader.read()).done;) {
        await out.write(read.value);
        if (read.value === this.waiting) this.wake();
      }
    } finally {
      await out.close();
    }
    return out.handle ? out.handle.getFile() : out.blob();
  }
  async begin(name) {
    const stream = new ReadableStream({start: (controller) => { this.track = controller; }});
    this.files.push({name, input: stream});
  }
  // The bytes are the module's, which the next chunk overwrites: the zip writer passes them on
  // before the split goes on.
  async write(bytes) {
    const passed = new Promise((resolve) => { this.wake = resolve; });
    this.waiting = bytes;
    this.track.enqueue(bytes);
    await Promise.race([passed, this.done]);
    this.waiting = null;
  }
  async end() { this.track.close(); }
  async file(name, bytes) { this.files.push({name, input: bytes}); }
  async abandon() {}
  async finish() {
    this.files.close();
    return await this.done;
  }
}

let module = null;
const ready = createSplitModule().then((m) => { module = m; });

onmessage = async ({data}) => {
  await ready;
  const route = data.route === 'zip'      ? new ZipRoute()
                : data.route === 'folder' ? new FolderRoute(data.folder)
                                          : new Look();
  try {
    await split(data.file, data.rate, route);
    postMessage({done: {zip: await route.finish()}});
  } catch (error) {
    await route.abandon();
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

// Reads the archive's whole pairs in a worker of its own, so that the next chunk is read while
// this worker walks and writes the one before: this nearly halves a split's time. It is started
// with {file, size, chunk, buffers} and reads into each buffer it has, posting back
// {buffer, length} for every chunk in order, or {failed} when the file can't be read; a buffer
// comes back as {buffer} once its chunk is copied. Of the ways a worker reads a File, a byte
// stream into a buffer used again and again is the fastest: about twice FileReaderSync.
function chunkReader() {
  let file, size, chunk, at = 0;
  const free = [];
  async function read(buffer) {
    const length = Math.min(chunk, size - at);
    const reader = file.slice(at, at + length).stream().getReader({mode: 'byob'});
    at += length;
    let filled = 0;
    while (filled < length) {
      const {done, value} = await reader.read(new Uint8Array(buffer, filled, length - filled));
      if (done) break;
      buffer = value.buffer;
      filled += value.byteLength;
    }
    reader.releaseLock();
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

async function split(file, rate, route) {
  const m = module;
  for (const [which, name] of [[0, '.adpcm.txth'], [1, '44100Hz.genh'], [2, '48000Hz.genh']]) {
    await route.file(name, playerFile(which, rate));
  }
  const pairSize = m._page_pair_size(), chunkPairs = m._page_chunk_pairs();
  const pairs = Math.floor(file.size / pairSize);
  const loopLines = [];
  let track = null;  // the open track: its name and the bytes written to it

  // Does what the events of the last call say, in order, then writes the rest of the output into
  // the open track.
  async function drain() {
    const events = m.HEAPF64.subarray(m._page_events() / 8,
                                      m._page_events() / 8 + m._page_event_count() * kEventSize);
    const output = m._page_output();
    let from = 0, lines = [];
    const flushLines = () => {
      if (lines.length) postMessage({lines});
      lines = [];
    };
    try {
      for (let e = 0; e < events.length; e += kEventSize) {
        const [kind, a, b, c, d, f] = events.subarray(e, e + kEventSize);
        if (kind === kLine) {
          lines.push(text(a, b));
        } else if (kind === kLoopLine) {
          loopLines.push(text(a, b));
        } else if (kind === kTrackBegin) {
          flushLines();
          track = {name: text(a, b), bytes: 0};
          await route.begin(track.name);
        } else if (kind === kTrackEnd) {
          await route.write(m.HEAPU8.subarray(output + from, output + a));
          track.bytes += a - from;
          from = a;
          const ended = track;
          track = null;
          await route.end();
          postMessage({track: {name: ended.name, bytes: ended.bytes, samples: b, loops: c === 1,
                               start: d, end: f}});
        } else if (kind === kLoopFile) {
          await route.file(text(a, b), m.HEAPU8.slice(m._page_text() + c, m._page_text() + c + d));
        }
      }
      const fill = m._page_output_fill();
      if (fill > from) {
        await route.write(m.HEAPU8.subarray(output + from, output + fill));
        track.bytes += fill - from;
      }
    } finally {
      flushLines();
      m._page_drained();
    }
  }

  m._page_split_start();
  await drain();
  const chunks = new Chunks(file, pairs * pairSize, chunkPairs * pairSize);
  try {
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
  } finally {
    chunks.close();
  }
  m._page_split_end();
  await drain();
  if (loopLines.length) postMessage({lines: loopLines});
}
