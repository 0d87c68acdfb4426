// A zip's spool where the page has no origin-private folder (opened from disk in Chromium, a
// private window, WebKit driven by its tests): Blobs of what the engine writes, from a memory it
// writes again as soon as a write returns.
import assert from 'node:assert';
import {createHash} from 'node:crypto';
import {test} from 'node:test';
import {spool} from '../../engine/output.js';

const kMiB = 1 << 20;

test('the spool keeps every write, across its Blobs\' bounds, though the memory is used again', async () => {
  const memory = new Uint8Array(20 * kMiB);
  const whole = createHash('sha256');
  const spooled = await spool('a.zip');
  // A byte, then writes that end a Blob short of, at, and past its 16 MiB, and one larger than it.
  const sizes = [1, 4 * kMiB - 1, 12 * kMiB - 3, 3, 16 * kMiB, 7, 20 * kMiB, 5 * kMiB];
  let total = 0;
  for (const [n, size] of sizes.entries()) {
    // Each write's every 4 KiB tells which write it is and where in it.
    memory.fill(n + 1, 0, size);
    for (let i = 0; i < size; i += 4096) memory[i] = n * 31 + (i >> 12);
    whole.update(memory.subarray(0, size));
    await spooled.write(memory.subarray(0, size));
    total += size;
    memory.fill(0xee);
  }
  const blob = await spooled.close();
  assert.equal(blob.size, total);
  assert.equal(blob.type, 'application/zip');
  assert.equal(createHash('sha256').update(new Uint8Array(await blob.arrayBuffer())).digest('hex'),
               whole.digest('hex'));
});
