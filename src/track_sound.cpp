#include "track_sound.h"

#include <cstring>

namespace vorsplit {

void decode_frame(const unsigned char* frame, ChannelHistory& history, std::int16_t* out,
                  std::size_t stride) {
  const unsigned header = frame[kHeaderOffset];
  const unsigned shift = header & 0xf;
  // The sound chip knows five filters. FFmpeg refuses a frame with another, and what follows
  // with it; a frame of a real track never has one, so it plays here with no prediction.
  const unsigned filter = header >> 4 < kFilterCount ? header >> 4 : 0;
  // Players read the flag's three low bits alone: every flag whose low bits say end of stream
  // (0x07, 0x0f, ..., 0xff) plays silence, though the walk ends a track only at 0x07 itself.
  const bool silent = (frame[kFlagOffset] & kFlagEndOfStream) == kFlagEndOfStream;
  for (std::size_t i = 0; i < kSamplesPerFrame; ++i) {
    std::int64_t sample = 0;
    if (!silent) {
      const unsigned byte = frame[kSampleDataOffset + i / 2];
      const int nibble = static_cast<int>(i % 2 ? byte >> 4 : byte & 0xf);
      const std::int64_t scaled =
          static_cast<std::int64_t>(nibble >= 8 ? nibble - 16 : nibble) * 4096 >> shift;
      // The history is not clipped, and a filter that rises can make it grow: it is kept in 32
      // bits, as FFmpeg's is, but without ever wrapping.
      sample = scaled + (kFilters[filter][0] * static_cast<std::int64_t>(history.s1) +
                         kFilters[filter][1] * static_cast<std::int64_t>(history.s2)) /
                            64;
      if (sample > INT32_MAX) sample = INT32_MAX;
      if (sample < INT32_MIN) sample = INT32_MIN;
    }
    out[i * stride] = static_cast<std::int16_t>(sample > 32767    ? 32767
                                                : sample < -32768 ? -32768
                                                                  : sample);
    history.s2 = history.s1;
    history.s1 = static_cast<std::int32_t>(sample);
  }
}

std::size_t TrackDecoder::decode(const unsigned char* frames, std::size_t count,
                                 std::int16_t* out) {
  std::size_t samples = 0;
  if (has_waiting_ && count > 0) {
    decode_frame(waiting_, history_[0], out, 2);
    decode_frame(frames, history_[1], out + 1, 2);
    has_waiting_ = false;
    frames += kFrameSize;
    --count;
    samples += kSamplesPerFrame;
  }
  for (; count >= 2; count -= 2, frames += 2 * kFrameSize, samples += kSamplesPerFrame) {
    decode_frame(frames, history_[0], out + 2 * samples, 2);
    decode_frame(frames + kFrameSize, history_[1], out + 2 * samples + 1, 2);
  }
  if (count == 1) {
    std::memcpy(waiting_, frames, kFrameSize);
    has_waiting_ = true;
  }
  return samples;
}

TrackRender plan_render(const TrackLoop& loop, std::uint32_t sample_rate,
                        const RenderSettings& settings) {
  TrackRender render;
  constexpr std::uint64_t kPairBytes = 2 * kFrameSize;
  if (loop.loops && !settings.marked) {
    render.loops = true;
    render.fade_from = loop.start + settings.loops * (loop.end - loop.start);
    render.samples = render.fade_from + settings.fade_seconds * sample_rate;
    render.loop_from_byte = loop.start / kSamplesPerFrame * kPairBytes;
    render.loop_to_byte = loop.end / kSamplesPerFrame * kPairBytes;
  } else if (loop.playable) {
    // A player takes the whole file, the end frame after a loop end included, two frames at a
    // time.
    render.samples = loop.track_bytes / kPairBytes * kSamplesPerFrame;
    render.fade_from = render.samples;
    render.loop_to_byte = loop.track_bytes / kPairBytes * kPairBytes;
    render.marks_loop = loop.loops;
    render.mark_start = loop.start;
    render.mark_last = loop.end - 1;
  }
  return render;
}

void fade(const TrackRender& render, std::int16_t* pcm, std::size_t count, std::uint64_t at) {
  const std::uint64_t length = render.samples - render.fade_from;
  for (std::size_t i = 0; i < count; ++i) {
    if (at + i < render.fade_from) continue;
    // Past the render's end, and in a fade of no length, nothing sounds.
    const std::uint64_t left = at + i < render.samples ? render.samples - (at + i) : 0;
    if (left == 0) {
      pcm[2 * i] = pcm[2 * i + 1] = 0;
      continue;
    }
    for (int channel = 0; channel < 2; ++channel) {
      std::int16_t& sample = pcm[2 * i + channel];
      sample = static_cast<std::int16_t>(sample * static_cast<std::int64_t>(left) /
                                         static_cast<std::int64_t>(length));
    }
  }
}

std::size_t make_wav_header(unsigned char (&header)[kWavMostHeaderSize], std::uint32_t sample_rate,
                            const TrackRender& render) {
  const std::uint32_t data = static_cast<std::uint32_t>(render.samples * kWavBytesPerSample);
  const std::uint32_t smpl = render.marks_loop ? kWavSmplSize : 0;
  std::uint32_t fields[kWavMostHeaderSize / 4] = {
      0x46464952,  // "RIFF"
      static_cast<std::uint32_t>(kWavHeaderSize - 8 + smpl + data),
      0x45564157,  // "WAVE"
      0x20746d66,  // "fmt "
      16,
      1 | 2 << 16,  // PCM, two channels
      sample_rate,
      static_cast<std::uint32_t>(sample_rate * kWavBytesPerSample),
      static_cast<std::uint32_t>(kWavBytesPerSample) | 16u << 16};  // bytes a sample, bits
  std::size_t count = 9;
  if (render.marks_loop) {
    // "smpl" and its size; manufacturer, product, sample period, MIDI note, pitch fraction, SMPTE
    // format and offset, all 0; one loop, no sampler data; the loop: cue 0, forward (0), its
    // first and last sample, no fraction, played for ever (0).
    const auto start = static_cast<std::uint32_t>(render.mark_start);
    const auto last = static_cast<std::uint32_t>(render.mark_last);
    const std::uint32_t chunk[] = {0x6c706d73, 60, 0, 0, 0,     0,    0, 0, 0,
                                   1,          0,  0, 0, start, last, 0, 0};
    static_assert(sizeof chunk == kWavSmplSize);
    for (const std::uint32_t field : chunk) fields[count++] = field;
  }
  fields[count++] = 0x61746164;  // "data"
  fields[count++] = data;
  for (std::size_t f = 0; f < count; ++f) {
    for (std::size_t i = 0; i < 4; ++i)
      header[4 * f + i] = static_cast<unsigned char>(fields[f] >> 8 * i);
  }
  return 4 * count;
}

}  // namespace vorsplit
