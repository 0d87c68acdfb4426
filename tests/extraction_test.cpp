#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

constexpr unsigned char H = 0x5c;  // a header that is not filler
const std::string kBegin0 = "0x00000000 : begin BGM_000.adpcm";

// One archive that carries every rule of the frame walk, a pair for each way a track ends, and an
// unfinished pair. In pair 0: loop starts, which become loop bodies; filler, dropped, and
// reported unless its flag is plain or loop body; filler in one channel only, where the other's
// frame takes its place; and other flags, reported and written as they are. Then a loop end on
// filler, an end of stream in channel 1 after its partner, a loop end first in its pair, before
// its partner, an end of stream on filler, a loop end last in its pair, and one in the
// unfinished pair, never looked at.
TEST(Extraction, SplitsFrameByFrame) {
  const std::vector<Archive::Mark> marks = {
      {0, 1, 0, H, 0x06},     {0, 0, 5, H, 0x06},     {0, 0, 2, 0x00, 0x00}, {0, 1, 2, 0x00, 0x06},
      {0, 0, 3, 0x00, 0x02},  {0, 1, 7, H, 0x01},     {0, 0, 100, H, 0x04},  {0, 0, 12799, H, 0xff},
      {0, 1, 12799, H, 0x05}, {1, 0, 9, 0x00, 0x03},  {2, 1, 5, H, 0x07},    {3, 0, 0, H, 0x03},
      {4, 1, 3, 0x00, 0x07},  {5, 1, 12799, H, 0x03}, {6, 0, 0, H, 0x03}};
  const Archive a(6, marks, kBlock + kFrame);
  Archive rewritten = a;
  rewritten.mark(0, 1, 0, H, 0x02);
  rewritten.mark(0, 0, 5, H, 0x02);

  ToolSandbox sandbox;
  write_file(sandbox.track_path(0), std::string(kPair + 1, 'x'));  // overwritten from empty
  write_file(sandbox.bin / "archive.bin", a.bytes);
  EXPECT_EQ(sandbox.run({"archive.bin"}),
            sandbox.output({kBegin0, "marker 0x06 at 0x00032001", "marker 0x06 at 0x00032021",
                            "marker 0x06 at 0x00000051", "marker 0x01 at 0x00032071",
                            "marker 0x04 at 0x00000641", "marker 0xff at 0x00031ff1",
                            "marker 0x05 at 0x00063ff1", "marker 0x03 at 0x00064091",
                            "0x000c8000 : begin BGM_001.adpcm", "marker 0x07 at 0x000fa051",
                            "0x0012c000 : begin BGM_002.adpcm", "marker 0x03 at 0x0012c001",
                            "0x00190000 : begin BGM_003.adpcm", "marker 0x07 at 0x001c2031",
                            "0x001f4000 : begin BGM_004.adpcm", "marker 0x03 at 0x00257ff1",
                            "0x00258000 : begin BGM_005.adpcm"}));
  EXPECT_EQ(
      summary({rewritten.interleaved(0, 0, 2) + a.frame(0, 1, 3) + rewritten.interleaved(0, 4) +
                   a.interleaved(1, 0, 9) + a.frame(1, 0, 9) + kEndFrame,
               a.interleaved(2, 0, 6), a.frame(3, 0, 0) + kEndFrame, a.interleaved(4, 0, 4),
               a.interleaved(5) + kEndFrame, ""}),
      sandbox.tracks());
}

// A sparse archive past 4 GiB, zero bytes (filler) but for a loop end at the start of each of
// its first 1001 pairs, and two frames beyond 4 GiB: track names grow past three digits, and
// offsets go on growing past 4 GiB instead of starting over.
TEST(Extraction, CountsTracksAndOffsetsWithoutLimit) {
  ToolSandbox sandbox;
  const std::string loop_end = std::string("\x5c\x03", 2) + std::string(14, '\x33');
  const std::string end_of_stream = std::string("\x5c\x07", 2) + kEndFrame.substr(2);
  {
    std::ofstream out(sandbox.bin / "archive.bin", std::ios::binary);
    for (std::uint64_t pair = 0; pair < 1001; ++pair) out.seekp(pair * kPair) << loop_end;
    // Pair 10485 starts at 0xfffb4000; its block 1 holds the frame whose flag is at 4 GiB + 1.
    out.seekp(0xfffb4000 + kBlock + 0x1a000) << loop_end;
    out.seekp(0x100018000) << end_of_stream;
  }
  fs::resize_file(sandbox.bin / "archive.bin", 10487 * std::uint64_t{kPair});

  const std::string out = sandbox.run({"archive.bin"}), tail = "0x186a0000 : begin BGM_1000";
  const std::string expected_out =
      sandbox.output({"0x186a0000 : begin BGM_1000.adpcm", "marker 0x03 at 0x186a0001",
                      "0x18704000 : begin BGM_1001.adpcm", "marker 0x03 at 0x100000001",
                      "0x100018000 : begin BGM_1002.adpcm", "marker 0x07 at 0x100018001",
                      "0x10007c000 : begin BGM_1003.adpcm"});
  EXPECT_EQ(out.substr(std::min(out.find(tail), out.size())),
            expected_out.substr(expected_out.find(tail)));
  Tracks expected(1002, loop_end + kEndFrame);
  expected.insert(expected.end(), {end_of_stream, ""});
  EXPECT_EQ(summary(expected), sandbox.tracks());
}

}  // namespace
}  // namespace vorsplit::testing
