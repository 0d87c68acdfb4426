// A track's sound, in the page's worker: played into the page's audio, {play, port, reader}, or
// rendered as WAV files into a folder or a zip, {wav}. The worker has the reader read the track
// again from the archive, from the pair it begins with, and the module decodes it a slice at a
// time, so that a track of any length takes the same little memory.

// A track's frames in the order a player takes them: [0, END), then, where it loops, [START,
// END) again and again. The decoder's history runs on across the jump, as the sound chip's and
// vgmstream's do: after END come the frames of START, as if the track held them there.
class TrackSound {
  constructor(m, file, track, rate, chunks) {
    this.m = m;
    this.file = file;
    this.track = track;
    this.chunks = chunks;
    this.frameBytes = 16;
    this.samples = m._page_sound_start(track.bytes, track.samples, track.playable, track.loops,
                                       track.start, track.end, rate);
    this.startBytes = m._page_sound_loop_from();
    this.endBytes = m._page_sound_loop_to();
  }

  // The track's frames from archive pair `pair` on, where `offset` of its bytes came before:
  // {pair, offset, length} for each pair, the frames in the module's output until the next.
  async *pairs(pair, offset) {
    const m = this.m, pairSize = m._page_pair_size(), chunkPairs = m._page_chunk_pairs();
    const lastPair = Math.min(Math.floor(this.file.size / pairSize), this.track.until ?? Infinity);
    this.chunks.start(this.file, pair * pairSize, lastPair * pairSize, chunkPairs * pairSize);
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
  // the order a player takes the frames. A loop that fits the cache is read from the archive
  // once, whatever its length; a longer one is read again for each pass, which its length pays for.
  async *frames() {
    const m = this.m, loopBytes = this.endBytes - this.startBytes;
    let resume = null, caching = this.track.loops && loopBytes <= m._page_loop_cache_size();
    for await (const {pair, offset, length} of this.pairs(this.track.pair, 0)) {
      if (!resume && offset + length > this.startBytes) resume = {pair, offset};
      const to = Math.min(offset + length, this.endBytes);
      const from = Math.max(offset, this.startBytes);
      if (caching && to > from) caching = m._page_cache_loop(from - offset, to - from) === 1;
      if (to > offset) yield {from: 0, to: to - offset, cached: false};
      if (offset + length >= this.endBytes) break;
    }
    if (!this.track.loops || !resume) return;
    if (caching) {
      for (;;) yield {from: 0, to: loopBytes, cached: true};
    }
    for (let more = true; more;) {
      more = false;  // a loop that gives no frames would never end
      for await (const {offset, length} of this.pairs(resume.pair, resume.offset)) {
        const from = Math.max(offset, this.startBytes);
        const to = Math.min(offset + length, this.endBytes);
        if (to > from) {
          more = true;
          yield {from: from - offset, to: to - offset, cached: false};
        }
        if (offset + length >= this.endBytes) break;
      }
    }
  }

  // The decoded samples, interleaved, a slice at a time: {pcm, at}, where pcm is valid until the
  // next, and `at` counts the samples of each channel played before it. A slice is whole, as
  // many loops of a short loop as fill it, but the last.
  async *slices() {
    const m = this.m, kSamplesPerFrame = 28, room = m._page_decode_frames() / 2 * kSamplesPerFrame;
    const pcm = (count) => m.HEAP16.subarray(m._page_pcm() / 2, m._page_pcm() / 2 + 2 * count);
    let at = 0, filled = 0;
    for await (const {from, to, cached} of this.frames()) {
      for (let x = from; x < to;) {
        const frames = Math.min((room - filled) / kSamplesPerFrame * 2, (to - x) / this.frameBytes);
        filled += m._page_decode(x, frames, filled, cached ? 1 : 0);
        x += frames * this.frameBytes;
        if (filled < room) continue;
        yield {pcm: pcm(filled), at};
        at += filled;
        filled = 0;
      }
    }
    if (filled) yield {pcm: pcm(filled), at};
  }

  // Where sample `at` of the play stands in the track.
  position(at) {
    const {loops, start, end} = this.track;
    return loops && at >= end ? start + (at - end) % (end - start) : at;
  }
}

// Plays a track into the page's audio: decoded slices go, as two channels of floats, straight
// to the page's audio worklet through port, which says {took} for each it has taken; `ahead`
// slices are sent before it has taken any, then one for each it takes. A track that plays once
// ends with {end}.
async function play({file, track, rate, ahead}, port, reader) {
  const sound = new TrackSound(module, file, track, rate, new Chunks(reader));
  let sent = 0, taken = 0, wake = null;
  port.onmessage = ({data}) => {
    if (data.took) ++taken;
    wake?.();
  };
  try {
    for await (const {pcm, at} of sound.slices()) {
      const count = pcm.length / 2, left = new Float32Array(count), right = new Float32Array(count);
      for (let i = 0; i < count; ++i) {
        left[i] = pcm[2 * i] / 32768;
        right[i] = pcm[2 * i + 1] / 32768;
      }
      while (sent - taken >= ahead) await new Promise((resolve) => { wake = resolve; });
      port.postMessage({left, right, at: sound.position(at)}, [left.buffer, right.buffer]);
      ++sent;
    }
    port.postMessage({end: true});
  } catch (error) {
    postMessage({failed: error instanceof Failure ? error.message : `Can't go on: ${error}`});
  }
}

// Renders each track as BGM_NNN.wav into the output, as vgmstream renders its loop file.
async function renderWavs({file, tracks, rate}, output, chunks) {
  const m = module;
  let written = 0, shown = 0;
  const wrote = async (bytes) => {
    await output.write(bytes);
    written += bytes.byteLength;
    if (written - shown >= 1 << 22) postMessage({progress: shown = written});
  };
  for (const track of tracks) {
    const sound = new TrackSound(m, file, track, rate, chunks);
    const name = track.name.replace(/\.adpcm$/, '.wav');
    const header = m._page_wav_header(rate);
    if (!header) throw new Failure(`Can't write file ${name}: it is too long for a WAV file`);
    await output.begin(name);
    await wrote(m.HEAPU8.subarray(header, header + m._page_wav_header_size()));
    for await (const {pcm, at} of sound.slices()) {
      const count = Math.min(pcm.length / 2, sound.samples - at);
      m._page_fade(count, at);
      await wrote(new Uint8Array(pcm.buffer, pcm.byteOffset, 4 * count));
      if (at + count >= sound.samples) break;
    }
    await output.end();
    output.pass({wav: name});
  }
}
