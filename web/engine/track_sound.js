// A track's sound, decoded by the module a slice at a time from its frames, read again from the
// archive from the pair the track begins with: a track of any length takes the same little
// memory. Its frames come in the order a player takes them, the loop again and again, and it
// keeps where a play may start, so that a seek sounds at once.

const kSamplesPerFrame = 28, kFrameBytes = 16, kPairBytes = 32;
// A tenth of a second, in whole frames.
const kShortSlice = 158 * kSamplesPerFrame;

// A track's frames in the order a player takes them: [0, END), then, where it loops, [START,
// END) again and again. The decoder's history runs on across the jump, as the sound chip's and
// vgmstream's do: after END come the frames of START, as if the track held them there. settings
// are vgmstream's: the loop played `loops` times (Infinity: for ever, with no fade), `fade`
// seconds of fade; or, marked, the track once.
export class TrackSound {
  constructor(m, job, file, track, rate, chunks, {loops = 2, fade = 10, marked = false} = {}) {
    this.m = m;
    this.job = job;
    this.file = file;
    this.track = track;
    this.chunks = chunks;
    const forever = loops === Infinity;
    this.samples = m._page_sound_start(track.bytes, track.samples, track.playable, track.loops,
                                       track.start, track.end, rate, forever ? 2 : loops,
                                       forever ? 0 : fade, marked ? 1 : 0);
    if (forever) this.samples = m._page_sound_loops() ? Infinity : this.samples;
    this.looping = m._page_sound_loops() === 1;
    this.startBytes = m._page_sound_loop_from();
    this.endBytes = m._page_sound_loop_to();
    // Where a play may start: {pass, pair, offset, begins, state} at the start of each pair of
    // the first pass (0) and of the second (1): the pair, the bytes of the track before it, the
    // first byte it plays, and the decoder's state there. And where the loop's pair begins.
    this.marks = [];
    this.loopStart = null;
  }

  // The sample of the play that byte `offset` of the track file begins in pass `pass`.
  sampleAt(pass, offset) {
    // A lone frame of channel 0 before `offset` waits in the decoder, and counts for no sample.
    const sample = Math.floor(offset / kPairBytes) * kSamplesPerFrame;
    if (pass === 0) return sample;
    const {start, end} = this.track;
    return end + (pass - 1) * (end - start) + sample - start;
  }

  mark(pass, pair, offset, begins) {
    if (pass > 1 || this.marks.some((m) => m.pass === pass && m.pair === pair)) return;
    const m = this.m;
    this.marks.push({pass, pair, offset, begins, state: m.HEAPU8.slice(
        m._page_decoder(), m._page_decoder() + m._page_decoder_size())});
  }

  // The track's frames from archive pair `pair` on, where `offset` of its bytes came before:
  // {pair, offset, length} for each pair, the frames in the module's output until the next.
  async *pairs(pair, offset) {
    const m = this.m, pairSize = m._page_pair_size(), chunkPairs = m._page_chunk_pairs();
    const lastPair = Math.min(Math.floor(this.file.size / pairSize), this.track.until ?? Infinity);
    // The first pair comes alone, so that a seek sounds before the rest of a chunk is read.
    this.chunks.start(this.job, this.file, pair * pairSize, lastPair * pairSize,
                      chunkPairs * pairSize, pairSize);
    while (pair < lastPair) {
      const bytes = await this.chunks.next();
      const count = bytes.length / pairSize;
      m.HEAPU8.set(bytes, m._page_input());
      this.chunks.handBack(bytes);
      for (let i = 0; i < count; ++i, ++pair) {
        let length = m._page_sound_pair(i);
        const ended = length < 0;
        if (ended) length = -1 - length;
        yield {pair, offset, length};
        offset += length;
        if (ended) return;
      }
    }
  }

  // Ranges {from, to, cached} of the module's output, or, with cached, of the loop's cache, in
  // the order a player takes the frames, from `at`, a mark, on. A loop that fits the cache is
  // read from the archive once, whatever its length; a longer one is read again for each pass,
  // which its length pays for.
  async *frames(at = {pass: 0, pair: this.track.pair, offset: 0}) {
    const m = this.m, loopBytes = this.endBytes - this.startBytes;
    const fits = this.looping && loopBytes <= m._page_loop_cache_size();
    let caching = at.pass === 0 && at.offset <= this.startBytes && fits;
    if (at.pass === 0) {
      for await (const {pair, offset, length} of this.pairs(at.pair, at.offset)) {
        if (!this.loopStart && offset + length > this.startBytes) this.loopStart = {pair, offset};
        const {from, to} = this.inLoop(offset, length);
        if (caching && to > from) caching = m._page_cache_loop(from - offset, to - from) === 1;
        this.mark(0, pair, offset, offset);
        if (to > offset) yield {from: 0, to: to - offset, cached: false};
        if (offset + length >= this.endBytes) break;
      }
    }
    if (!this.looping || !this.loopStart) return;
    // A play that started past the loop's start, a seek's, reads a loop that fits into the cache
    // now, so that a short loop is not read from the archive once a pass.
    if (fits && !caching) caching = await this.cacheLoop();
    if (caching) {
      if (at.pass === 0) this.mark(1, this.loopStart.pair, this.loopStart.offset, this.startBytes);
      let first = at.pass > 0 ? at.begins - this.startBytes : 0;
      for (let pass = Math.max(at.pass, 1); ; ++pass, first = 0) {
        if (pass === 2) this.settle();
        yield {from: first, to: loopBytes, cached: true};
      }
    }
    let next = at.pass > 0 ? at : this.loopStart;
    for (let pass = Math.max(at.pass, 1), more = true; more; ++pass, next = this.loopStart) {
      more = false;  // a loop that gives no frames would never end
      for await (const {pair, offset, length} of this.pairs(next.pair, next.offset)) {
        const {from, to} = this.inLoop(offset, length);
        if (to > from) {
          if (pass === 2 && from === this.startBytes) this.settle();
          more = true;
          this.mark(pass, pair, offset, from);
          yield {from: from - offset, to: to - offset, cached: false};
        }
        if (offset + length >= this.endBytes) break;
      }
    }
  }

