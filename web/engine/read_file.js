// The archive's reader: it reads bytes of the chosen File ahead of the one who asked, a chunk at a
// time, so that the next chunk is on its way while the one before is walked or decoded. It runs
// in a worker of the engine's own (readerWorker, below), or in the engine worker beside the walk
// where that can't start, or, where no worker may read the File (WebKit, opened from disk), in
// the page, which relays what it reads. Whoever asks talks to it through port:
//   {start: {id, file, from, to, chunk, first}, buffers}  read bytes [from, to) of file, the first
//                                                         chunk `first` bytes long and the rest
//                                                         `chunk`, into these buffers and those
//                                                         handed back; a new start ends the one
//                                                         before, and one of an empty range stops
//   {buffer}                                              a buffer handed back once its chunk is used
// and it answers {id, buffer, length} for every chunk in order, or {id, failed: line}.
//
// Of the ways to read a File, a byte stream into a buffer used again and again is the fastest,
// and the longer the stream the faster: one stream over 1 GiB reads it in about a third of the
// time of a stream for each 8 MB, and FileReaderSync is slower still. The browser looks at the
// file again as each stream opens, and finds a file removed or changed since it was chosen:
// streams of up to 32 chunks, 128 MB, keep nearly all the speed. Where a File's stream is no byte
// stream (WebKit's), its chunks are copied into the buffer.
export function serveFile(port) {
  const kStreamChunks = 32;
  // What the tools meet as a read error: the file went, or changed, since it was chosen.
  const unreadable = new Error('unreadable');
  let id, file, at = 0, end = 0, chunk, first = 0, reader = null, byob, pending = null;
  let reading = false;
  // Where the open stream ends, and how many chunks the next holds: one after a start, twice as
  // many each time after, up to kStreamChunks. WebKit reads a stream's whole slice before its
  // first chunk comes: 128 MB for a seek's first chunk took half a second there.
  let streamEnd = 0, streamChunks = 1;
  let generation = 0;
  const free = [];
  // A buffer goes back to the free ones whatever happens to its read, so that the reader, which
  // serves one job after another, never runs out; one lost to a stream cancelled under it is made
  // anew.
  const keep = (buffer) => free.push(buffer.byteLength ? buffer : new ArrayBuffer(chunk));

  // Fills buffer with the next chunk; null where a new start came meanwhile, the buffer kept
  // for the start.
  async function read(buffer) {
    const mine = generation, length = Math.min(first || chunk, end - at);
    first = 0;
    if (!reader) {
      streamEnd = Math.min(end, at + length + (streamChunks - 1) * chunk);
      streamChunks = Math.min(2 * streamChunks, kStreamChunks);
      const stream = file.slice(at, streamEnd).stream();
      try {
        reader = stream.getReader({mode: 'byob'});
        byob = true;
      } catch {
        reader = stream.getReader();
        byob = false;
      }
      pending = null;
    }
    const own = reader;
    at += length;
    let filled = 0;
    while (filled < length) {
      if (byob || !pending) {
        let result;
        const stale = () => {
          keep(buffer);
          return null;
        };
        try {
          result = await own.read(byob ? new Uint8Array(buffer, filled, length - filled) : undefined);
        } catch {
          if (mine !== generation) return stale();
          keep(buffer);
          throw unreadable;
        }
        if (byob && result.value) buffer = result.value.buffer;
        if (mine !== generation) return stale();
        const {done, value} = result;
        if (byob) {
          if (done) break;
          filled += value.byteLength;
          continue;
        }
        if (done) break;
        pending = value;
      }
      const taken = Math.min(pending.byteLength, length - filled);
      new Uint8Array(buffer, filled, taken).set(pending.subarray(0, taken));
      filled += taken;
      pending = taken < pending.byteLength ? pending.subarray(taken) : null;
    }
    if (filled < length) {
      keep(buffer);
      throw unreadable;
    }
    // The stream of these chunks is at its end: the next opens another.
    if (at === streamEnd) reader = null;
    return {id, buffer, length};
  }

  async function readAll() {
    if (reading) return;
    reading = true;
    try {
      while (free.length && at < end) {
        // A chunk of a start that has ended goes, with its buffer.
        const chunkRead = await read(free.shift());
        if (chunkRead) port.postMessage(chunkRead, [chunkRead.buffer]);
      }
    } catch (error) {
      // The start ends with its failure: nothing more is read for it.
      at = end;
      port.postMessage({id, failed: error === unreadable ? `Can't read file ${file.name}`
                                                         : `Can't go on: ${error}`});
    }
    reading = false;
    if (free.length && at < end) readAll();
  }

  port.onmessage = ({data}) => {
    if (data.start) {
      ({id, file, from: at, to: end, chunk, first = 0} = data.start);
      reader?.cancel().catch(() => {});
      reader = null;
      streamChunks = 1;
      ++generation;
    }
    free.push(...(data.buffers ?? [data.buffer]));
    readAll();
  };
}

// A reader in this realm: what it is told and what it answers are handed over at once, with no
// copy and no message between threads.
export function localReader() {
  const asker = {onmessage: null}, served = {onmessage: null};
  asker.postMessage = (message) => served.onmessage({data: message});
  served.postMessage = (message) => asker.onmessage({data: message});
  serveFile(served);
  return asker;
}

// A reader in a thread of its own, started from serveFile's own text, where a worker may start
// one: the browser hands a File's stream over a little at a time, as its reader takes it, so a
// reader in the engine's thread reads only while the engine waits; one of its own reads on while
// the engine walks and writes. Null where a worker may start none.
export function readerWorker() {
  if (typeof Worker === 'undefined') return null;
  try {
    return new Worker(URL.createObjectURL(new Blob([`'use strict';\n(${serveFile})(self);\n`])));
  } catch {
    return null;
  }
}
