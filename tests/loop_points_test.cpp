#include <gtest/gtest.h>

#include "tool_sandbox.h"

namespace vorsplit::testing {
namespace {

constexpr unsigned char H = 0x5c, F = 0x00;  // a header that is not filler, and filler's

// The loop points vorloop gives each track of an archive that vorsplit has split, as exact files,
// one row a case: "" where a track has none. A track loops from the last loop start of channel
// 0 (else of channel 1, else its start), counted in the frames of that channel the track holds,
// to the last pair of two archive frames; 28 samples a frame.
TEST(LoopPoints, EachTrackGetsItsLoop) {
  const struct {
    const char* loop_case;
    Archive archive;
    std::vector<std::string> txtps;
  } rows[] = {
      {"filler before the loop start, more in channel 0",
       Archive(1, {{0, 0, 0, F, 0},
                   {0, 0, 1, F, 0},
                   {0, 0, 2, F, 0},
                   {0, 1, 0, F, 0},
                   {0, 0, 5, H, 0x06},
                   {0, 1, 5, H, 0x06},
                   {0, 0, 100, H, 0x03}}),
       {"BGM_000.adpcm #I 56 2744\n", ""}},
      {"a loop start on filler",
       Archive(1, {{0, 0, 5, F, 0x06}, {0, 0, 10, H, 0x03}}),
       {"BGM_000.adpcm #I 140 280\n", ""}},
      {"two loop starts",
       Archive(1, {{0, 0, 3, H, 0x06}, {0, 0, 10, H, 0x06}, {0, 0, 20, H, 0x03}}),
       {"BGM_000.adpcm #I 280 560\n", ""}},
      {"a loop start in channel 1 only",
       Archive(1, {{0, 1, 1, F, 0}, {0, 1, 7, H, 0x06}, {0, 0, 20, H, 0x03}}),
       {"BGM_000.adpcm #I 168 560\n", ""}},
      {"no loop start", Archive(1, {{0, 0, 20, H, 0x03}}), {"BGM_000.adpcm #I 0 560\n", ""}},
      {"a loop end in channel 1",
       Archive(1, {{0, 0, 1, H, 0x06}, {0, 1, 20, H, 0x03}}),
       {"BGM_000.adpcm #I 28 588\n", ""}},
      {"an end of stream",
       Archive(1, {{0, 0, 1, H, 0x06}, {0, 0, 20, H, 0x07}}),
       {"BGM_000.adpcm\n", ""}},
      {"a loop that spans pairs",
       Archive(2, {{0, 0, 12790, H, 0x06}, {1, 0, 5, H, 0x03}}),
       {"BGM_000.adpcm #I 358120 358540\n", ""}},
      {"tracks too short to play, or to loop",
       Archive(2, {{0, 0, 0, H, 0x07}, {1, 0, 0, H, 0x03}}),
       {"", "BGM_001.adpcm\n", ""}},
      {"the archive's last track",
       Archive(2, {{0, 0, 1, H, 0x06}, {0, 0, 3, H, 0x03}, {1, 0, 2, H, 0x06}}),
       {"BGM_000.adpcm #I 28 84\n", "BGM_001.adpcm\n"}},
  };
  ToolSandbox sandbox;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.loop_case);
    for (const fs::directory_entry& file : fs::directory_iterator(sandbox.bin)) {
      if (file.path().filename().string().starts_with("BGM_")) fs::remove(file.path());
    }
    write_file(sandbox.bin / "archive.bin", row.archive.bytes);
    ASSERT_TRUE(sandbox.run({"archive.bin"}).ends_with("exit status 0"));
    EXPECT_TRUE(sandbox.run(sandbox.vorloop, {"archive.bin"}).ends_with("exit status 0"));
    std::vector<std::string> txtps;
    for (int n = 0; fs::exists(sandbox.track_path(n)); ++n) {
      const fs::path txtp = sandbox.track_path(n, ".txtp");
      txtps.push_back(fs::exists(txtp) ? read_file(txtp) : "");
    }
    EXPECT_EQ(txtps, row.txtps);
  }
}

// vorloop fails as vorsplit does, each failure with its line and status, and goes no further:
// no archive; a folder in the way of a track's loop points, or the archive itself, named like
// them; a full disk. Where a track file beside it is missing or of another size, it writes every
// track's loop points all the same, and says which tracks may not fit them. It never writes a
// track file, nor changes the archive. Only root can mount the tmpfs of a full disk.
void check_loop_failures(bool full_disk) {
  const Archive archive(2, {{0, 0, 1, H, 0x03}});
  const std::string loops0 = "BGM_000.txtp : loops from sample 0 to 28",
                    cant_open = "Can't open file BGM_001.txtp";
  const struct {
    std::string what;
    bool split_first;
    std::vector<std::string> lines;
    int status;
  } cases[] = {
      {"no archive", false, {"Can't open file 無い.bin"}, 1},
      {"a folder", true, {loops0, cant_open}, 3},
      {"the archive", true, {loops0, cant_open}, 3},
      {"a full disk", false, {"Can't write file BGM_000.txtp"}, 4},
      {"tracks that do not fit",
       false,
       {loops0, "Track BGM_000.adpcm is missing: split the archive with vorsplit first",
        "BGM_001.txtp : plays once",
        "Track BGM_001.adpcm has 5 bytes, but this archive gives it 409600: it came from another "
        "archive, or was changed"},
       6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if ((c.what == "a full disk") != full_disk) continue;
    ToolSandbox sandbox(full_disk ? std::optional<std::uint64_t>(0) : std::nullopt);
    const fs::path path = c.what == "the archive"  ? sandbox.track_path(1, ".txtp")
                          : c.what == "no archive" ? sandbox.caller / "無い.bin"
                                                   : sandbox.root / "archive.bin";
    const std::string arg = c.what == "no archive" ? "無い.bin" : sandbox.absolute_arg(path);
    if (c.what != "no archive") write_file(path, archive.bytes);
    if (c.split_first) {
      ASSERT_TRUE(sandbox.run({arg}).ends_with("exit status 0"));
    }
    if (c.what == "a folder") fs::create_directory(sandbox.track_path(1, ".txtp"));
    if (c.what == "tracks that do not fit") write_file(sandbox.track_path(1), "short");
    EXPECT_EQ(sandbox.run(sandbox.vorloop, {arg}),
              sandbox.output(c.lines, c.status, kVorloopBanner));
    if (c.what != "no archive") {
      EXPECT_EQ(read_file(path), archive.bytes);
    }
    if (!c.split_first) {
      EXPECT_FALSE(fs::exists(sandbox.track_path(0)));
    }
  }
}

TEST(LoopPoints, FailuresAndTracksThatDoNotFit) { check_loop_failures(false); }

TEST(LoopPoints, FullDisk) {
  if (geteuid() != 0) GTEST_SKIP() << "skipped: mounting the tmpfs of a full disk needs root";
  check_loop_failures(true);
}

}  // namespace
}  // namespace vorsplit::testing