  // What of `length` bytes of the track from `offset` lies in the loop: [from, to), empty where
  // to <= from.
  inLoop(offset, length) {
    return {from: Math.max(offset, this.startBytes), to: Math.min(offset + length, this.endBytes)};
  }

  // Reads the loop into the module's cache: whether it fits.
  async cacheLoop() {
    for await (const {offset, length} of this.pairs(this.loopStart.pair, this.loopStart.offset)) {
      const {from, to} = this.inLoop(offset, length);
      if (to > from && this.m._page_cache_loop(from - offset, to - from) !== 1) return false;
      if (offset + length >= this.endBytes) break;
    }
    return true;
  }

  // At the loop's start in the third pass: whether the decoder's history is what it was there in
  // the second, so that every pass after the first sounds as the second does.
  settle() {
    const second = this.marks.find((m) => m.pass === 1 && m.begins === this.startBytes);
    if (!second || this.settled !== undefined) return;
    const m = this.m;
    const now = m.HEAPU8.subarray(m._page_decoder(), m._page_decoder() + m._page_decoder_size());
    this.settled = now.every((byte, i) => byte === second.state[i]);
  }

  // Where the play of sample `sample` may start: the last mark before it, and the sample it
  // begins. A pass after the second begins as the second does where the decoder's history has
  // settled by the loop's end, as it does but in loops of a few frames; there, and before any
  // mark, the play decodes its way from an earlier one.
  markFor(sample) {
    const {start, end} = this.track;
    let pass = 0;
    if (this.looping && sample >= end) pass = 1 + Math.floor((sample - end) / (end - start));
    let best = null, bestSample = 0;
    for (const mark of this.marks.filter((m) => m.pass <= Math.min(pass, 1))) {
      const passOf = mark.pass === 1 && this.settled ? pass : mark.pass;
      const at = this.sampleAt(passOf, mark.begins);
      if (at <= sample && at >= bestSample) [best, bestSample] = [{...mark, pass: passOf}, at];
    }
    return {mark: best, sample: best ? bestSample : 0};
  }

  // The decoded samples, interleaved, a slice at a time, from sample `from` of the play on:
  // {pcm, at}, where pcm is valid until the next, and `at` counts the samples of each channel
  // played before it. A slice is whole, as many loops of a short loop as fill it, but the last.
  async *slices(from = 0) {
    const m = this.m, room = m._page_decode_frames() / 2 * kSamplesPerFrame;
    const pcm = (count) => m.HEAP16.subarray(m._page_pcm() / 2, m._page_pcm() / 2 + 2 * count);
    const {mark, sample} = this.markFor(from);
    if (mark) m.HEAPU8.set(mark.state, m._page_decoder());
    let at = sample, filled = 0;
    let skip = from - sample;  // decoded, not played: from the mark up to `from`
    // A play that starts within a track, a seek's, sends a short slice first, so that it sounds
    // before a whole slice, 1.3 s, is decoded.
    let short = from > 0 ? kShortSlice : room;
    for await (const {from: first, to, cached} of this.frames(mark ?? undefined)) {
      for (let x = first; x < to;) {
        // While it skips to `from`, as far as the short slice after it.
        const want = skip ? skip + short : short;
        const frames = Math.min(2 * Math.floor((room - filled) / kSamplesPerFrame),
                                2 * Math.ceil((want - filled) / kSamplesPerFrame),
                                (to - x) / kFrameBytes);
        filled += m._page_decode(x, frames, filled, cached ? 1 : 0);
        x += frames * kFrameBytes;
        if (skip && filled >= skip) {
          // The samples before `from` go; the rest move to the slice's start.
          const kept = filled - skip, all = pcm(filled);
          all.copyWithin(0, 2 * skip, 2 * filled);
          at += skip;
          filled = kept;
          skip = 0;
        } else if (skip) {
          at += filled;
          skip -= filled;
          filled = 0;
          continue;
        }
        // Whole, or, after a seek, as whole as frames fill it.
        if (room - filled >= kSamplesPerFrame && filled < short) continue;
        yield {pcm: pcm(filled), at};
        at += filled;
        filled = 0;
        short = room;
      }
    }
    if (filled) yield {pcm: pcm(filled), at};
  }

  // Where sample `at` of the play stands in the track.
  position(at) {
    const {start, end} = this.track;
    return this.looping && at >= end ? start + (at - end) % (end - start) : at;
  }
}
