#include <gtest/gtest.h>

#include <cstdio>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

constexpr unsigned char kHeader = 0x5c;  // the builder's own header: not filler

TEST(Extraction, ArchiveWithoutWholePairGivesOneEmptyTrack) {
  for (const std::size_t size : {std::size_t{0}, kFrame, kBlock, kPair - 1}) {
    SCOPED_TRACE(size);
    ToolSandbox sandbox;
    Archive(0, size).save(sandbox.bin() / "archive.bin");
    const RunResult result = sandbox.run({"archive.bin"});
    EXPECT_EQ(result.out, sandbox.output({"0x00000000 : begin BGM_000.adpcm"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(sandbox.files_in(sandbox.bin()),
              (std::vector<std::string>{"BGM_000.adpcm", "archive.bin"}));
    EXPECT_EQ(sandbox.track(0), "");
  }
}

// A pair without an end is written whole, channel by channel at each position; loop starts
// become loop bodies; every flag that is not plain or loop body is reported; the incomplete
// pair after it is never looked at.
TEST(Extraction, PairWithoutEndIsInterleavedWhole) {
  ToolSandbox sandbox;
  Archive archive(1, kBlock + kFrame);
  archive.mark(0, 1, 0, kHeader, 0x06);
  archive.mark(0, 0, 5, kHeader, 0x06);
  archive.mark(0, 1, 7, kHeader, 0x01);
  archive.mark(0, 0, 100, kHeader, 0x04);
  archive.mark(0, 0, 12799, kHeader, 0xff);
  archive.mark(0, 1, 12799, kHeader, 0x05);
  archive.mark(1, 0, 0, kHeader, 0x03);  // in the incomplete pair
  archive.save(sandbox.bin() / "archive.bin");
  write_file(sandbox.track_path(0), std::string(3 * kPair, 'x'));  // overwritten from empty

  Archive expected = archive;
  expected.mark(0, 1, 0, kHeader, 0x02);
  expected.mark(0, 0, 5, kHeader, 0x02);

  const RunResult result = sandbox.run({"archive.bin"});
  EXPECT_EQ(result.out, sandbox.output({
                            "0x00000000 : begin BGM_000.adpcm",
                            "marker 0x06 at 0x00032001",
                            "marker 0x06 at 0x00000051",
                            "marker 0x01 at 0x00032071",
                            "marker 0x04 at 0x00000641",
                            "marker 0xff at 0x00031ff1",
                            "marker 0x05 at 0x00063ff1",
                        }));
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(SameFrames(expected.interleaved(0), sandbox.track(0)));
  EXPECT_FALSE(fs::exists(sandbox.track_path(1)));
}

// A loop end or end of stream closes the track wherever it stands, filler or not; the rest of
// its pair is dropped and the next track starts with the next pair.
TEST(Extraction, TrackEndCutsItsPair) {
  struct Case {
    int channel;
    std::size_t k;
    unsigned char header, flag;
    const char* marker;
  };
  const Case cases[] = {
      {0, 0, kHeader, 0x03, "marker 0x03 at 0x00000001"},
      {1, 5, kHeader, 0x07, "marker 0x07 at 0x00032051"},
      {1, 12799, kHeader, 0x03, "marker 0x03 at 0x00063ff1"},
      {0, 9, 0x00, 0x03, "marker 0x03 at 0x00000091"},
      {1, 3, 0x00, 0x07, "marker 0x07 at 0x00032031"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.marker);
    ToolSandbox sandbox;
    Archive archive(2);
    archive.mark(0, c.channel, c.k, c.header, c.flag);
    archive.save(sandbox.bin() / "archive.bin");

    std::string expected = archive.interleaved(0, 0, c.k);
    if (c.channel == 1) expected += archive.frame(0, 0, c.k);
    expected += archive.frame(0, c.channel, c.k);
    if (c.flag == 0x03) expected += kEndFrame;

    const RunResult result = sandbox.run({"archive.bin"});
    EXPECT_EQ(result.out, sandbox.output({"0x00000000 : begin BGM_000.adpcm", c.marker,
                                          "0x00064000 : begin BGM_001.adpcm"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(SameFrames(expected, sandbox.track(0)));
    EXPECT_TRUE(SameFrames(archive.interleaved(1), sandbox.track(1)));
    EXPECT_FALSE(fs::exists(sandbox.track_path(2)));
  }
}

// Filler goes frame by frame and channel by channel, so the alternation of the channels shifts
// where only one of them holds filler; a reportable flag on filler is still reported.
TEST(Extraction, FillerIsDroppedFrameByFrame) {
  ToolSandbox sandbox;
  Archive archive(1);
  archive.mark(0, 0, 2, 0x00, 0x00);
  archive.mark(0, 1, 2, 0x00, 0x02);
  archive.mark(0, 0, 4, 0x00, 0x06);
  archive.mark(0, 1, 6, 0x00, 0x01);
  archive.mark(0, 0, 8, 0x00, 0x00);
  archive.save(sandbox.bin() / "archive.bin");

  const std::string expected = archive.interleaved(0, 0, 2) + archive.interleaved(0, 3, 4) +
                               archive.frame(0, 1, 4) + archive.interleaved(0, 5, 6) +
                               archive.frame(0, 0, 6) + archive.interleaved(0, 7, 8) +
                               archive.frame(0, 1, 8) + archive.interleaved(0, 9);
  const RunResult result = sandbox.run({"archive.bin"});
  EXPECT_EQ(result.out, sandbox.output({"0x00000000 : begin BGM_000.adpcm",
                                        "marker 0x06 at 0x00000041", "marker 0x01 at 0x00032061"}));
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(SameFrames(expected, sandbox.track(0)));
}

TEST(Extraction, TracksEndingInConsecutivePairsLeaveAnEmptyLastTrack) {
  ToolSandbox sandbox;
  Archive archive(2);
  archive.mark(0, 0, 0, kHeader, 0x07);
  archive.mark(1, 1, 0, kHeader, 0x03);
  archive.save(sandbox.bin() / "archive.bin");

  const RunResult result = sandbox.run({"archive.bin"});
  EXPECT_EQ(result.out, sandbox.output({
                            "0x00000000 : begin BGM_000.adpcm",
                            "marker 0x07 at 0x00000001",
                            "0x00064000 : begin BGM_001.adpcm",
                            "marker 0x03 at 0x00096001",
                            "0x000c8000 : begin BGM_002.adpcm",
                        }));
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(SameFrames(archive.frame(0, 0, 0), sandbox.track(0)));
  EXPECT_TRUE(
      SameFrames(archive.frame(1, 0, 0) + archive.frame(1, 1, 0) + kEndFrame, sandbox.track(1)));
  EXPECT_EQ(sandbox.track(2), "");
}

// 1001 one-frame tracks from a sparse archive: pairs of zero bytes around one loop end each.
TEST(Extraction, TrackNumbersGrowPastThreeDigits) {
  constexpr std::size_t kPairs = 1001;
  ToolSandbox sandbox;
  const std::string loop_end = std::string("\x5c\x03", 2) + std::string(14, '\0');
  std::vector<std::pair<std::uint64_t, std::string>> frames;
  for (std::uint64_t pair = 0; pair < kPairs; ++pair) frames.emplace_back(pair * kPair, loop_end);
  write_sparse(sandbox.bin() / "archive.bin", kPairs * kPair, frames);

  const RunResult result = sandbox.run({"archive.bin"});
  const std::string banner = sandbox.output({});
  const std::string tail =
      sandbox
          .output({"0x186a0000 : begin BGM_1000.adpcm", "marker 0x03 at 0x186a0001",
                   "0x18704000 : begin BGM_1001.adpcm"})
          .substr(banner.size());
  ASSERT_GE(result.out.size(), tail.size());
  EXPECT_EQ(result.out.substr(result.out.size() - tail.size()), tail);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(sandbox.track(999), loop_end + kEndFrame);
  EXPECT_EQ(sandbox.track(1000), loop_end + kEndFrame);
  EXPECT_EQ(sandbox.track(1001), "");
  EXPECT_FALSE(fs::exists(sandbox.track_path(1002)));
}

// Offsets are counted in 64 bits: past 4 GiB they go on growing instead of starting over. The
// tool reads the whole 4 GiB, so this test has a suite of its own, left out of the quick run.
TEST(LargeArchive, OffsetsPastFourGiBAreTrue) {
  ToolSandbox sandbox;
  const std::string loop_end = std::string("\x5c\x03", 2) + std::string(14, '\x33');
  const std::string end_of_stream = std::string("\x5c\x07", 2) + std::string(14, '\x77');
  // Pair 10485 starts at 0xfffb4000; its block 1 holds the frame whose flag is at 4 GiB + 1.
  write_sparse(sandbox.bin() / "archive.bin", 10487 * std::uint64_t{kPair},
               {{0xfffb4000 + kBlock + 0x1a000, loop_end}, {0x100018000, end_of_stream}});

  const RunResult result = sandbox.run({"archive.bin"});
  EXPECT_EQ(result.out,
            sandbox.output({"0x00000000 : begin BGM_000.adpcm", "marker 0x03 at 0x100000001",
                            "0x100018000 : begin BGM_001.adpcm", "marker 0x07 at 0x100018001",
                            "0x10007c000 : begin BGM_002.adpcm"}));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(sandbox.track(0), loop_end + kEndFrame);
  EXPECT_EQ(sandbox.track(1), end_of_stream);
  EXPECT_EQ(sandbox.track(2), "");
}

}  // namespace
}  // namespace vorsplit::testing
