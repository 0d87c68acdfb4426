#include "track_sound.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace vorsplit {

namespace {

// One frame's part of the decoding that depends on no sample before it: the nibbles scaled,
// the filter's coefficients, and whether the frame plays silence.
struct FrameTerms {
  std::int64_t scaled[kSamplesPerFrame];
  std::int64_t f0, f1;
  bool silent;
};

void read_terms(const unsigned char* frame, FrameTerms& terms) {
  const unsigned header = frame[kHeaderOffset];
  const unsigned shift = header & 0xf;
  // The sound chip knows five filters. FFmpeg refuses a frame with another, and what follows
  // with it; a frame of a real track never has one, so it plays here with no prediction.
  const unsigned filter = header >> 4 < kFilterCount ? header >> 4 : 0;
  terms.f0 = kFilters[filter][0];
  terms.f1 = kFilters[filter][1];
  // Players read the flag's three low bits alone: every flag whose low bits say end of stream
  // (0x07, 0x0f, ..., 0xff) plays silence, though the walk ends a track only at 0x07 itself.
  terms.silent = (frame[kFlagOffset] & kFlagEndOfStream) == kFlagEndOfStream;
  for (std::size_t i = 0; i < kSamplesPerFrame; i += 2) {
    // Each nibble signed as (n ^ 8) - 8: a branch on its sign would be a guess missed half the
    // time.
    const int byte = frame[kSampleDataOffset + i / 2];
    terms.scaled[i] = static_cast<std::int64_t>(((byte & 0xf) ^ 8) - 8) * 4096 >> shift;
    terms.scaled[i + 1] = static_cast<std::int64_t>(((byte >> 4) ^ 8) - 8) * 4096 >> shift;
  }
}

// The history is not clipped, and a filter that rises can make it grow: it is kept in 32 bits,
// as FFmpeg's is, but without ever wrapping.
inline std::int64_t next_sample(const FrameTerms& terms, std::size_t i, std::int64_t s1,
                                std::int64_t s2) {
  const std::int64_t sample = terms.scaled[i] + (terms.f0 * s1 + terms.f1 * s2) / 64;
  return sample > INT32_MAX ? INT32_MAX : sample < INT32_MIN ? INT32_MIN : sample;
}

inline std::int16_t clip(std::int64_t sample) {
  return static_cast<std::int16_t>(sample > 32767 ? 32767 : sample < -32768 ? -32768 : sample);
}

// Decodes a pair of frames, one for each channel, into 28 interleaved stereo samples. The two
// channels' histories are walked side by side: each sample waits on the one before it, and two
// such chains at once keep the processor busy where one leaves it waiting.
void decode_pair(const unsigned char* frame0, const unsigned char* frame1,
                 ChannelHistory (&history)[2], std::int16_t* out) {
  FrameTerms a, b;
  read_terms(frame0, a);
  read_terms(frame1, b);
  std::int64_t a1 = history[0].s1, a2 = history[0].s2, b1 = history[1].s1, b2 = history[1].s2;
  if (!a.silent && !b.silent) {
    for (std::size_t i = 0; i < kSamplesPerFrame; ++i) {
      const std::int64_t x = next_sample(a, i, a1, a2), y = next_sample(b, i, b1, b2);
      out[2 * i] = clip(x);
      out[2 * i + 1] = clip(y);
      a2 = a1, a1 = x, b2 = b1, b1 = y;
    }
  } else {
    for (std::size_t i = 0; i < kSamplesPerFrame; ++i) {
      const std::int64_t x = a.silent ? 0 : next_sample(a, i, a1, a2);
      const std::int64_t y = b.silent ? 0 : next_sample(b, i, b1, b2);
      out[2 * i] = clip(x);
      out[2 * i + 1] = clip(y);
      a2 = a1, a1 = x, b2 = b1, b1 = y;
    }
  }
  history[0] = {static_cast<std::int32_t>(a1), static_cast<std::int32_t>(a2)};
  history[1] = {static_cast<std::int32_t>(b1), static_cast<std::int32_t>(b2)};
}

}  // namespace

