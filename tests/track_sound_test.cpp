#include "track_sound.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "adpcm_frame.h"
#include "loop_points.h"

namespace vorsplit::testing {
namespace {

// A frame of the given header and flag whose first nibbles are `nibbles` (signed, -8 to 7) and
// the rest 0.
std::vector<unsigned char> frame(unsigned char header, unsigned char flag,
                                 std::initializer_list<int> nibbles) {
  std::vector<unsigned char> bytes(kFrameSize, 0);
  bytes[kHeaderOffset] = header;
  bytes[kFlagOffset] = flag;
  std::size_t i = 0;
  for (const int nibble : nibbles) {
    const unsigned value = static_cast<unsigned>(nibble) & 0xf;
    bytes[kSampleDataOffset + i / 2] |= static_cast<unsigned char>(i % 2 ? value << 4 : value);
    ++i;
  }
  return bytes;
}

// The first samples of channel 0 of a pair, its channel 1 a frame of silence.
std::vector<int> channel0(const std::vector<unsigned char>& frame0, std::size_t count) {
  std::vector<unsigned char> pair = frame0;
  const std::vector<unsigned char> quiet = frame(0x0c, 0x00, {});
  pair.insert(pair.end(), quiet.begin(), quiet.end());
  std::int16_t out[2 * kSamplesPerFrame];
  TrackDecoder decoder;
  EXPECT_EQ(decoder.decode(pair.data(), 2, out), kSamplesPerFrame);
  std::vector<int> samples;
  for (std::size_t i = 0; i < count; ++i) samples.push_back(out[2 * i]);
  return samples;
}

// Each sample is (nibble << 12 >> shift) + (f0 * s1 + f1 * s2) / 64, worked out by hand here,
// clipped to 16 bits, while the history keeps what it was before the clipping.
TEST(TrackSound, DecodesEachFilterAndShiftAsThePlayersDo) {
  struct Case {
    const char* what;
    std::vector<unsigned char> frame;
    std::vector<int> samples;
  };
  const Case cases[] = {
      {"filter 0, shift 12: the nibbles", frame(0x0c, 0, {1, -1, 7, -8}), {1, -1, 7, -8}},
      {"shift 0: the nibbles scaled by 4096", frame(0x00, 0, {7, -8, 1}), {28672, -32768, 4096}},
      {"filter 1: 60/64 of the last, cut toward zero",
       frame(0x1c, 0, {4, 0, 0, -4, 0}),
       {4, 3, 2, -3, -2}},
      {"filter 2: 115/64 of the last, -52/64 of the one before",
       frame(0x2c, 0, {7, 0, 0}),
       {7, 12, 15}},
      {"a filter past the five plays with no prediction", frame(0x7c, 0, {3, 0}), {3, 0}},
      // 28672, then 28672 + 26880 = 55552 (clipped), then -32768 + 52080: with a clipped
      // history, it would be -2049.
      {"the history is not clipped", frame(0x10, 0, {7, 7, -8}), {28672, 32767, 19312}},
      {"a flag whose low bits end the stream plays silence", frame(0x0c, 0x0f, {7, 7}), {0, 0}},
      {"a loop end's flag plays", frame(0x0c, 0x03, {7, 7}), {7, 7}},
  };
  for (const Case& c : cases) EXPECT_EQ(channel0(c.frame, c.samples.size()), c.samples) << c.what;
}

// A track of 100 pairs and its end frame, looping from sample 280 to 2520, rendered as
// vgmstream renders its loop file, and its WAV file's header.
TEST(TrackSound, RendersAndFadesAsTheLoopFileSays) {
  const TrackLoop looping{100 * 32 + 16, 2800, true, true, 280, 2520};
  const TrackRender played = plan_render(looping, 44100);
  EXPECT_EQ(played.fade_from, 280u + 2 * 2240);
  EXPECT_EQ(played.samples, 280u + 2 * 2240 + 441000);
  EXPECT_EQ(played.loop_from_byte, 320u);
  EXPECT_EQ(played.loop_to_byte, 2880u);
  EXPECT_FALSE(played.marks_loop);
  const TrackRender marked = plan_render(looping, 44100, {2, 10, true});
  EXPECT_EQ(marked.samples, 2800u);
  EXPECT_TRUE(marked.marks_loop);
  EXPECT_EQ(marked.mark_start, 280u);
  EXPECT_EQ(marked.mark_last, 2519u);
  TrackLoop once = looping;
  once.loops = false;
  EXPECT_EQ(plan_render(once, 44100).samples, 2800u);
  EXPECT_FALSE(plan_render(once, 44100, {2, 10, true}).marks_loop);

  // A fade of one second at 4 Hz: the samples before it stay, those in it fall in steps of a
  // quarter, and past its end nothing sounds.
  const TrackRender short_fade = plan_render(looping, 4, {1, 1, false});
  ASSERT_EQ(short_fade.fade_from, 2520u);
  std::int16_t pcm[14];
  for (std::int16_t& sample : pcm) sample = 1000;
  fade(short_fade, pcm, 7, 2518);
  const std::int16_t faded[14] = {1000, 1000, 1000, 1000, 1000, 1000, 750,
                                  750,  500,  500,  250,  250,  0,    0};
  EXPECT_EQ(std::memcmp(pcm, faded, sizeof pcm), 0);

  unsigned char header[kWavMostHeaderSize];
  ASSERT_EQ(make_wav_header(header, 48000, marked), kWavHeaderSize + kWavSmplSize);
  const auto field = [&](std::size_t at) {
    return header[at] | header[at + 1] << 8 | header[at + 2] << 16 |
           static_cast<std::uint32_t>(header[at + 3]) << 24;
  };
  EXPECT_EQ(std::memcmp(header, "RIFF", 4), 0);
  EXPECT_EQ(field(0x04), kWavHeaderSize + kWavSmplSize - 8 + 4 * 2800);
  EXPECT_EQ(field(0x18), 48000u);
  EXPECT_EQ(std::memcmp(header + 0x24, "smpl", 4), 0);
  EXPECT_EQ(field(0x24 + 8 + 44), 280u);   // the loop's first sample
  EXPECT_EQ(field(0x24 + 8 + 48), 2519u);  // and its last
  EXPECT_EQ(std::memcmp(header + 0x68, "data", 4), 0);
  EXPECT_EQ(field(0x6c), 4u * 2800);
  EXPECT_EQ(make_wav_header(header, 44100, played), kWavHeaderSize);
}

}  // namespace
}  // namespace vorsplit::testing
