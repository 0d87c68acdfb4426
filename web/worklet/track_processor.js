// The audio worklet's processor, 'track': a thin shell over the slice queue. The page tells it
// {enginePort, ahead}, a port to the engine's play and how many slices to hold before it plays,
// {paused}, and {stop}, after which it ends.
import {SliceQueue} from './slice_queue.js';

registerProcessor('track', class extends AudioWorkletProcessor {
  constructor() {
    super();
    this.queue = new SliceQueue((message) => this.port.postMessage(message));
    this.port.onmessage = ({data}) => {
      if ('paused' in data) {
        this.queue.paused = data.paused;
        return;
      }
      if (data.stop) {
        this.queue.stopped = true;
        return;
      }
      const {enginePort, ahead} = data;
      this.queue.ahead = ahead;
      this.queue.toEngine = (message) => enginePort.postMessage(message);
      enginePort.onmessage = ({data}) => this.queue.receive(data);
    };
  }
  process(inputs, [[left, right]]) {
    return this.queue.render(left, right, sampleRate, currentTime);
  }
});
