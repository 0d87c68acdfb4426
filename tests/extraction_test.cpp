#include <gtest/gtest.h>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

constexpr unsigned char H = 0x5c;  // a header that is not filler
const std::string kBegin1 = "0x00064000 : begin BGM_001.adpcm";

struct Mark {
  std::size_t pair;
  int channel;
  std::size_t k;
  unsigned char header, flag;
};

struct Case {
  const char* what;
  std::size_t pairs, trailing_bytes;
  std::vector<Mark> marks;
  std::vector<std::string> lines;  // after the begin line of BGM_000.adpcm
  Tracks (*tracks)(const Archive&);
};

const Case kCases[] = {
    {"an empty archive", 0, 0, {}, {}, [](const Archive&) { return Tracks{""}; }},
    {"one byte short of a pair", 0, kPair - 1, {}, {}, [](const Archive&) { return Tracks{""}; }},
    // Loop starts become loop bodies; every flag but plain and loop body is reported; the
    // unfinished pair after the whole one is never looked at.
    {"a pair without end, then an unfinished one",
     1,
     kBlock + kFrame,
     {{0, 1, 0, H, 0x06},
      {0, 0, 5, H, 0x06},
      {0, 1, 7, H, 0x01},
      {0, 0, 100, H, 0x04},
      {0, 0, 12799, H, 0xff},
      {0, 1, 12799, H, 0x05},
      {1, 0, 0, H, 0x03}},
     {"marker 0x06 at 0x00032001", "marker 0x06 at 0x00000051", "marker 0x01 at 0x00032071",
      "marker 0x04 at 0x00000641", "marker 0xff at 0x00031ff1", "marker 0x05 at 0x00063ff1"},
     [](const Archive& archive) {
       Archive expected = archive;
       expected.mark(0, 1, 0, H, 0x02);
       expected.mark(0, 0, 5, H, 0x02);
       return Tracks{expected.interleaved(0)};
     }},
    // A loop end or end of stream ends the track wherever it stands, filler or not; the rest of
    // its pair is dropped and the next track begins with the next pair.
    {"a loop end first",
     2,
     0,
     {{0, 0, 0, H, 0x03}},
     {"marker 0x03 at 0x00000001", kBegin1},
     [](const Archive& a) {
       return Tracks{a.frame(0, 0, 0) + kEndFrame, a.interleaved(1)};
     }},
    {"an end of stream in channel 1",
     2,
     0,
     {{0, 1, 5, H, 0x07}},
     {"marker 0x07 at 0x00032051", kBegin1},
     [](const Archive& a) {
       return Tracks{a.interleaved(0, 0, 6), a.interleaved(1)};
     }},
    {"a loop end last in the pair",
     2,
     0,
     {{0, 1, 12799, H, 0x03}},
     {"marker 0x03 at 0x00063ff1", kBegin1},
     [](const Archive& a) {
       return Tracks{a.interleaved(0) + kEndFrame, a.interleaved(1)};
     }},
    {"a loop end on filler",
     2,
     0,
     {{0, 0, 9, 0x00, 0x03}},
     {"marker 0x03 at 0x00000091", kBegin1},
     [](const Archive& a) {
       return Tracks{a.interleaved(0, 0, 9) + a.frame(0, 0, 9) + kEndFrame, a.interleaved(1)};
     }},
    {"an end of stream on filler",
     2,
     0,
     {{0, 1, 3, 0x00, 0x07}},
     {"marker 0x07 at 0x00032031", kBegin1},
     [](const Archive& a) {
       return Tracks{a.interleaved(0, 0, 4), a.interleaved(1)};
     }},
    {"tracks ending in consecutive pairs",
     2,
     0,
     {{0, 0, 0, H, 0x07}, {1, 1, 0, H, 0x03}},
     {"marker 0x07 at 0x00000001", kBegin1, "marker 0x03 at 0x00096001",
      "0x000c8000 : begin BGM_002.adpcm"},
     [](const Archive& a) {
       return Tracks{a.frame(0, 0, 0), a.interleaved(1, 0, 1) + kEndFrame, ""};
     }},
    // Filler goes frame by frame and channel by channel, so the alternation of the channels
    // shifts where only one holds filler; a reportable flag on filler is still reported.
    {"filler here and there",
     1,
     0,
     {{0, 0, 2, 0x00, 0x00},
      {0, 1, 2, 0x00, 0x02},
      {0, 0, 4, 0x00, 0x06},
      {0, 1, 6, 0x00, 0x01},
      {0, 0, 8, 0x00, 0x00}},
     {"marker 0x06 at 0x00000041", "marker 0x01 at 0x00032061"},
     [](const Archive& a) {
       return Tracks{a.interleaved(0, 0, 2) + a.interleaved(0, 3, 4) + a.frame(0, 1, 4) +
                     a.interleaved(0, 5, 6) + a.frame(0, 0, 6) + a.interleaved(0, 7, 8) +
                     a.frame(0, 1, 8) + a.interleaved(0, 9)};
     }},
};

