// The worklet's slice queue, as the audio thread drives it: a render quantum of 128 samples at a
// time, slices arriving from the engine, seeks that flush it, and pauses.
import assert from 'node:assert';
import {test} from 'node:test';
import {SliceQueue} from '../../worklet/slice_queue.js';

// A slice whose samples count on from `at`, so that what plays tells where it came from.
const slice = (at, length, generation = 0, index = 0) => ({
  left: Float32Array.from({length}, (_, i) => at + i), right: Float32Array.from({length}, (_, i) => -(at + i)),
  at, played: at, index, generation,
});

function queue(ahead = 2) {
  const toPage = [], toEngine = [];
  const q = new SliceQueue((message) => toPage.push(message), ahead);
  q.toEngine = (message) => toEngine.push(message);
  return {q, toPage, toEngine};
}

function render(q, length = 128) {
  const left = new Float32Array(length), right = new Float32Array(length);
  const alive = q.render(left, right, 44100, 1.5);
  return {left: [...left], right: [...right], alive};
}

test('plays slices in order across their seams, and tells the engine of each it took', () => {
  const {q, toPage, toEngine} = queue(2);
  q.receive(slice(0, 100));
  assert.deepEqual(toPage, [], 'not ready with one slice of two');
  q.receive(slice(100, 100));
  assert.deepEqual(toPage, [{ready: 0}]);
  const first = render(q);
  assert.deepEqual(first.left, Array.from({length: 128}, (_, i) => i));
  assert.deepEqual(first.right.slice(0, 3), [-0, -1, -2]);
  assert.deepEqual(toEngine, [{took: true, generation: 0}]);
  // Where it stands, told at once the first time.
  assert.deepEqual(toPage.at(-1), {at: 128, played: 128, index: 0, generation: 0, time: 1.5});
  q.receive({end: true, generation: 0});
  const last = render(q);
  assert.deepEqual(last.left.slice(0, 72), Array.from({length: 72}, (_, i) => 128 + i));
  assert.deepEqual(last.left.slice(72), Array(56).fill(0), 'silence after the last');
  assert.equal(last.alive, false);
  assert.deepEqual(toPage.at(-1), {ended: true, generation: 0});
});

test('a seek drops what was held and what still comes of the play before it', () => {
  const {q, toPage} = queue(1);
  q.receive(slice(0, 1000));
  render(q);
  q.receive({flush: true, generation: 1});
  q.receive(slice(5000, 1000, 0));  // sent before the seek was seen
  assert.deepEqual(render(q).left, Array(128).fill(0));
  q.receive(slice(9000, 1000, 1, 2));
  assert.deepEqual(toPage.filter((m) => 'ready' in m), [{ready: 0}, {ready: 1}]);
  assert.equal(render(q).left[0], 9000);
  // Where the seek plays is told on its first quantum, not a tenth of a second later.
  assert.deepEqual(toPage.at(-1), {at: 9128, played: 9128, index: 2, generation: 1, time: 1.5});
});

test('a pause holds the play at the very sample, in silence, and it goes on from there', () => {
  const {q, toEngine} = queue(1);
  q.receive(slice(0, 300));
  render(q);
  q.paused = true;
  for (let i = 0; i < 5; ++i) assert.deepEqual(render(q).left, Array(128).fill(0));
  q.paused = false;
  assert.equal(render(q).left[0], 128);
  assert.deepEqual(toEngine, []);
  // A stop ends the processor, which would otherwise live on, unheard.
  q.stopped = true;
  assert.equal(render(q).alive, false);
});
