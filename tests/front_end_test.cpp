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
  EXPECT_EQ(sandbox.files_in(sandbox.bin()), Names{});
  EXPECT_EQ(sandbox.files_in(sandbox.caller()), Names{});
}

TEST(FrontEnd, RefusesWhatIsNoArchive) {
  ToolSandbox sandbox;
  fs::create_directory(sandbox.bin() / "folder");
  fs::create_directory(sandbox.root() / "elsewhere");
  const std::string cases[] = {
      "missing.bin",  // looked up in the tool's folder
      sandbox.absolute_arg(sandbox.root() / "missing.bin"),
      "folder",
      sandbox.absolute_arg(sandbox.root() / "elsewhere"),
      "with space and 'quote'",
  };
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    const RunResult result = sandbox.run({path});
    EXPECT_EQ(result.out, sandbox.output({"Can't open file " + path}));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(sandbox.files_in(sandbox.bin()), Names{"folder"});
    EXPECT_EQ(sandbox.files_in(sandbox.caller()), Names{});
  }
}

// The tool moves to its own folder first: a relative archive path is found there, not in the
// caller's folder, and the tracks land there, not beside an archive that lies elsewhere.
TEST(FrontEnd, WorksInItsOwnFolderWhereverItIsStartedFrom) {
  ToolSandbox sandbox;
  Archive archive(1);
  archive.mark(0, 1, 0, 0x5c, 0x03);
  archive.save(sandbox.bin() / "beside.bin");
  archive.save(sandbox.caller() / "beside.bin");  // must be ignored
  fs::create_directory(sandbox.root() / "far");
  archive.save(sandbox.root() / "far" / "away.bin");
  const std::string expected_track = archive.frame(0, 0, 0) + archive.frame(0, 1, 0) + kEndFrame;

  const std::vector<std::string> cases[] = {
      {"beside.bin", "ignored", "also ignored"},
      {sandbox.absolute_arg(sandbox.root() / "far" / "away.bin")},
  };
  for (const std::vector<std::string>& args : cases) {
    SCOPED_TRACE(args[0]);
    const RunResult result = sandbox.run(args);
    EXPECT_EQ(result.out,
              sandbox.output({"0x00000000 : begin BGM_000.adpcm", "marker 0x03 at 0x00032001",
                              "0x00064000 : begin BGM_001.adpcm"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(SameFrames(expected_track, sandbox.track(0)));
    EXPECT_EQ(sandbox.track(1), "");
    EXPECT_EQ(sandbox.files_in(sandbox.bin()),
              (Names{"BGM_000.adpcm", "BGM_001.adpcm", "beside.bin"}));
    EXPECT_EQ(sandbox.files_in(sandbox.caller()), Names{"beside.bin"});
    EXPECT_EQ(sandbox.files_in(sandbox.root() / "far"), Names{"away.bin"});
  }
}

}  // namespace
}  // namespace vorsplit::testing
