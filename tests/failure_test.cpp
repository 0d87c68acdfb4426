#include <gtest/gtest.h>
#include <unistd.h>

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

// A full disk strikes inside a track, at the close of a short track, or at the last flush. The
// tool stops at the first failed write: nothing after it, not even the marker line of a frame
// further on, and no later track. Earlier tracks stay whole.
TEST(Failure, FullDiskIsReportedWhereverItStrikes) {
  if (geteuid() != 0) GTEST_SKIP() << "mounting the small tmpfs of a full disk needs root";
  const std::string begin1 = "0x00064000 : begin BGM_001.adpcm";
  const std::string failure = "Can't write file BGM_001.adpcm";
  Archive inside_track = two_tracks();  // track 1 outgrows the track buffer and the disk
  inside_track.mark(1, 1, 12000, 0x5c, 0x01);
  Archive at_close = two_tracks();
  at_close.mark(1, 0, 1, 0x5c, 0x03);
  Archive at_last_flush = two_tracks();
  for (std::size_t k = 1; k < kFramesPerBlock; ++k) {
    at_last_flush.mark(1, 0, k, 0x00, 0x00);
    at_last_flush.mark(1, 1, k, 0x00, 0x00);
  }
  const struct {
    const char* what;
    const Archive& archive;
    std::uint64_t room;  // one page is taken by track 0
    std::vector<std::string> lines;
    std::string track1;  // what it would hold on a roomy disk
  } cases[] = {
      {"inside a track", inside_track, 0x11000, {begin1, failure}, inside_track.interleaved(1)},
      {"at the close",
       at_close,
       0x1000,
       {begin1, "marker 0x03 at 0x00064011", failure},
       at_close.interleaved(1, 0, 1) + at_close.frame(1, 0, 1) + kEndFrame},
      {"at the last flush",
       at_last_flush,
       0x1000,
       {begin1, failure},
       at_last_flush.interleaved(1, 0, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ToolSandbox sandbox(c.room);
    write_file(sandbox.root / "archive.bin", c.archive.bytes());
    std::vector<std::string> lines = {kBegin0, "marker 0x03 at 0x00000001"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    const RunResult result = sandbox.run({sandbox.absolute_arg(sandbox.root / "archive.bin")});
    EXPECT_EQ(result.out, sandbox.output(lines));
    EXPECT_EQ(result.status, 4);
    const Tracks tracks = sandbox.tracks();
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0], c.archive.frame(0, 0, 0) + kEndFrame);
    EXPECT_LT(tracks[1].size(), c.track1.size());
    EXPECT_EQ(tracks[1], c.track1.substr(0, tracks[1].size()));
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
