#include <gtest/gtest.h>
#include <unistd.h>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

// A track that fails ends the run with its own line and status, and nothing comes after it: no
// later track, not even the marker line of a frame further on. Track 0, finished before, stays
// whole; track 1 keeps at most what it should hold. It can't be created where a folder is in the
// way, nor where it would replace the archive: lying in the tool's folder under a track's name,
// or reached through a link. A full disk (a small tmpfs, which only root can mount) strikes
// inside a track, at the close of a short track, or at the last flush.
void check_failing_track(bool full_disk) {
  Archive archive(2), inside(2), at_close(2), at_last_flush(2);
  for (Archive* a : {&archive, &inside, &at_close, &at_last_flush}) a->mark(0, 0, 0, 0x5c, 0x03);
  inside.mark(1, 1, 12000, 0x5c, 0x01);  // track 1 outgrows the track buffer and the disk
  at_close.mark(1, 0, 1, 0x5c, 0x03);
  for (std::size_t k = 1; k < kFramesPerBlock; ++k) {
    at_last_flush.mark(1, 0, k, 0x00, 0x00);
    at_last_flush.mark(1, 1, k, 0x00, 0x00);
  }
  const std::string cant_open = "Can't open file BGM_001.adpcm",
                    cant_write = "Can't write file BGM_001.adpcm";
  const struct {
    std::string in_the_way;
    const Archive& archive;
    std::uint64_t room;              // on a tmpfs, of which track 0 takes a page; 0: no tmpfs
    std::vector<std::string> lines;  // after the begin line of track 1
    std::string track1;              // what it would hold on a roomy disk
  } cases[] = {{"a folder", archive, 0, {cant_open}, ""},
               {"the archive", archive, 0, {cant_open}, archive.bytes},
               {"a link to the archive", archive, 0, {cant_open}, archive.bytes},
               {"a full disk", inside, 0x11000, {cant_write}, inside.interleaved(1)},
               {"a full disk at the close",
                at_close,
                0x1000,
                {"marker 0x03 at 0x00064011", cant_write},
                at_close.interleaved(1, 0, 1) + at_close.frame(1, 0, 1) + kEndFrame},
               {"a full disk at the last flush",
                at_last_flush,
                0x1000,
                {cant_write},
                at_last_flush.interleaved(1, 0, 1)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in_the_way);
    if (kWindowsTool && c.in_the_way == "a link to the archive") continue;  // a Linux link
    if ((c.room > 0) != full_disk) continue;
    ToolSandbox sandbox(c.room > 0 ? std::optional(c.room) : std::nullopt);
    const fs::path path =
        c.in_the_way == "the archive" ? sandbox.track_path(1) : sandbox.root / "archive.bin";
    write_file(path, c.archive.bytes);
    if (c.in_the_way == "a folder") fs::create_directory(sandbox.track_path(1));
    if (c.in_the_way == "a link to the archive") fs::create_symlink(path, sandbox.track_path(1));
    std::vector<std::string> lines = {"0x00000000 : begin BGM_000.adpcm",
                                      "marker 0x03 at 0x00000001",
                                      "0x00064000 : begin BGM_001.adpcm"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(sandbox.run({sandbox.absolute_arg(path)}), sandbox.output(lines, c.room ? 4 : 3));
    EXPECT_EQ(read_file(sandbox.track_path(0)), archive.frame(0, 0, 0) + kEndFrame);
    const std::string track1 = c.in_the_way == "a folder" ? "" : read_file(sandbox.track_path(1));
    EXPECT_EQ(track1, c.track1.substr(0, track1.size()));
    EXPECT_EQ(track1.size() < c.track1.size(), c.room > 0) << "a full disk leaves a prefix";
  }
}

TEST(Failure, FailingTrackEndsTheRun) { check_failing_track(false); }

TEST(Failure, FullDiskEndsTheRun) {
  if (geteuid() != 0) GTEST_SKIP() << "skipped: mounting the tmpfs of a full disk needs root";
  check_failing_track(true);
}

}  // namespace
}  // namespace vorsplit::testing
