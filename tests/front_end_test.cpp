#include <gtest/gtest.h>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

using Names = std::vector<std::string>;

TEST(FrontEnd, WithoutArgumentPrintsUsageAndTouchesNothing) {
  ToolSandbox sandbox;
  const RunResult result = sandbox.run({});
  EXPECT_EQ(result.out, sandbox.output({"usage : vorsplit targetfile"}));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(sandbox.files_in(sandbox.bin), Names{});
  EXPECT_EQ(sandbox.files_in(sandbox.caller), Names{});
}

TEST(FrontEnd, RefusesWhatIsNoArchive) {
  ToolSandbox sandbox;
  fs::create_directory(sandbox.bin / "folder");
  fs::create_directory(sandbox.root / "elsewhere");
  write_file(sandbox.caller / "無い.bin", "");  // only the tool's own folder counts
  for (const std::string& path :
       {std::string("無い.bin"), std::string("folder"),
        sandbox.absolute_arg(sandbox.root / "無い.bin"),
        sandbox.absolute_arg(sandbox.root / "elsewhere"), std::string("with space and 'quote'")}) {
    SCOPED_TRACE(path);
    const RunResult result = sandbox.run({path});
    EXPECT_EQ(result.out, sandbox.output({"Can't open file " + path}));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(sandbox.files_in(sandbox.bin), Names{"folder"});
  }
}

// The tool moves to its own folder first: a relative archive path is found there, not in the
// caller's folder, and the tracks land there, not in the caller's folder nor beside the archive.
TEST(FrontEnd, WorksInItsOwnFolderWhereverItIsStartedFrom) {
  ToolSandbox sandbox;
  Archive archive(1);
  archive.mark(0, 1, 0, 0x5c, 0x03);
  write_file(sandbox.bin / "音楽.bin", archive.bytes());
  write_file(sandbox.caller / "音楽.bin", Archive(1).bytes());
  fs::create_directory(sandbox.root / "遠く");
  write_file(sandbox.root / "遠く" / "ミュージック.bin", archive.bytes());

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"音楽.bin", "ignored", "also ignored"},
        std::vector<std::string>{
            sandbox.absolute_arg(sandbox.root / "遠く" / "ミュージック.bin")}}) {
    SCOPED_TRACE(args[0]);
    const RunResult result = sandbox.run(args);
    EXPECT_EQ(result.out,
              sandbox.output({"0x00000000 : begin BGM_000.adpcm", "marker 0x03 at 0x00032001",
                              "0x00064000 : begin BGM_001.adpcm"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(SameTracks({archive.interleaved(0, 0, 1) + kEndFrame, ""}, sandbox.tracks()));
    EXPECT_EQ(sandbox.files_in(sandbox.caller), Names{"音楽.bin"});
    EXPECT_EQ(sandbox.files_in(sandbox.root / "遠く"), Names{"ミュージック.bin"});
  }
}

}  // namespace
}  // namespace vorsplit::testing
