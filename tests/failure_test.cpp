#include <gtest/gtest.h>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

constexpr unsigned char kHeader = 0x5c;

// A folder where a track file should go makes that track impossible to create.
TEST(Failure, TrackThatCannotBeCreatedEndsTheRun) {
  ToolSandbox sandbox;
  Archive archive(2);
  archive.mark(0, 0, 0, kHeader, 0x03);
  archive.save(sandbox.bin() / "archive.bin");

  fs::create_directory(sandbox.track_path(1));
  RunResult result = sandbox.run({"archive.bin"});
  EXPECT_EQ(result.out,
            sandbox.output({"0x00000000 : begin BGM_000.adpcm", "marker 0x03 at 0x00000001",
                            "0x00064000 : begin BGM_001.adpcm", "Can't open file BGM_001.adpcm"}));
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(sandbox.track(0), archive.frame(0, 0, 0) + kEndFrame);

  fs::remove(sandbox.track_path(0));
  fs::create_directory(sandbox.track_path(0));
  result = sandbox.run({"archive.bin"});
  EXPECT_EQ(result.out,
            sandbox.output({"0x00000000 : begin BGM_000.adpcm", "Can't open file BGM_000.adpcm"}));
  EXPECT_EQ(result.status, 3);
}

// Every write, and the close that flushes the last frames, goes to a full disk.
TEST(Failure, FullDiskIsReportedWhereverItStrikes) {
  if (ToolSandbox::windows_tool())
    GTEST_SKIP() << "a full disk is made with /dev/full, which Wine can't open";
  Archive long_track(1);
  Archive closed_by_loop_end(1);
  closed_by_loop_end.mark(0, 0, 1, kHeader, 0x03);
  Archive short_last_track(1);
  for (std::size_t k = 1; k < kFramesPerBlock; ++k) {
    short_last_track.mark(0, 0, k, 0x00, 0x00);
    short_last_track.mark(0, 1, k, 0x00, 0x00);
  }
  struct Case {
    const char* what;
    const Archive& archive;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"a long track",
       long_track,
       {"0x00000000 : begin BGM_000.adpcm", "Can't write file BGM_000.adpcm"}},
      {"the close after a loop end",
       closed_by_loop_end,
       {"0x00000000 : begin BGM_000.adpcm", "marker 0x03 at 0x00000011",
        "Can't write file BGM_000.adpcm"}},
      {"the close at the end",
       short_last_track,
       {"0x00000000 : begin BGM_000.adpcm", "Can't write file BGM_000.adpcm"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ToolSandbox sandbox;
    c.archive.save(sandbox.bin() / "archive.bin");
    fs::create_symlink("/dev/full", sandbox.track_path(0));
    const RunResult result = sandbox.run({"archive.bin"});
    EXPECT_EQ(result.out, sandbox.output(c.lines));
    EXPECT_EQ(result.status, 4);
    EXPECT_FALSE(fs::exists(sandbox.track_path(1)));
  }
}

// The archive may lie in the tool's folder under a track's name, or be reached through a link
// from one: that track is refused instead of truncating the archive.
TEST(Failure, ArchiveNamedLikeATrackIsNeverOverwritten) {
  ToolSandbox sandbox;
  Archive archive(2);
  archive.mark(0, 0, 0, kHeader, 0x03);
  archive.save(sandbox.bin() / "BGM_001.adpcm");
  const RunResult result = sandbox.run({"BGM_001.adpcm"});
  EXPECT_EQ(result.out,
            sandbox.output({"0x00000000 : begin BGM_000.adpcm", "marker 0x03 at 0x00000001",
                            "0x00064000 : begin BGM_001.adpcm", "Can't open file BGM_001.adpcm"}));
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(sandbox.track(0), archive.frame(0, 0, 0) + kEndFrame);
  EXPECT_TRUE(SameFrames(archive.bytes(), sandbox.track(1))) << "the archive was damaged";
}

TEST(Failure, ArchiveReachedThroughALinkIsNeverOverwritten) {
  if (ToolSandbox::windows_tool()) GTEST_SKIP() << "the links are made as Linux links";
  ToolSandbox sandbox;
  const fs::path elsewhere = sandbox.root() / "archive.bin";
  Archive(1).save(elsewhere);
  for (const bool hard : {false, true}) {
    SCOPED_TRACE(hard ? "hard link" : "symbolic link");
    fs::remove(sandbox.track_path(0));
    hard ? fs::create_hard_link(elsewhere, sandbox.track_path(0))
         : fs::create_symlink(elsewhere, sandbox.track_path(0));
    const RunResult result = sandbox.run({sandbox.absolute_arg(elsewhere)});
    EXPECT_EQ(result.out, sandbox.output({"0x00000000 : begin BGM_000.adpcm",
                                          "Can't open file BGM_000.adpcm"}));
    EXPECT_EQ(result.status, 3);
    EXPECT_TRUE(SameFrames(Archive(1).bytes(), read_file(elsewhere))) << "the archive was damaged";
  }
}

TEST(Failure, ReadErrorIsNotTheEndOfTheArchive) {
  if (ToolSandbox::windows_tool())
    GTEST_SKIP() << "a read error is made with /proc/self/mem, which is Linux's";
  ToolSandbox sandbox;
  const RunResult result = sandbox.run({"/proc/self/mem"});
  EXPECT_EQ(result.out,
            sandbox.output({"0x00000000 : begin BGM_000.adpcm", "Can't read file /proc/self/mem"}));
  EXPECT_EQ(result.status, 5);
  EXPECT_EQ(sandbox.track(0), "");
}

}  // namespace
}  // namespace vorsplit::testing
