#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

constexpr double kRate = 44100;

// make_archive's music, as its README tells it: track n is a chord whose root climbs a major
// scale from 220 Hz, channel 0 the root and channel 1 the fifth above it.
double tone_hz(int track, int channel) {
  constexpr int kMajorScale[] = {0, 2, 4, 5, 7, 9, 11, 12};
  const double root = 220 * std::pow(2.0, kMajorScale[track % 8] / 12.0);
  return channel == 0 ? root : 1.5 * root;
}

// The share of a stretch's energy that a tone of `hz` holds: near 1 for that tone alone.
double share_of(const std::vector<double>& samples, double hz) {
  double re = 0, im = 0, energy = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    re += samples[i] * std::cos(2 * M_PI * hz * i / kRate);
    im += samples[i] * std::sin(2 * M_PI * hz * i / kRate);
    energy += samples[i] * samples[i];
  }
  return 2 * (re * re + im * im) / (samples.size() * energy);
}

struct Decoded {
  int channels = 0;
  std::uint64_t samples = 0;       // per channel
  std::vector<double> stretch[2];  // 2048 samples of each channel, one second in
};

// Decodes a track as a user would, through FFmpeg, behind the header the packages ship.
Decoded decode(const fs::path& track, const fs::path& wav) {
  const std::string command = "ffmpeg -nostdin -v error -i 'concat:" VORSPLIT_GENH_44100 "|" +
                              track.string() + "' -bitexact -y '" + wav.string() + "' 2>/dev/null";
  Decoded decoded;
  if (std::system(command.c_str()) != 0) return decoded;
  // Only the chunk headers and one stretch of samples are read: the file is large.
  std::ifstream in(wav, std::ios::binary);
  std::string bytes(4 * 2048, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const auto u16 = [&](std::size_t at) {
    return std::size_t{static_cast<unsigned char>(bytes[at])} |
           std::size_t{static_cast<unsigned char>(bytes[at + 1])} << 8;
  };
  std::size_t at = 12;  // past "RIFF", its size and "WAVE"
  for (; at + 8 <= 256 && bytes.compare(at, 4, "data") != 0; at += 8 + u16(at + 4)) {
    if (bytes.compare(at, 4, "fmt ") == 0) decoded.channels = static_cast<int>(u16(at + 10));
  }
  const std::uint64_t data = at + 8, size = fs::file_size(wav);
  decoded.samples = (size - std::min(data, size)) / 4;
  in.seekg(static_cast<std::streamoff>(data + 4 * 44100));
  if (!in.read(bytes.data(), 4 * 2048)) return decoded;
  for (std::size_t i = 0; i < 2048; ++i) {
    for (int c = 0; c < 2; ++c) {
      decoded.stretch[c].push_back(static_cast<std::int16_t>(u16(4 * i + 2 * c)));
    }
  }
  return decoded;
}

// What a user hears: each track of make_archive's archive, split by the tool and decoded by
// FFmpeg, has both channels, 28 samples of each for every pair of frames, and each channel the
// tone make_archive gave it, so no frame was lost, moved or swapped between the channels.
TEST(Listening, FfmpegPlaysEveryTrackWithItsTones) {
  if (std::system("ffmpeg -version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "ffmpeg is not installed (Debian package ffmpeg)";
  }
  ToolSandbox sandbox;
  const std::string make =
      "'" VORSPLIT_MAKE_ARCHIVE "' '" + (sandbox.bin / "demo.bin").string() + "' 82 >/dev/null";
  ASSERT_EQ(std::system(make.c_str()), 0);
  ASSERT_EQ(sandbox.run({"demo.bin"}).status, 0);

  int tracks = 0;
  for (; fs::exists(sandbox.track_path(tracks)); ++tracks) {
    SCOPED_TRACE(tracks);
    const Decoded decoded = decode(sandbox.track_path(tracks), sandbox.root / "track.wav");
    EXPECT_EQ(decoded.channels, 2);
    EXPECT_EQ(decoded.samples, fs::file_size(sandbox.track_path(tracks)) / (2 * kFrame) * 28);
    ASSERT_EQ(decoded.stretch[1].size(), 2048u);
    for (int c = 0; c < 2; ++c) {
      EXPECT_GT(share_of(decoded.stretch[c], tone_hz(tracks, c)), 0.8) << "channel " << c;
      EXPECT_LT(share_of(decoded.stretch[c], tone_hz(tracks, 1 - c)), 0.1) << "channel " << c;
    }
  }
  EXPECT_EQ(tracks, 2) << "82 pairs of make_archive begin two tracks";
}

}  // namespace
}  // namespace vorsplit::testing
