#include <gtest/gtest.h>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

const std::string kBegin0 = "0x00000000 : begin BGM_000.adpcm";

// Two pairs, the first of them a one-frame track.
Archive two_tracks() {
  Archive archive(2);
  archive.mark(0, 0, 0, 0x5c, 0x03);
  return archive;
}

// A folder where a track file should go makes that track impossible to create.
TEST(Failure, TrackThatCannotBeCreatedEndsTheRun) {
  const Archive archive = two_tracks();
  const struct {
    int blocked;
    std::vector<std::string> lines;
    Tracks tracks;
  } cases[] = {
      {0, {kBegin0, "Can't open file BGM_000.adpcm"}, {}},
      {1,
       {kBegin0, "marker 0x03 at 0x00000001", "0x00064000 : begin BGM_001.adpcm",
        "Can't open file BGM_001.adpcm"},
       {archive.frame(0, 0, 0) + kEndFrame}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.blocked);
    ToolSandbox sandbox;
    write_file(sandbox.bin / "archive.bin", archive.bytes());
    fs::create_directory(sandbox.track_path(c.blocked));
    const RunResult result = sandbox.run({"archive.bin"});
    EXPECT_EQ(result.out, sandbox.output(c.lines));
    EXPECT_EQ(result.status, 3);
    EXPECT_TRUE(SameTracks(c.tracks, sandbox.tracks()));
  }
}

// The archive may lie in the tool's folder under a track's name: that track is refused instead
// of truncating the archive.
TEST(Failure, ArchiveNamedLikeATrackIsNeverOverwritten) {
  ToolSandbox sandbox;
  const Archive archive = two_tracks();
  write_file(sandbox.bin / "BGM_001.adpcm", archive.bytes());
  const RunResult result = sandbox.run({"BGM_001.adpcm"});
  EXPECT_EQ(result.out,
            sandbox.output({kBegin0, "marker 0x03 at 0x00000001",
                            "0x00064000 : begin BGM_001.adpcm", "Can't open file BGM_001.adpcm"}));
  EXPECT_EQ(result.status, 3);
  EXPECT_TRUE(SameTracks({archive.frame(0, 0, 0) + kEndFrame, archive.bytes()}, sandbox.tracks()));
}

TEST(Failure, ArchiveReachedThroughALinkIsNeverOverwritten) {
  if (ToolSandbox::windows_tool()) GTEST_SKIP() << "the links are made as Linux links";
  ToolSandbox sandbox;
  const fs::path archive = sandbox.root / "archive.bin";
  write_file(archive, two_tracks().bytes());
  for (const bool hard : {false, true}) {
    SCOPED_TRACE(hard ? "hard link" : "symbolic link");
    fs::remove(sandbox.track_path(0));
    hard ? fs::create_hard_link(archive, sandbox.track_path(0))
         : fs::create_symlink(archive, sandbox.track_path(0));
    const RunResult result = sandbox.run({sandbox.absolute_arg(archive)});
    EXPECT_EQ(result.out, sandbox.output({kBegin0, "Can't open file BGM_000.adpcm"}));
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(read_file(archive), two_tracks().bytes()) << "the archive was damaged";
  }
}

// Every write, and the close that flushes the last frames, can meet a full disk.
TEST(Failure, FullDiskIsReportedWhereverItStrikes) {
  if (ToolSandbox::windows_tool()) GTEST_SKIP() << "a full disk is /dev/full, which Wine lacks";
  Archive long_track(1);  // more than the track buffer holds
  Archive closed_by_loop_end(1);
  closed_by_loop_end.mark(0, 0, 1, 0x5c, 0x03);
  Archive short_last_track(1);
  for (std::size_t k = 1; k < kFramesPerBlock; ++k) {
    short_last_track.mark(0, 0, k, 0x00, 0x00);
    short_last_track.mark(0, 1, k, 0x00, 0x00);
  }
  const std::string failure = "Can't write file BGM_000.adpcm";
  for (const auto& [archive, lines] :
       {std::pair{long_track, std::vector<std::string>{kBegin0, failure}},
        std::pair{closed_by_loop_end,
                  std::vector<std::string>{kBegin0, "marker 0x03 at 0x00000011", failure}},
        std::pair{short_last_track, std::vector<std::string>{kBegin0, failure}}}) {
    SCOPED_TRACE(lines.size());
    ToolSandbox sandbox;
    write_file(sandbox.bin / "archive.bin", archive.bytes());
    fs::create_symlink("/dev/full", sandbox.track_path(0));
    const RunResult result = sandbox.run({"archive.bin"});
    EXPECT_EQ(result.out, sandbox.output(lines));
    EXPECT_EQ(result.status, 4);
    EXPECT_FALSE(fs::exists(sandbox.track_path(1)));
  }
}

TEST(Failure, ReadErrorIsNotTheEndOfTheArchive) {
  if (ToolSandbox::windows_tool()) GTEST_SKIP() << "a read error is /proc/self/mem, Linux's own";
  ToolSandbox sandbox;
  const RunResult result = sandbox.run({"/proc/self/mem"});
  EXPECT_EQ(result.out, sandbox.output({kBegin0, "Can't read file /proc/self/mem"}));
  EXPECT_EQ(result.status, 5);
  EXPECT_TRUE(SameTracks({""}, sandbox.tracks()));
}

}  // namespace
}  // namespace vorsplit::testing
