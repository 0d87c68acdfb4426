// Where a job's files go: nowhere (a look), into a folder, into a zip, or as one file, written
// straight from the module's memory. Files of an origin-private folder are written by a sync
// handle, small writes gathered first; a folder the user picked takes a stream, its writes
// gathered.
import {Failure} from './failure.js';

// A sync handle's write costs about as much for 64 KiB as for 1 MiB, and half as much a byte at
// 4 MiB: writes smaller than kGatherBytes / 4 (a WAV file's slices, a zip's pieces, short
// tracks) are gathered into one buffer of kGatherBytes first. One file at a time holds it; the
// writes are synchronous, so no other file's write can come between a file's gathering and its
// own write of what it gathered.
const kGatherBytes = 4 << 20;
const gathered = {bytes: null, length: 0, owner: null};
// Chromium takes 8 to 9.5 s to write 1 GiB through a stream in writes of 16 MiB, 11 to 12 s in
// writes of 4 MiB, the split's largest: a file written through a stream gathers its writes into
// kStreamedBytes. One file at a time holds it, as above; a stream's writes are awaited one by
// one, so none comes between.
const kStreamedBytes = 16 << 20;
const streamed = {bytes: null, length: 0, owner: null};

// Copies bytes into into.bytes from into.length on; each time it is full, empty() writes it out
// and sets into.length to 0.
async function gather(into, bytes, empty) {
  for (let at = 0; at < bytes.byteLength;) {
    const part = Math.min(bytes.byteLength - at, into.bytes.byteLength - into.length);
    into.bytes.set(bytes.subarray(at, at + part), into.length);
    into.length += part;
    at += part;
    if (into.length === into.bytes.byteLength) await empty();
  }
}

// A file of a folder, opened for writing from its start, created or emptied: its write(bytes) and
// close(). An origin-private folder has files that a worker writes straight to disk, from the
// module's memory, in the writes the split makes (up to 4 MB), or gathered (above); elsewhere, as
// in a folder the user picked, the browser writes through a stream.
export async function openFile(folder, name) {
  const file = await reserveFile(folder, name);
  file.empty();
  return file;
}

// A file of a folder, opened but not yet emptied, which it is before its first write by empty();
// drop() lets it go as it was.
async function reserveFile(folder, name) {
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
      synced: true,
      empty: () => {
        try {
          access.truncate(0);
        } catch {
          access.close();
          throw new Failure(`Can't open file ${name}`);
        }
      },
      drop: () => access.close(),
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
  const file = {};
  const flush = async () => {
    if (streamed.owner !== file) return;
    const length = streamed.length;
    streamed.length = 0;
    if (length) await writable.write(streamed.bytes.subarray(0, length)).catch(() => { throw failed(); });
  };
  return Object.assign(file, {
    handle,
    empty: () => {},
    drop: () => {
      if (streamed.owner === file) streamed.owner = null;
      return writable.abort().catch(() => {});
    },
    write: async (bytes) => {
      if (streamed.owner !== file) {
        await streamed.owner?.flush();
        streamed.owner = file;
        streamed.length = 0;
      }
      streamed.bytes ??= new Uint8Array(kStreamedBytes);
      await gather(streamed, bytes, flush);
    },
    flush,
    // What it gathered is written first, even after a failure, so that it keeps what it has.
    close: async () => {
      try {
        await flush();
      } finally {
        if (streamed.owner === file) streamed.owner = null;
        await writable.close().catch(() => { throw failed(); });
      }
    },
  });
}

// Where a zip, or one file, is made before the page downloads it: a file of the origin-private
// folder where the page may have one, else Blobs, which Chromium keeps out of the page's
// memory, and WebKit in it. Either way the page gets a Blob.
export async function spool(name) {
  try {
    const root = await navigator.storage.getDirectory();
    // One at a time: the one before has been downloaded by now.
    await root.removeEntry('zips', {recursive: true}).catch(() => {});
    const open = await openFile(await root.getDirectoryHandle('zips', {create: true}), name);
    return {write: open.write, close: async () => (await open.close(), open.handle.getFile()),
            abandon: () => open.close()};
  } catch {
    // The bytes gather in one buffer, a Blob made of each 16 MiB: a Blob copies what it is made
    // of, and a copy of each write would leave the collector a gigabyte of them to free.
    const blobs = [], pending = {bytes: new Uint8Array(16 << 20), length: 0};
    const toBlob = () => {
      blobs.push(new Blob([pending.bytes.subarray(0, pending.length)]));
      pending.length = 0;
    };
    return {
      write: (bytes) => gather(pending, bytes, toBlob),
      close: async () => (toBlob(), new Blob(blobs, {type: 'application/zip'})),
    };
  }
}

// A track file's name, in parts: before its number, the number, after it.
const trackNumber = (name) => /^(.*?)(\d+)(\.adpcm)$/.exec(name);

