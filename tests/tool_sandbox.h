#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vorsplit::testing {

namespace fs = std::filesystem;
using Tracks = std::vector<std::string>;

// The layout as the tool's users know it, restated on purpose: a test that borrowed the tool's
// constants would agree with any mistake in them.
inline constexpr std::size_t kFrame = 16;
inline constexpr std::size_t kFramesPerBlock = 12800;
inline constexpr std::size_t kBlock = 204800;
inline constexpr std::size_t kPair = 409600;
inline const std::string kEndFrame = std::string("\x00\x07", 2) + std::string(14, '\x77');

// A synthetic archive whose frames tell where they came from: the sample bytes hold the pair,
// the channel and the position, so a lost or misplaced frame shows at once. Every frame starts
// as a plain frame with a header that is not filler.
class Archive {
 public:
  explicit Archive(std::size_t pairs, std::size_t trailing_bytes = 0);

  void mark(std::size_t pair, int channel, std::size_t k, unsigned char header, unsigned char flag);
  std::string frame(std::size_t pair, int channel, std::size_t k) const;
  // The frames of one pair in track order, from position `from` up to, not including, `to`.
  std::string interleaved(std::size_t pair, std::size_t from = 0,
                          std::size_t to = kFramesPerBlock) const;
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

struct RunResult {
  int status = -1;
  std::string out;
};

// A private copy of the tool in a folder of <root>, run from <root>/caller: the tool writes its
// track files into its own folder, so each sandbox is a folder of its own. The tool is the native
// build, or the Windows build run under Wine.
class ToolSandbox {
 public:
  static bool windows_tool();

  // With room_on_disk, the tool's folder is a small tmpfs of its own: the tool, and that many
  // bytes (whole pages) for the track files. Only root can mount it.
  explicit ToolSandbox(std::optional<std::uint64_t> room_on_disk = std::nullopt);
  ~ToolSandbox();
  ToolSandbox(const ToolSandbox&) = delete;
  ToolSandbox& operator=(const ToolSandbox&) = delete;

  RunResult run(const std::vector<std::string>& args) const;
  // An absolute path as the tool's own platform spells it.
  std::string absolute_arg(const fs::path& path) const;
  // What the tool prints: the banner, then these lines.
  std::string output(const std::vector<std::string>& lines) const;
  fs::path track_path(int number) const;
  // The contents of BGM_000.adpcm, BGM_001.adpcm, ... as far as they are files.
  Tracks tracks() const;
  // The names in a folder, the tool itself left out.
  std::vector<std::string> files_in(const fs::path& folder) const;

  const fs::path root, bin, caller;

 private:
  fs::path tool_;
  bool mounted_ = false;
};

std::string read_file(const fs::path& path);
void write_file(const fs::path& path, const std::string& bytes);
// A file of `size` zero bytes, stored sparse, with each frame written at its offset.
void write_sparse(const fs::path& path, std::uint64_t size,
                  const std::vector<std::pair<std::uint64_t, std::string>>& frames);

// Names the first track and frame that differ, instead of printing whole track files.
::testing::AssertionResult SameTracks(const Tracks& expected, const Tracks& actual);

}  // namespace vorsplit::testing
