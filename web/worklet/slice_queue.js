// The slices of sound that the page's audio worklet holds and plays, apart from the worklet's own
// API so that Node can test it. The engine sends it slices of two channels, {left, right, at,
// played, index, generation}, {flush, generation} after a seek, and {end}; it answers the engine
// {took, generation} for each slice played. It tells the page {ready: generation} once it holds
// `ahead` slices or the whole play; ten times a second, and as soon as a seek sounds, {at, played,
// index, generation, time}: the track it plays, the sample of the track and of its play, and the
// context's time as it renders that; and {ended, generation} after the last.
export class SliceQueue {
  constructor(toPage, ahead = 4) {
    this.toPage = toPage;
    this.toEngine = () => {};
    this.ahead = ahead;
    this.slices = [];
    this.used = 0;
    this.generation = 0;
    this.ended = this.ready = false;
    this.untilReport = 0;
    this.now = null;
    // A pause holds the play where it stands, in silence, and goes on from the very sample; a stop
    // ends it, and the processor with it.
    this.paused = false;
    this.stopped = false;
  }

  // A message from the engine.
  receive(data) {
    if (data.flush) {
      this.slices = [];
      this.used = 0;
      this.generation = data.generation;
      this.ready = this.ended = false;
      this.now = null;
      // Where the play stands after a seek is told as soon as it sounds.
      this.untilReport = 0;
      return;
    }
    if (data.generation !== this.generation) return;
    if (data.end) this.ended = true;
    else this.slices.push(data);
    if (!this.ready && (this.ended || this.slices.length >= this.ahead)) {
      this.ready = true;
      this.toPage({ready: this.generation});
    }
  }

  // Fills left and right with what plays next, silence where nothing is held; false once the
  // last slice has played.
  render(left, right, sampleRate, time) {
    if (this.paused) return true;
    for (let filled = 0; filled < left.length && this.slices.length;) {
      const slice = this.slices[0];
      const count = Math.min(left.length - filled, slice.left.length - this.used);
      left.set(slice.left.subarray(this.used, this.used + count), filled);
      right.set(slice.right.subarray(this.used, this.used + count), filled);
      filled += count;
      this.used += count;
      this.now = {at: slice.at + this.used, played: slice.played + this.used, index: slice.index,
                  generation: this.generation};
      if (this.used === slice.left.length) {
        this.slices.shift();
        this.used = 0;
        this.toEngine({took: true, generation: this.generation});
      }
    }
    if ((this.untilReport -= left.length) <= 0 && this.now) {
      this.untilReport = sampleRate / 10;
      this.toPage({...this.now, time});
    }
    if (this.ended && !this.slices.length) {
      this.toPage({ended: true, generation: this.generation});
      return false;
    }
    return !this.stopped;
  }
}
