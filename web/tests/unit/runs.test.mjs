// A run as the page sees it: it ends once, whatever comes after, and every way it can fail ends
// it with one line and what its route kept.
import assert from 'node:assert';
import {test} from 'node:test';
import {Run} from '../../app/runs.js';

// An engine whose job is driven by hand: send(data) is what the engine says.
function engine({refuses = false} = {}) {
  const job = {cancelled: 0, send: null};
  return {
    job,
    start(request, transfer, onMessage) {
      if (refuses) throw new DOMException('could not be cloned', 'DataCloneError');
      job.send = onMessage;
      return {cancel: () => ++job.cancelled, post() {}};
    },
  };
}

function run(route, total = 1000) {
  const seen = [];
  let now = 0;
  const r = new Run(route, total, {
    state: (state, text, line) => seen.push([state, text, line]),
    progress: (done, figures) => seen.push(['progress', done, figures]),
  }, () => now);
  return {r, seen, tick: (ms) => { now += ms; }};
}

test('a run ends once: what comes after its end is not heard', () => {
  const e = engine(), {r, seen} = run('zip');
  const heard = [];
  r.start(e, {}, [], (data) => {
    heard.push(data);
    if (data.done) r.done('Downloaded.');
    if (data.failed) r.fail(data.failed);
  });
  e.job.send({done: {}});
  e.job.send({failed: "Can't read file a.bin"});
  r.cancel();
  assert.deepEqual(seen, [['done', 'Downloaded.', undefined]]);
  assert.deepEqual(heard, [{done: {}}]);
  assert.equal(e.job.cancelled, 0);
});

test('a failure ends the run with one line and what its route kept, and stops the job', () => {
  const e = engine(), thrown = run('folder');
  thrown.r.start(e, {}, [], () => { throw new TypeError('no such thing'); });
  e.job.send({lines: []});
  thrown.r.cancel();
  assert.deepEqual(thrown.seen, [['failed', "Failed: Can't go on: no such thing. The files finished " +
                                  'before it stay in the folder.', "Can't go on: no such thing"]]);
  assert.equal(e.job.cancelled, 1);
  const refused = run('zip');
  refused.r.start(engine({refuses: true}), {}, [], () => {});
  assert.deepEqual(refused.seen[0].slice(0, 2), ['failed', "Failed: Can't go on: could not be cloned. No zip was made."]);
});

test('the bar and its figures, together, four times a second at most, and whole at the end', () => {
  const {r, seen, tick} = run('look', 4_000_000);
  tick(1000);
  r.progress(1_000_000);
  tick(100);
  r.progress(2_000_000);
  tick(900);
  r.progress(4_000_000);
  assert.deepEqual(seen, [
    ['progress', 1_000_000, '1.00 MB of 4.00 MB · 1.00 MB/s · 3 s left'],
    ['progress', 4_000_000, '4.00 MB of 4.00 MB · 2.00 MB/s'],
  ]);
});
