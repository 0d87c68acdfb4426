#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

// Sample i of a channel, in 16-bit little-endian stereo samples.
int sample(const std::string& samples, std::uint64_t i, int channel) {
  return std::int16_t(std::uint8_t(samples[4 * i + 2 * channel]) |
                      std::uint8_t(samples[4 * i + 2 * channel + 1]) << 8);
}

// The share of one channel's energy in 2048 stereo samples that a tone of `hz` holds: near 1
// for that tone alone, near 0 for a tone a fifth away.
double share_of(const std::string& samples, int channel, double hz) {
  double re = 0, im = 0, energy = 0;
  for (std::size_t i = 0; i < 2048; ++i) {
    const double x = sample(samples, i, channel);
    re += x * std::cos(2 * M_PI * hz * i / 44100);
    im += x * std::sin(2 * M_PI * hz * i / 44100);
    energy += x * x;
  }
  return 2 * (re * re + im * im) / (2048 * energy);
}

// The largest step between neighbouring samples of either channel, from sample `from` to `to`.
int largest_step(const std::string& samples, std::uint64_t from, std::uint64_t to) {
  int largest = 0;
  for (std::uint64_t i = from + 1; i < to; ++i) {
    for (int channel = 0; channel < 2; ++channel) {
      largest = std::max(largest,
                         std::abs(sample(samples, i, channel) - sample(samples, i - 1, channel)));
    }
  }
  return largest;
}

// make_archive's music, as make_archive tells it: track n is a chord whose root climbs a major
// scale from 220 Hz, channel 0 the root and channel 1 the fifth above it; a looping track's intro
// is the chord a fourth higher.
double root_of(int track) {
  constexpr int kMajorScale[] = {0, 2, 4, 5, 7, 9, 11, 12};
  return 220 * std::pow(2.0, kMajorScale[track % 8] / 12.0);
}
double intro_root_of(int track) { return root_of(track) * std::pow(2.0, 5 / 12.0); }

// 82 pairs of make_archive: a track that loops, and one cut short by the archive's end.
void split_demo(const ToolSandbox& sandbox) {
  const fs::path archive = sandbox.bin / "demo.bin";
  const std::string make = "'" VORSPLIT_MAKE_ARCHIVE "' '" + archive.string() + "' 82 >/dev/null";
  ASSERT_EQ(std::system(make.c_str()), 0);
  ASSERT_TRUE(sandbox.run({"demo.bin"}).ends_with("exit status 0"));
  ASSERT_TRUE(sandbox.run(sandbox.vorloop, {"demo.bin"}).ends_with("exit status 0"));
}

// What a user hears: each track of make_archive's archive, split by the tool and decoded by
// FFmpeg behind the header the packages ship, holds two channels of 28 samples for every pair
// of frames, and each channel the tone make_archive gave it, so no frame was lost, moved or
// swapped between the channels.
TEST(Listening, FfmpegPlaysEveryTrackWithItsTones) {
  if (std::system("ffmpeg -version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "skipped: ffmpeg is not installed (Debian package ffmpeg)";
  }
  ToolSandbox sandbox;
  split_demo(sandbox);
  const fs::path pcm = sandbox.root / "track.pcm";
  int n = 0;
  for (; fs::exists(sandbox.track_path(n)); ++n) {
    SCOPED_TRACE(n);
    const std::string decode =
        "ffmpeg -nostdin -v error -i 'concat:" VORSPLIT_PLAYER_FILES "/44100Hz.genh|" +
        sandbox.track_path(n).string() + "' -f s16le -y '" + pcm.string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(decode.c_str()), 0);
    const std::string decoded = read_file(pcm), one_second_in = decoded.substr(4 * 44100, 4 * 2048);
    EXPECT_EQ(decoded.size(), fs::file_size(sandbox.track_path(n)) / (2 * kFrame) * 28 * 4);
    const double root = root_of(n), fifth = 1.5 * root;
    EXPECT_GT(share_of(one_second_in, 0, root), 0.8);
    EXPECT_LT(share_of(one_second_in, 0, fifth), 0.1);
    EXPECT_GT(share_of(one_second_in, 1, fifth), 0.8);
    EXPECT_LT(share_of(one_second_in, 1, root), 0.1);
  }
  EXPECT_EQ(n, 2) << "82 pairs of make_archive begin two tracks";
}

// What a user of a vgmstream-based player hears, opening the file vorloop wrote for each track of
// make_archive's archive: the loop it gives; two loops of the track without a fade; no click at
// the seam; and past it the loop body's chord, not the intro's.
TEST(Listening, VgmstreamLoopsEachTrackWhereTheGameDoes) {
  if (sizeof(VGMSTREAM_CLI) == 1) {
    GTEST_SKIP() << "skipped: vgmstream-cli was not on the PATH when the build was configured "
                    "(or give -DVGMSTREAM_CLI=PATH)";
  }
  ToolSandbox sandbox;
  fs::copy_file(VORSPLIT_PLAYER_FILES "/.adpcm.txth", sandbox.bin / ".adpcm.txth");
  split_demo(sandbox);
  const fs::path wav = sandbox.root / "two loops.wav";
  int n = 0, loops = 0;
  for (; fs::exists(sandbox.track_path(n, ".txtp")); ++n) {
    SCOPED_TRACE(n);
    const fs::path txtp = sandbox.track_path(n, ".txtp");
    unsigned long long start = 0, end = 0;
    const bool loop =
        std::sscanf(read_file(txtp).c_str(), "BGM_%*d.adpcm #I %llu %llu", &start, &end) == 2;
    loops += loop;
    const std::string info = output_of("'" VGMSTREAM_CLI "' -m " + ToolSandbox::quoted(txtp));
    unsigned long long total = 0;
    ASSERT_EQ(std::sscanf(info.c_str() + info.find("stream total samples: "),
                          "stream total samples: %llu", &total),
              1)
        << info;
    EXPECT_EQ(info.find("loop start: " + std::to_string(start) + " samples") != std::string::npos,
              loop);
    EXPECT_EQ(info.find("loop end: " + std::to_string(end) + " samples") != std::string::npos,
              loop);
    // Two loops and no fade, as 16-bit stereo samples behind a 44-byte header.
    ASSERT_EQ(std::system(("'" VGMSTREAM_CLI "' -l 2 -F -o " + ToolSandbox::quoted(wav) + " " +
                           ToolSandbox::quoted(txtp) + " >/dev/null")
                              .c_str()),
              0);
    std::string two_loops = read_file(wav);
    two_loops.erase(0, 44);
    EXPECT_EQ(two_loops.size() / 4, total + (end - start));
    if (!loop) continue;
    EXPECT_LE(largest_step(two_loops, end - 300, end + 300),
              1.5 * largest_step(two_loops, start + 300, end - 300))
        << "a click where the second pass begins";
    const std::string past_seam = two_loops.substr(4 * (end + 4410), 4 * 2048);
    EXPECT_GT(share_of(past_seam, 0, root_of(n)), 0.8);
    EXPECT_LT(share_of(past_seam, 0, intro_root_of(n)), 0.1);
  }
  EXPECT_EQ(n, 2);
  EXPECT_EQ(loops, 1) << "82 pairs of make_archive give a track that loops and one that plays once";
}

}  // namespace
}  // namespace vorsplit::testing