TEST(Extraction, SplitsArchivesFrameByFrame) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ToolSandbox sandbox;
    Archive archive(c.pairs, c.trailing_bytes);
    for (const Mark& m : c.marks) archive.mark(m.pair, m.channel, m.k, m.header, m.flag);
    write_file(sandbox.bin / "archive.bin", archive.bytes());
    write_file(sandbox.track_path(0), std::string(kPair + 1, 'x'));  // overwritten from empty

    std::vector<std::string> lines = {"0x00000000 : begin BGM_000.adpcm"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    const RunResult result = sandbox.run({"archive.bin"});
    EXPECT_EQ(result.out, sandbox.output(lines));
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(SameTracks(c.tracks(archive), sandbox.tracks()));
  }
}

// 1001 one-frame tracks from a sparse archive: pairs of zero bytes around one loop end each.
TEST(Extraction, TrackNumbersGrowPastThreeDigits) {
  ToolSandbox sandbox;
  const std::string loop_end = std::string("\x5c\x03", 2) + std::string(14, '\0');
  std::vector<std::pair<std::uint64_t, std::string>> frames;
  for (std::uint64_t pair = 0; pair < 1001; ++pair) frames.emplace_back(pair * kPair, loop_end);
  write_sparse(sandbox.bin / "archive.bin", 1001 * kPair, frames);

  const RunResult result = sandbox.run({"archive.bin"});
  const std::string tail =
      sandbox
          .output({"0x186a0000 : begin BGM_1000.adpcm", "marker 0x03 at 0x186a0001",
                   "0x18704000 : begin BGM_1001.adpcm"})
          .substr(sandbox.output({}).size());
  ASSERT_GE(result.out.size(), tail.size());
  EXPECT_EQ(result.out.substr(result.out.size() - tail.size()), tail);
  EXPECT_EQ(result.status, 0);
  Tracks expected(1001, loop_end + kEndFrame);
  expected.push_back("");
  EXPECT_TRUE(SameTracks(expected, sandbox.tracks()));
}

// Offsets are counted in 64 bits: past 4 GiB they go on growing instead of starting over. The
// tool reads the whole 4 GiB, so this test has a suite of its own, left out of the quick run.
TEST(LargeArchive, OffsetsPastFourGiBAreTrue) {
  ToolSandbox sandbox;
  const std::string loop_end = std::string("\x5c\x03", 2) + std::string(14, '\x33');
  const std::string end_of_stream = std::string("\x5c\x07", 2) + std::string(14, '\x77');
  // Pair 10485 starts at 0xfffb4000; its block 1 holds the frame whose flag is at 4 GiB + 1.
  write_sparse(sandbox.bin / "archive.bin", 10487 * std::uint64_t{kPair},
               {{0xfffb4000 + kBlock + 0x1a000, loop_end}, {0x100018000, end_of_stream}});

  const RunResult result = sandbox.run({"archive.bin"});
  EXPECT_EQ(result.out,
            sandbox.output({"0x00000000 : begin BGM_000.adpcm", "marker 0x03 at 0x100000001",
                            "0x100018000 : begin BGM_001.adpcm", "marker 0x07 at 0x100018001",
                            "0x10007c000 : begin BGM_002.adpcm"}));
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(SameTracks({loop_end + kEndFrame, end_of_stream, ""}, sandbox.tracks()));
}

}  // namespace
}  // namespace vorsplit::testing
