// Files written through a stream, as in a folder the user picked: each file's bytes whole and in
// order, though its writes are gathered across files and come from a memory written again at once;
// a file dropped gives nothing to the next; a write the browser refuses fails the file.
import assert from 'node:assert';
import {createHash} from 'node:crypto';
import {test} from 'node:test';
import {openFile} from '../../engine/output.js';

const kMiB = 1 << 20;
const hash = (chunks) => chunks.reduce((h, bytes) => h.update(bytes), createHash('sha256')).digest('hex');

// A folder whose files take streams only, keeping what each was sent, as a browser's would; a
// write of a file named in refuse is refused.
function folder(refuse = []) {
  const files = {};
  return {
    files,
    getFileHandle: async (name) => ({
      createWritable: async () => {
        const chunks = [];
        return new WritableStream({
          write(bytes) {
            if (refuse.includes(name)) throw new Error('refused');
            chunks.push(new Uint8Array(bytes));
          },
          close() { files[name] = {closed: true, hash: hash(chunks), writes: chunks.map((c) => c.length)}; },
          abort() { files[name] = {aborted: true}; },
        }).getWriter();
      },
    }),
  };
}

test('each file gets its bytes in order, gathered into writes of 16 MiB at most', async () => {
  const memory = new Uint8Array(24 * kMiB);
  const into = folder();
  const expected = {};
  const sizes = {'a.adpcm': [4 * kMiB, 4 * kMiB, 3, 4 * kMiB, 5 * kMiB, 20 * kMiB, 7], 'a.txtp': [40], 'b.adpcm': [16 * kMiB, 1]};
  for (const [name, writes] of Object.entries(sizes)) {
    const file = await openFile(into, name);
    const chunks = [];
    for (const [n, size] of writes.entries()) {
      memory.fill(n + name.length, 0, size);
      for (let i = 0; i < size; i += 4096) memory[i] = n * 7 + (i >> 12);
      chunks.push(memory.slice(0, size));
      await file.write(memory.subarray(0, size));
      memory.fill(0xee);
    }
    await file.close();
    expected[name] = hash(chunks);
  }
  for (const name of Object.keys(sizes)) assert.equal(into.files[name].hash, expected[name], name);
  assert.deepEqual(into.files['a.adpcm'].writes, [16 * kMiB, 16 * kMiB, 5 * kMiB + 10]);
  assert.deepEqual(into.files['b.adpcm'].writes, [16 * kMiB, 1]);

  // A file dropped while it gathers leaves nothing to the next.
  const dropped = await openFile(into, 'c.adpcm');
  await dropped.write(new Uint8Array(100).fill(1));
  await dropped.drop();
  const next = await openFile(into, 'd.adpcm');
  await next.write(new Uint8Array(10).fill(2));
  await next.close();
  assert.deepEqual(into.files['c.adpcm'], {aborted: true});
  assert.equal(into.files['d.adpcm'].hash, hash([new Uint8Array(10).fill(2)]));
});

test('a write the browser refuses fails the file, when it is written or closed', async () => {
  const into = folder(['full.adpcm']);
  const large = await openFile(into, 'full.adpcm');
  await assert.rejects(large.write(new Uint8Array(17 * kMiB)), /Can't write file full\.adpcm/);
  const small = await openFile(folder(['full.adpcm']), 'full.adpcm');
  await small.write(new Uint8Array(10));
  await assert.rejects(small.close(), /Can't write file full\.adpcm/);
});