std::size_t TrackDecoder::decode(const unsigned char* frames, std::size_t count,
                                 std::int16_t* out) {
  std::size_t samples = 0;
  if (has_waiting_ && count > 0) {
    decode_pair(waiting_, frames, history_, out);
    has_waiting_ = false;
    frames += kFrameSize;
    --count;
    samples += kSamplesPerFrame;
  }
  for (; count >= 2; count -= 2, frames += 2 * kFrameSize, samples += kSamplesPerFrame)
    decode_pair(frames, frames + kFrameSize, history_, out + 2 * samples);
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
  // Most slices of a render lie before its fade, and are left as they are.
  std::size_t i = 0;
  if (at < render.fade_from) {
    if (render.fade_from - at >= count) return;
    i = static_cast<std::size_t>(render.fade_from - at);
  }
  for (; i < count; ++i) {
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

TrackTags make_tags(std::int32_t number, std::uint32_t total, const char* archive) {
  TrackTags tags;
  std::snprintf(tags.title, sizeof tags.title, "BGM_%03d", static_cast<int>(number));
  tags.track = static_cast<std::uint32_t>(number) + 1;
  tags.total = total;
  // The archive's name without its extension, cut before a character that does not fit whole.
  std::size_t length = std::strlen(archive);
  for (std::size_t i = length; i > 0; --i) {
    if (archive[i - 1] == '.') {
      length = i - 1;
      break;
    }
  }
  if (length > kMostAlbumBytes) {
    length = kMostAlbumBytes;
    while (length > 0 && (static_cast<unsigned char>(archive[length]) & 0xc0) == 0x80) --length;
  }
  std::memcpy(tags.album, archive, length);
  tags.album[length] = '\0';
  return tags;
}

namespace {

struct HeaderWriter {
  unsigned char* at;
  void u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) *at++ = static_cast<unsigned char>(value >> 8 * i);
  }
  // A text chunk of the INFO list: its text and a zero, padded to an even size.
  void text(std::uint32_t id, const char* text) {
    const std::size_t length = std::strlen(text) + 1;
    u32(id);
    u32(static_cast<std::uint32_t>(length));
    std::memcpy(at, text, length);
    at += length;
    if (length % 2) *at++ = 0;
  }
};

}  // namespace

std::size_t make_wav_header(unsigned char (&header)[kWavMostHeaderSize], std::uint32_t sample_rate,
                            const TrackRender& render, const TrackTags* tags) {
  const std::uint32_t data = static_cast<std::uint32_t>(render.samples * kWavBytesPerSample);
  HeaderWriter out{header};
  out.u32(0x46464952);  // "RIFF", its size below
  out.u32(0);
  out.u32(0x45564157);  // "WAVE"
  out.u32(0x20746d66);  // "fmt "
  out.u32(16);
  out.u32(1 | 2 << 16);  // PCM, two channels
  out.u32(sample_rate);
  out.u32(static_cast<std::uint32_t>(sample_rate * kWavBytesPerSample));
  out.u32(static_cast<std::uint32_t>(kWavBytesPerSample) | 16u << 16);  // bytes a sample, bits
  if (render.marks_loop) {
    // "smpl" and its size; manufacturer, product, sample period, MIDI note, pitch fraction, SMPTE
    // format and offset, all 0; one loop, no sampler data; the loop: cue 0, forward (0), its
    // first and last sample, no fraction, played for ever (0).
    const auto start = static_cast<std::uint32_t>(render.mark_start);
    const auto last = static_cast<std::uint32_t>(render.mark_last);
    const std::uint32_t chunk[] = {0x6c706d73, 60, 0, 0, 0,     0,    0, 0, 0,
                                   1,          0,  0, 0, start, last, 0, 0};
    static_assert(sizeof chunk == kWavSmplSize);
    for (const std::uint32_t field : chunk) out.u32(field);
  }
  if (tags) {
    unsigned char* const list = out.at;
    out.u32(0x5453494c);  // "LIST", its size below
    out.u32(0);
    out.u32(0x4f464e49);                                    // "INFO"
    out.text(0x4d414e49, tags->title);                      // "INAM"
    if (tags->album[0]) out.text(0x44525049, tags->album);  // "IPRD"
    char number[12];
    std::snprintf(number, sizeof number, "%u", static_cast<unsigned>(tags->track));
    out.text(0x4b525449, number);  // "ITRK"
    HeaderWriter size{list + 4};
    size.u32(static_cast<std::uint32_t>(out.at - list - 8));
  }
  out.u32(0x61746164);  // "data"
  out.u32(data);
  const auto length = static_cast<std::size_t>(out.at - header);
  HeaderWriter riff{header + 4};
  riff.u32(static_cast<std::uint32_t>(length - 8 + data));
  return length;
}

}  // namespace vorsplit
