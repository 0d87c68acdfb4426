#include <gtest/gtest.h>

#include <iterator>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

// What each kind of argument gives, run by run in one folder. The tool moves to its own folder
// first: a relative archive path is found there, not in the caller's folder, and the tracks land
// there, never in the caller's folder nor beside the archive. Without an archive it prints its
// usage; a missing archive or a folder it refuses, echoing the name as given, and creates
// nothing. An archive without a whole pair, or that ends in a read error, leaves one empty track.
TEST(FrontEnd, EachArgumentGivesItsOutcome) {
  ToolSandbox sandbox;
  Archive archive(1);
  archive.mark(0, 1, 0, 0x5c, 0x03);
  fs::create_directory(sandbox.bin / "folder");
  write_file(sandbox.bin / "空.bin", "");
  write_file(sandbox.bin / "短い.bin", std::string(kPair - 1, '\x5c'));
  write_file(sandbox.bin / "音楽.bin", archive.bytes);
  write_file(sandbox.caller / "音楽.bin", Archive(1).bytes);
  write_file(sandbox.caller / "無い.bin", "");
  fs::create_directory(sandbox.root / "遠く");
  write_file(sandbox.root / "遠く" / "曲.bin", archive.bytes);
  const std::string begin0 = "0x00000000 : begin BGM_000.adpcm";
  const std::vector<std::string> split = {begin0, "marker 0x03 at 0x00032001",
                                          "0x00064000 : begin BGM_001.adpcm"};
  const Tracks tracks = {archive.interleaved(0, 0, 1) + kEndFrame, ""};
  const struct {
    std::vector<std::string> args, lines;
    int status;
    Tracks tracks;
  } cases[] = {{{}, {"usage : vorsplit targetfile"}, 0, {}},
               {{"無い.bin"}, {"Can't open file 無い.bin"}, 1, {}},
               {{"folder"}, {"Can't open file folder"}, 1, {}},
               {{"/proc/self/mem"}, {begin0, "Can't read file /proc/self/mem"}, 5, {""}},
               {{"空.bin"}, {begin0}, 0, {""}},
               {{"短い.bin"}, {begin0}, 0, {""}},
               {{"音楽.bin", "ignored", "also ignored"}, split, 0, tracks},
               {{sandbox.absolute_arg(sandbox.root / "遠く" / "曲.bin")}, split, 0, tracks}};
  for (const auto& c : cases) {
    if (kWindowsTool && c.status == 5) continue;  // a read error is /proc/self/mem, Linux's own
    SCOPED_TRACE(c.lines.back());
    EXPECT_EQ(sandbox.run(c.args), sandbox.output(c.lines, c.status));
    EXPECT_EQ(sandbox.tracks(), summary(c.tracks));
    EXPECT_EQ(std::distance(fs::directory_iterator(sandbox.caller), {}), 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(sandbox.root / "遠く"), {}), 1);
  }
}

}  // namespace
}  // namespace vorsplit::testing
