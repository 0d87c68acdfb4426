// One run of the engine as the page sees it: a split, a save, or WAV files. It ends exactly once,
// done, failed or cancelled, and every way it can fail ends it: an engine that can't start or stops
// on an error, a message that can't be sent, a handler that throws. No DOM: it tells its view.
import {size} from './format.js';

// What a run keeps where it stops before its end, for the route it took.
export const keptText = {
  look: ' The tracks listed are those read before it.', zip: ' No zip was made.',
  file: ' No file was saved.',
  folder: ' The files finished before it stay in the folder.',
};

export class Run {
  // view: {state(state, text), progress(done, figures)}; now() the time in milliseconds.
  constructor(route, total, view, now = () => performance.now()) {
    this.route = route;
    this.total = total;
    this.view = view;
    this.now = now;
    this.started = now();
    this.shown = -Infinity;
    this.ended = false;
    this.job = null;
  }

  // Has engine start the job of request, whose messages go to onMessage while the run lasts.
  start(engine, request, transfer, onMessage) {
    try {
      this.job = engine.start(request, transfer, (data) => {
        if (this.ended) return;
        try {
          onMessage(data);
        } catch (error) {
          this.fail(`Can't go on: ${error.message ?? error}`);
        }
      });
    } catch (error) {
      this.fail(`Can't go on: ${error.message ?? error}`);
    }
  }

  // `done` bytes of the total: the bar and its figures together, at most four times a second,
  // and at the end.
  progress(done) {
    const now = this.now();
    if (now - this.shown < 250 && done < this.total) return;
    this.shown = now;
    const seconds = (now - this.started) / 1000, perSecond = done / Math.max(seconds, 0.001);
    const left = (this.total - done) / Math.max(perSecond, 1);
    this.view.progress(done, `${size(done)} of ${size(this.total)} · ${size(perSecond)}/s` +
                             (done < this.total && seconds > 0.5 ? ` · ${Math.ceil(left)} s left` : ''));
  }

  end() {
    this.ended = true;
  }
  // Ends the run with no word, its job cancelled: another takes its place.
  stop() {
    if (this.ended) return;
    this.end();
    this.job?.cancel();
  }
  done(text) {
    if (this.ended) return;
    this.end();
    this.view.state('done', text);
  }
  fail(line) {
    if (this.ended) return;
    this.stop();
    this.view.state('failed', `Failed: ${line}.${keptText[this.route]}`, line);
  }
  // Ends as failed, saying text as it is: what the run found is not what the user meant.
  refuse(text) {
    if (this.ended) return;
    this.stop();
    this.view.state('failed', text);
  }
  cancel() {
    if (this.ended) return;
    this.stop();
    this.view.state('cancelled', `Cancelled.${keptText[this.route]}`);
  }
}
