// The page's side of the engine (engine/engine_worker.js): workers started from the engine's Blob
// URL, each compiling the module once and kept for the page's life. A job goes to a worker with
// nothing left to do, or, where each is busy, to one started for it: a scan beside a play, a save
// beside both. A worker that stops on an error fails its jobs and is replaced at the next job.
import {serveFile} from '../engine/read_file.js';

export class Engine {
  constructor(url) {
    this.url = url;
    this.workers = [];
    this.jobs = new Map();
    this.ids = 0;
  }

  // Starts the job of request ({type, file, ...}); its messages go to onMessage until it is
  // cancelled or has ended. Throws where the request can't be sent.
  start(request, transfer, onMessage) {
    const entry = this.workers.find((w) => [...w.jobs].every((job) => job.cancelled)) ?? this.add();
    const job = {id: ++this.ids, entry, cancelled: false, onMessage};
    entry.jobs.add(job);
    this.jobs.set(job.id, job);
    try {
      entry.worker.postMessage({job: job.id, start: request}, transfer);
    } catch (error) {
      this.forget(job);
      throw error;
    }
    return {
      post: (message, moved = []) => {
        if (this.jobs.has(job.id)) entry.worker.postMessage({job: job.id, ...message}, moved);
      },
      cancel: () => {
        if (job.cancelled || !this.jobs.has(job.id)) return;
        job.cancelled = true;
        entry.worker.postMessage({job: job.id, cancel: true});
      },
    };
  }

  // How many workers the engine has started and keeps.
  get size() { return this.workers.length; }

  add() {
    const entry = {worker: new Worker(this.url), jobs: new Set()};
    // Where the worker may not read the File, the page reads it for the worker.
    entry.reader = {postMessage: (message, moved = []) =>
        entry.worker.postMessage({fromReader: message}, moved)};
    serveFile(entry.reader);
    entry.worker.onmessage = ({data}) => {
      if (data.toReader) return entry.reader.onmessage({data: data.toReader});
      const job = this.jobs.get(data.job);
      if (!job) return;
      if (data.ended) return this.forget(job);
      if (!job.cancelled) job.onMessage(data);
    };
    entry.worker.onerror = (event) => {
      event.preventDefault();
      entry.worker.terminate();
      if (this.workers.includes(entry)) this.workers.splice(this.workers.indexOf(entry), 1);
      for (const job of entry.jobs) {
        this.forget(job);
        if (!job.cancelled) {
          job.onMessage({failed: `Can't go on: the engine stopped (${event.message || 'it could not start'})`});
        }
      }
    };
    this.workers.push(entry);
    return entry;
  }

  forget(job) {
    job.entry.jobs.delete(job);
    this.jobs.delete(job.id);
  }
}
