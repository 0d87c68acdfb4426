// The engine's reading of the archive, as one worker's jobs take it in turn: chunks in order, a
// short first one where asked, a file that fails to read told once, and a reader that serves the
// next job whole after a failure or a cancel; a reader of its own thread that goes wrong gives way
// to one in the engine's.
import assert from 'node:assert';
import {test} from 'node:test';
import {Chunks} from '../../engine/chunks.js';
import {Cancelled, Failure} from '../../engine/failure.js';
import {localReader} from '../../engine/read_file.js';

// A file whose every byte tells its offset, as far as one byte can.
const file = (length, name = 'a.bin') =>
  Object.assign(new Blob([Uint8Array.from({length}, (_, i) => i & 0xff)]), {name});
// A file that was removed after it was chosen: its streams fail.
const removed = {
  name: 'gone.bin', size: 1 << 20,
  slice: () => ({stream: () => new ReadableStream({pull: (c) => c.error(new Error('NotFound'))})}),
};

async function readAll(chunks, job, f, from, to, chunk, first) {
  chunks.start(job, f, from, to, chunk, first);
  const lengths = [];
  for (let at = from; at < to;) {
    const bytes = await chunks.next();
    assert.equal(bytes[0], at & 0xff, `the chunk at ${at}`);
    lengths.push(bytes.length);
    at += bytes.length;
    chunks.handBack(bytes);
  }
  return lengths;
}

test('chunks come in order, the first as short as asked', async () => {
  const chunks = new Chunks(localReader()), job = {cancelled: false};
  assert.deepEqual(await readAll(chunks, job, file(10000), 0, 10000, 4096), [4096, 4096, 1808]);
  assert.deepEqual(await readAll(chunks, job, file(10000), 1000, 9000, 4096, 32),
                   [32, 4096, 3872]);
});

test('a file that fails is told once, and the next job is read whole', async () => {
  const chunks = new Chunks(localReader()), job = {cancelled: false};
  for (let round = 0; round < 3; ++round) {
    chunks.start(job, removed, 0, removed.size, 4096);
    await assert.rejects(chunks.next(), (error) => error instanceof Failure &&
                                                   error.message === "Can't read file gone.bin");
    chunks.stop();
  }
  assert.deepEqual(await readAll(chunks, job, file(20000), 0, 20000, 4096), [4096, 4096, 4096, 4096, 3616]);
});

test('a cancelled job stops waiting, and its reading gives way to the next', async () => {
  const chunks = new Chunks(localReader()), job = {cancelled: false};
  chunks.start(job, file(1 << 20), 0, 1 << 20, 4096);
  await chunks.next();  // one chunk kept, never handed back
  job.cancelled = true;
  await assert.rejects(chunks.next(), Cancelled);
  chunks.stop();
  assert.deepEqual(await readAll(chunks, {cancelled: false}, file(9000), 0, 9000, 4096), [4096, 4096, 808]);
});

// A reader of a thread of its own, as the engine meets one that goes wrong: it serves `served`
// chunks, then says nothing more, or fails as a worker does.
function faltering(served, fails) {
  const inner = localReader(), outer = {onmessage: null, onerror: null, terminated: false};
  inner.onmessage = (event) => {
    if (served-- > 0) return outer.onmessage?.(event);
    if (fails) setTimeout(() => outer.onerror?.({preventDefault() {}}));
  };
  outer.postMessage = (message) => inner.postMessage(message);
  outer.terminate = () => { outer.terminated = true; };
  return outer;
}

test('a reader of its own thread that stalls or fails gives way to one here, the job read on whole', async () => {
  for (const [served, fails] of [[0, false], [2, false], [0, true], [1, true]]) {
    const reader = faltering(served, fails);
    const chunks = new Chunks(reader, {spare: localReader, stallMs: 20}), job = {cancelled: false};
    assert.deepEqual(await readAll(chunks, job, file(15000), 100, 15000, 4096, 16),
                     [16, 4096, 4096, 4096, 2596], `after ${served} chunks, ${fails ? 'failing' : 'stalled'}`);
    assert.equal(reader.terminated, true);
    // The next job has the reader here.
    assert.deepEqual(await readAll(chunks, job, file(9000), 0, 9000, 4096), [4096, 4096, 808]);
  }
  // One that fails before any job has started: the first job is read whole by the one here.
  const reader = faltering(0, true);
  const chunks = new Chunks(reader, {spare: localReader, stallMs: 20});
  reader.onerror({preventDefault() {}});
  assert.deepEqual(await readAll(chunks, {cancelled: false}, file(9000), 0, 9000, 4096), [4096, 4096, 808]);
});
