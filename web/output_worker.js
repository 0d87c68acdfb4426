// The files' worker, which the page starts beside the splitting worker, so that files are
// written, and a zip's checksums computed, while the split goes on. The page sends it where the
// files go: {folder} into a folder, {zip: name} into one zip of that name, or {single: true} the
// bytes of one file, as a Blob. From the splitter, through the page, it takes, in order:
//   {begin: name}              a track file begins
//   {data: buffer, length}     bytes of it; the buffer goes back as {free: buffer} once written
//   {end: true}                the track file ends
//   {file: name, bytes}        a whole small file
//   {pass: message}            handed back as it is once all before it is done: the page's lines
//   {abandon: line}            the split failed: the file being written keeps what it has, and
//                              line comes back as {failed: line}
//   {finish: true}             no more files: answers {finished: zip, or null for a folder}
// Where a file can't be made or written it answers {failed: "Can't ..."} and does no more.
'use strict';

class Failure extends Error {}

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

// Each file into the folder, overwriting a file of the same name.
class Folder {
  constructor(folder) { this.folder = folder; }
  async begin(name) { this.open = await openFile(this.folder, name); }
  async write(bytes) {
    await this.open.write(bytes);
    send({free: bytes.buffer}, [bytes.buffer]);
  }
  async end() {
    const open = this.open;
    this.open = null;
    await open.close();
  }
  async file(name, bytes) {
    const open = await openFile(this.folder, name);
    await open.write(bytes);
    await open.close();
  }
  async abandon() {
    if (this.open) await this.open.close().catch(() => {});
  }
  async finish() { return null; }
}

// One file's bytes, for the page to download.
class Single {
  constructor() { this.out = spool(); }
  async begin() {}
  async write(bytes) {
    await (await this.out).write(bytes);
    send({free: bytes.buffer}, [bytes.buffer]);
  }
  async end() {}
  async abandon() {}
  async finish() { return (await this.out).close(); }
}

// Files in the order they come, for the zip writer to take one after the other.
class FileQueue {
  constructor() { this.items = []; this.closed = false; this.wake = null; }
  push(item) {
    this.items.push(item);
    this.wake?.();
  }
  close() {
    this.closed = true;
    this.wake?.();
  }
  async *[Symbol.asyncIterator]() {
    for (;;) {
      if (this.items.length) yield this.items.shift();
      else if (this.closed) return;
      else await new Promise((resolve) => { this.wake = resolve; });
    }
  }
}

// Where the zip goes: a file of the origin-private folder where the page may have one, else
// Blobs, which the browser keeps out of the page's memory. Either way the page gets a Blob.
async function spool() {
  try {
    const root = await navigator.storage.getDirectory();
    // One zip at a time: the one before has been downloaded by now.
    await root.removeEntry('zips', {recursive: true}).catch(() => {});
    const folder = await root.getDirectoryHandle('zips', {create: true});
    const open = await openFile(folder, `${Date.now()}`);
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

// Every file into one uncompressed zip (ADPCM hardly compresses), ZIP64 where it passes 4 GiB.
class Zip {
  constructor(name) {
    this.files = new FileQueue();
    this.buffers = new Map();  // the bytes being zipped, and the buffer each goes back in
    this.zipped = this.zip().catch(() => { throw new Failure(`Can't write file ${name}`); });
    this.zipped.catch((error) => fail(error));
  }
  async zip() {
    const out = await spool();
    const reader = downloadZip(this.files).body.getReader();
    for (let read; !(read = await reader.read()).done;) {
      await out.write(read.value);
      const buffer = this.buffers.get(read.value);
      if (buffer) {
        this.buffers.delete(read.value);
        send({free: buffer}, [buffer]);
      }
    }
    return out.close();
  }
  async begin(name) {
    const input = new ReadableStream({start: (controller) => { this.track = controller; }});
    this.files.push({name, input});
  }
  async write(bytes) {
    this.buffers.set(bytes, bytes.buffer);
    this.track.enqueue(bytes);
  }
  async end() { this.track.close(); }
  async file(name, bytes) { this.files.push({name, input: bytes}); }
  async abandon() {}
  async finish() {
    this.files.close();
    return this.zipped;
  }
}

let out = null, failed = false, done = Promise.resolve(), send = null;

async function handle(data) {
  if (data.begin) await out.begin(data.begin);
  else if (data.data) await out.write(new Uint8Array(data.data, 0, data.length));
  else if (data.end) await out.end();
  else if (data.file) await out.file(data.file, data.bytes);
  else if (data.pass) send({pass: data.pass});
  else if (data.abandon) {
    await out.abandon();
    throw new Failure(data.abandon);
  } else if (data.finish) {
    send({finished: await out.finish()});
  }
}

async function fail(error) {
  if (failed) return;
  failed = true;
  await out?.abandon();
  send({failed: error instanceof Failure ? error.message : `Can't go on: ${error}`});
}

// The splitter's messages come through the page, {message}, and go back the same way.
send = (message, transfer = []) => postMessage({message, transfer}, transfer);
onmessage = ({data}) => {
  if (!out) {
    out = data.folder ? new Folder(data.folder) : data.zip ? new Zip(data.zip) : new Single();
    return;
  }
  done = done.then(() => failed || handle(data.message)).catch(fail);
};
