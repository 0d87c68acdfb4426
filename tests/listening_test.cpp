#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

// The share of one channel's energy in 2048 stereo samples that a tone of `hz` holds: near 1
// for that tone alone, near 0 for a tone a fifth away.
double share_of(const std::string& samples, int channel, double hz) {
  double re = 0, im = 0, energy = 0;
  for (std::size_t i = 0; i < 2048; ++i) {
    const double x = std::int16_t(std::uint8_t(samples[4 * i + 2 * channel]) |
                                  std::uint8_t(samples[4 * i + 2 * channel + 1]) << 8);
    re += x * std::cos(2 * M_PI * hz * i / 44100);
    im += x * std::sin(2 * M_PI * hz * i / 44100);
    energy += x * x;
  }
  return 2 * (re * re + im * im) / (2048 * energy);
}

// What a user hears: each track of make_archive's archive, split by the tool and decoded by
// FFmpeg behind the header the packages ship, holds two channels of 28 samples for every pair
// of frames, and each channel the tone make_archive gave it, so no frame was lost, moved or
// swapped between the channels.
TEST(Listening, FfmpegPlaysEveryTrackWithItsTones) {
  if (std::system("ffmpeg -version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "ffmpeg is not installed (Debian package ffmpeg)";
  }
  ToolSandbox sandbox;
  const fs::path archive = sandbox.bin / "demo.bin", pcm = sandbox.root / "track.pcm";
  const std::string make = "'" VORSPLIT_MAKE_ARCHIVE "' '" + archive.string() + "' 82 >/dev/null";
  ASSERT_EQ(std::system(make.c_str()), 0);
  ASSERT_TRUE(sandbox.run({"demo.bin"}).ends_with("exit status 0"));
  int n = 0;
  for (; fs::exists(sandbox.track_path(n)); ++n) {
    SCOPED_TRACE(n);
    const std::string decode = "ffmpeg -nostdin -v error -i 'concat:" VORSPLIT_GENH_44100 "|" +
                               sandbox.track_path(n).string() + "' -f s16le -y '" + pcm.string() +
                               "' 2>/dev/null";
    ASSERT_EQ(std::system(decode.c_str()), 0);
    const std::string decoded = read_file(pcm), one_second_in = decoded.substr(4 * 44100, 4 * 2048);
    EXPECT_EQ(decoded.size(), fs::file_size(sandbox.track_path(n)) / (2 * kFrame) * 28 * 4);
    // make_archive's music, as its README tells it: track n is a chord whose root climbs a
    // major scale from 220 Hz, channel 0 the root and channel 1 the fifth above it.
    constexpr int kMajorScale[] = {0, 2, 4, 5, 7, 9, 11, 12};
    const double root = 220 * std::pow(2.0, kMajorScale[n % 8] / 12.0), fifth = 1.5 * root;
    EXPECT_GT(share_of(one_second_in, 0, root), 0.8);
    EXPECT_LT(share_of(one_second_in, 0, fifth), 0.1);
    EXPECT_GT(share_of(one_second_in, 1, fifth), 0.8);
    EXPECT_LT(share_of(one_second_in, 1, root), 0.1);
  }
  EXPECT_EQ(n, 2) << "82 pairs of make_archive begin two tracks";
}

}  // namespace
}  // namespace vorsplit::testing