// Lets a file opened ahead go as it was; one that was not there before goes again.
async function drop(folder, ahead) {
  const file = await ahead?.file.catch(() => null);
  if (!file) return;
  await file.drop();
  if (!file.there) await folder.removeEntry(ahead.name).catch(() => {});
}

// Where a run's files go: nowhere ('look'), into a folder, into a zip, or as one file. Each takes
// a file's beginning, its bytes in order, its end; a small file whole; the page's messages, each
// once what comes before it is written; and the end of the run, or its failure.
export class Output {
  static async open(m, post, route, {folder, zipName}) {
    const output = new Output(m, post, route);
    if (route === 'folder') output.folder = folder;
    if (route === 'zip' || route === 'file') {
      output.spool = await spool(zipName).catch(() => null);
      if (!output.spool) throw new Failure(`Can't open file ${zipName}`);
      output.zipName = zipName;
    }
    if (route === 'zip') {
      const now = new Date();
      m._page_zip_start(now.getHours() << 11 | now.getMinutes() << 5 | now.getSeconds() >> 1,
                             (now.getFullYear() - 1980) << 9 | (now.getMonth() + 1) << 5 |
                                 now.getDate());
    }
    return output;
  }
  constructor(m, post, route) {
    this.m = m;
    this.post = post;
    this.route = route;
    this.open = null;
    this.ahead = null;
    this.written = 0;  // the bytes of the files, which the page says it saved
  }
  pass(message) { this.post(message); }
  // A browser takes some milliseconds to open a file, and some to close it: while a track's file
  // is written, the next track's, whose number follows, is opened, emptied only once its track
  // begins. A file so opened that was not there before, and that no track takes, goes again.
  // Only files written by sync handles are opened so: a stream aborted lets its file go a moment
  // after it says so, and the file could not always be removed then; a folder the user picked
  // is written at the browser's pace, which an opening's milliseconds don't change.
  openAhead(name) {
    const parts = trackNumber(name);
    if (!parts) return;
    const next = `${parts[1]}${String(Number(parts[2]) + 1).padStart(parts[2].length, '0')}${parts[3]}`;
    const file = (async () => {
      const there = await this.folder.getFileHandle(next).then(() => true, () => false);
      return Object.assign(await reserveFile(this.folder, next), {there});
    })();
    // A failure is the track's, when it begins.
    file.catch(() => {});
    this.ahead = {name: next, file};
  }
  // The zip's own pieces, from the module's memory.
  async zipPiece(length) {
    const m = this.m;
    if (length) await this.spoolWrite(m.HEAPU8.subarray(m._page_zip_piece(), m._page_zip_piece() + length));
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
      const ahead = this.ahead;
      if (ahead?.name === name) {
        this.ahead = null;
        this.open = await ahead.file;
        this.open.empty();
      } else {
        // A loop file comes between two tracks: the next track's stays open for it.
        if (trackNumber(name)) {
          this.ahead = null;
          await drop(this.folder, ahead);
        }
        this.open = await openFile(this.folder, name);
      }
      if (!this.ahead && this.open.synced) this.openAhead(name);
    } else if (this.route === 'zip') {
      const m = this.m, room = m._page_zip_name_size() - 1;
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
    this.written += bytes.byteLength;
    if (this.route === 'folder') return this.open.write(bytes);
    if (this.route === 'zip') this.m._page_zip_data(bytes.byteOffset, bytes.byteLength);
    if (this.route !== 'look') await this.spoolWrite(bytes);
  }
  async end() {
    if (this.route === 'folder') {
      const open = this.open;
      this.open = null;
      await open.close();
    } else if (this.route === 'zip') {
      await this.zipPiece(this.m._page_zip_end());
    }
  }
  // A small file whole: its bytes are copied into the module's memory to be written from there.
  async file(name, bytes) {
    if (this.route === 'look') return;
    await this.begin(name);
    const m = this.m, at = m._page_zip_piece();
    m.HEAPU8.set(bytes, at);
    await this.write(m.HEAPU8.subarray(at, at + bytes.byteLength));
    await this.end();
  }
  async finish() {
    await drop(this.folder, this.ahead);
    this.ahead = null;
    if (this.route === 'zip') {
      for (let length; (length = this.m._page_zip_finish());) await this.zipPiece(length);
    }
    if (!this.spool) return null;
    try {
      return await this.spool.close();
    } catch {
      throw new Failure(`Can't write file ${this.zipName}`);
    }
  }
  // After a failure or a cancel: the file being written keeps what it has, and the spool's file
  // is closed too, as the worker lives on and an open file of the origin-private folder stays
  // locked to every later save.
  async abandon() {
    await this.open?.close().catch(() => {});
    await drop(this.folder, this.ahead);
    this.ahead = null;
    await this.spool?.abandon?.().catch(() => {});
  }
}
