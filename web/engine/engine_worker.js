// The engine: a worker of the page's that compiles the module once and then serves job after job,
// one at a time, as the page's messages ask: a split (a look, a zip, a folder), sound files (WAV,
// FLAC, Ogg Vorbis), a play, a scan. A reader worker of its own reads the chosen File, or, where a
// worker may not (WebKit, opened from disk), the page reads it and hands it the chunks.
//
//   page to engine                          engine to page
//   {job, start: {type, file, ...}}         {job, lines | track | progress | wav | marks}
//     type split: route, folder, zipName,   {job, done: {zip, bytes}} or {job, failed: line}
//       rate; wav: the same and tracks,     {job, ended}, the last, cancelled or not
//       settings, format, quality, total;
//       play: tracks, rate,
//       ahead, settings, index, from, port;
//       scan: track, rate, settings
//   {job, cancel}
//   {job, seek} or {job, marks}, to a play
//   {fromReader: message}                   {toReader: message}, for the page's reader
import createSplitModule from 'split-module';
import {Chunks} from './chunks.js';
import {Cancelled, failureLine} from './failure.js';
import {Output} from './output.js';
import {localReader, readerWorker} from './read_file.js';
import {play, renderTracks, scan} from './sound.js';
import {split} from './split.js';

const ready = createSplitModule();
// A worker whose module can't be made (its memory refused, say) stops on the error, so that the
// page starts another for the next job: each job here would only fail again.
ready.catch((error) => setTimeout(() => { throw error; }));
const jobs = new Map();
let queue = Promise.resolve();

// The page's reader, reached by messages, for a File this worker may not read.
const pageReader = {
  onmessage: null,
  postMessage: (message, transfer = []) => postMessage({toReader: message}, transfer),
};
const chunksOf = {here: null, page: null};
const readable = new WeakMap();
async function chunksFor(file) {
  if (!readable.has(file)) {
    readable.set(file, await file.slice(0, 1).arrayBuffer().then(() => true, () => false));
  }
  const where = readable.get(file) ? 'here' : 'page';
  if (!chunksOf[where]) {
    const worker = where === 'here' && readerWorker();
    chunksOf[where] = worker ? new Chunks(worker, {spare: localReader})
                             : new Chunks(where === 'here' ? localReader() : pageReader);
  }
  return chunksOf[where];
}

onmessage = ({data}) => {
  if (data.fromReader) return pageReader.onmessage?.({data: data.fromReader});
  const job = jobs.get(data.job);
  if (data.cancel) return job && cancel(job);
  if (!data.start) return job?.receive(data);
  const mine = {
    id: data.job, cancelled: false, inbox: [], wake: null,
    receive(message) { this.inbox.push(message); },
    post: (message) => postMessage({job: data.job, ...message}),
  };
  jobs.set(mine.id, mine);
  queue = queue.then(() => run(mine, data.start));
};

function cancel(job) {
  job.cancelled = true;
  job.wake?.();
  for (const chunks of Object.values(chunksOf)) {
    if (chunks?.job === job) chunks.wake?.();
  }
}

async function run(job, request) {
  let output = null, chunks = null;
  try {
    const m = await ready;
    if (job.cancelled) throw new Cancelled();
    chunks = await chunksFor(request.file);
    if (request.type === 'play') {
      await play(m, job, chunks, request);
    } else if (request.type === 'scan') {
      await scan(m, job, chunks, request);
    } else {
      output = await Output.open(m, job.post, request.route, request);
      if (request.type === 'wav') await renderTracks(m, job, chunks, request, output);
      else await split(m, job, request.file, request.rate, output, chunks);
      const zip = await output.finish();
      job.post({done: {zip, bytes: zip ? zip.size : output.written}});
    }
  } catch (error) {
    await output?.abandon();
    if (!(error instanceof Cancelled)) job.post({failed: failureLine(error)});
  } finally {
    chunks?.stop();
    jobs.delete(job.id);
    job.post({ended: true});
  }
}
