// Bytes of the archive as the engine's walk and decoder take them: a chunk of block pairs at a
// time, read ahead by a reader (read_file.js), each chunk's buffer handed back once it has been
// copied into the module. One Chunks serves every job of a worker in turn: two buffers go to its
// reader with the first start, and serve every start after it.
import {Cancelled, Failure} from './failure.js';

export class Chunks {
  // reader: where the chunks come from. spare, where given, makes a reader in this thread, which
  // takes over from a reader of its own thread that fails, or that answers nothing for stallMs
  // while a job waits: the job reads on from the first byte it lacks. A browser that loses such a
  // worker, or a stream of it, would otherwise leave the job waiting for ever.
  constructor(reader, {spare = null, stallMs = 10000} = {}) {
    this.arrived = [];
    this.id = 0;
    this.chunk = 0;
    this.job = null;
    this.wake = null;
    this.spare = spare;
    this.stallMs = stallMs;
    // What the job still lacks, as start's arguments, so that a spare reader can take it up.
    this.lacking = null;
    this.listen(reader);
  }

  listen(reader) {
    this.reader = reader;
    reader.onmessage = ({data}) => {
      if (data.id !== this.id) {
        if (data.buffer) this.handBack(new Uint8Array(data.buffer));
        return;
      }
      this.arrived.push(data);
      this.wake?.();
    };
    reader.onerror = (event) => {
      event.preventDefault?.();
      this.takeOver();
    };
  }

  // The spare reader takes up what the job lacks; without one, the job fails.
  takeOver() {
    if (!this.spare) {
      this.arrived.push({id: this.id, failed: "Can't go on: the archive's reader stopped"});
      this.wake?.();
      return;
    }
    const failed = this.reader;
    failed.onmessage = failed.onerror = null;
    failed.terminate?.();
    this.listen(this.spare());
    this.spare = null;
    // The buffers went with the reader that failed: the next start gives the spare new ones.
    this.chunk = 0;
    // A reader that fails before any start leaves nothing to take up.
    if (!this.lacking) return;
    const {job, file, from, to, chunk, first} = this.lacking;
    this.start(job, file, from, to, chunk, first);
    this.wake?.();
  }

  // Has the reader read [from, to) of file for job, in chunks of `chunk` bytes; the first, where
  // given, `first` bytes long, so that a play that starts within a track sounds before a whole
  // chunk is read. What the reader had read before is dropped, its buffers handed back.
  start(job, file, from, to, chunk, first = 0) {
    const buffers = chunk === this.chunk ? [] : [new ArrayBuffer(chunk), new ArrayBuffer(chunk)];
    // The chunks read for the start before go back with this one, not before it: handed back
    // alone, each would have the reader read on in the range that has ended.
    for (const data of this.arrived.splice(0)) {
      if (data.buffer?.byteLength === chunk) buffers.push(data.buffer);
    }
    this.chunk = chunk;
    this.job = job;
    this.lacking = {job, file, from, to, chunk, first};
    this.reader.postMessage({start: {id: ++this.id, file, from, to, chunk, first}, buffers}, buffers);
  }

  // Ends the reading, at a job's end: the reader reads no further.
  stop() {
    this.job = null;
    this.start(null, null, 0, 0, this.chunk);
    this.wake?.();
  }

  // The next chunk's bytes, valid until they are handed back.
  async next() {
    while (!this.arrived.length) {
      if (this.job?.cancelled) throw new Cancelled();
      let timer;
      const answered = await new Promise((resolve) => {
        this.wake = () => resolve(true);
        if (this.spare) timer = setTimeout(() => resolve(false), this.stallMs);
      });
      clearTimeout(timer);
      if (!answered && !this.arrived.length) this.takeOver();
    }
    if (this.job?.cancelled) throw new Cancelled();
    const data = this.arrived.shift();
    if (data.failed) throw new Failure(data.failed);
    this.lacking.from += data.length;
    this.lacking.first = 0;
    return new Uint8Array(data.buffer, 0, data.length);
  }

  handBack(bytes) {
    if (bytes.buffer.byteLength === this.chunk) {
      this.reader.postMessage({buffer: bytes.buffer}, [bytes.buffer]);
    }
  }
}
