// A download made as it is written, between the engine's writer and the service worker's stream:
// every byte in order, the module's memory copied as it is written, no more held between the two
// than the stream asks for, and every way it can end told at the other end.
import assert from 'node:assert';
import {test} from 'node:test';
import {portStream, portWriter} from '../../download/port_stream.js';

const kMiB = 1 << 20;

function download(highWaterMark) {
  const {port1, port2} = new MessageChannel();
  const job = {cancelled: false, wake: null};
  const begun = [];
  const writer = portWriter(port1, () => begun.push(writer.bytes), job);
  const {stream, done} = portStream(port2, highWaterMark);
  return {writer, job, begun, reader: stream.getReader(), done};
}

test('the bytes come whole and in order, and the writer waits on a slow reader', async () => {
  const {writer, begun, reader, done} = download(2 * kMiB);
  // One buffer, as the module's memory is, overwritten after each write: each piece says its number.
  const memory = new Uint8Array(kMiB);
  const writing = (async () => {
    for (let n = 1; n <= 12; ++n) {
      memory.fill(n);
      await writer.write(memory.subarray(0, n * 1000));
    }
    await writer.close();
  })();
  let read = 0;
  for (;;) {
    await new Promise((resolve) => setTimeout(resolve, 5));
    const {value, done: end} = await reader.read();
    if (end) break;
    assert.equal(value.length % 1000, 0);
    assert.ok(value.every((byte) => byte === value.length / 1000), `piece ${value.length / 1000}`);
    read += value.length;
  }
  await writing;
  await done;
  assert.equal(read, 78000);
  assert.equal(writer.bytes, 78000);
  assert.deepEqual(begun, [0], 'the download is asked for once, before its first byte');

  // A reader that takes nothing: the writer stops once the stream holds its high-water mark.
  const slow = download(3 * kMiB);
  let pieces = 0;
  const piece = new Uint8Array(kMiB);
  const stalled = (async () => {
    for (;;) {
      await slow.writer.write(piece);
      ++pieces;
    }
  })();
  await new Promise((resolve) => setTimeout(resolve, 100));
  assert.equal(pieces, 3);
  slow.job.cancelled = true;
  slow.job.wake();
  await assert.rejects(stalled, /cancelled/);
  await slow.writer.abandon();
});

test('a failed run errs the download; a download cancelled stops the run', async () => {
  const failing = download(kMiB);
  await failing.writer.write(new Uint8Array(10));
  assert.equal((await failing.reader.read()).value.length, 10);
  await failing.writer.abandon();
  await assert.rejects(failing.reader.read(), /not finished/);
  await failing.done;

  // The user cancels the download in the browser: the writer's next write fails, waiting or not.
  const gone = download(kMiB);
  await gone.writer.write(new Uint8Array(10));
  await gone.reader.cancel();
  await gone.done;
  await assert.rejects(gone.writer.write(new Uint8Array(10)), /cancelled/);

  // A run that ends before it writes asks for no download.
  const early = download(kMiB);
  await early.writer.abandon();
  await assert.rejects(early.reader.read(), /not finished/);
  assert.deepEqual(early.begun, []);
});
