#pragma once

// The tests' common ground: what it includes, they use through it.
#include <gtest/gtest.h>  // IWYU pragma: export
#include <stdlib.h>
#include <sys/mount.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstddef>  // IWYU pragma: export
#include <cstdint>  // IWYU pragma: export
#include <cstdio>
#include <filesystem>  // IWYU pragma: export
#include <fstream>
#include <initializer_list>  // IWYU pragma: export
#include <optional>          // IWYU pragma: export
#include <string>            // IWYU pragma: export
#include <utility>
#include <vector>  // IWYU pragma: export
// A path streamed into a test's message instantiates string streams inside GoogleTest and the
// library, not here.
// IWYU pragma: no_include <sstream>

namespace vorsplit::testing {

namespace fs = std::filesystem;
using Tracks = std::vector<std::string>;

// The layout as the tool's users know it, restated on purpose: a test that borrowed the tool's
// constants would agree with any mistake in them.
inline constexpr std::size_t kFrame = 16, kFramesPerBlock = 12800, kBlock = 204800, kPair = 409600;
inline const std::string kEndFrame = std::string("\x00\x07", 2) + std::string(14, '\x77');

// Empty for the native tool; Wine for the Windows build.
inline constexpr bool kWindowsTool = sizeof(VORSPLIT_LAUNCHER) > 1;

inline const std::string kVorsplitBanner = "Vorrel 3 BGM Extractor Ver.0.01 written by Pelrow";
inline const std::string kVorloopBanner =
    "vorloop Ver.0.01: loop points for the tracks of vorsplit";

inline std::string read_file(const fs::path& path) {
  std::string bytes(fs::file_size(path), '\0');
  std::ifstream(path, std::ios::binary).read(bytes.data(), std::streamsize(bytes.size()));
  return bytes;
}

// What a shell command writes on standard output, and its wait status.
inline std::string output_of(const std::string& command, int* status = nullptr) {
  auto* const pipe = popen(command.c_str(), "r");
  std::string out;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
  const int wait_status = pclose(pipe);
  if (status != nullptr) *status = wait_status;
  return out;
}

inline void write_file(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Track files by size and hash, so that a failure names the track that differs without
// printing megabytes.
inline std::vector<std::pair<std::size_t, std::size_t>> summary(const Tracks& tracks) {
  std::vector<std::pair<std::size_t, std::size_t>> sizes_and_hashes;
  for (const std::string& t : tracks)
    sizes_and_hashes.emplace_back(t.size(), std::hash<std::string>{}(t));
  return sizes_and_hashes;
}

// A synthetic archive whose frames tell where they came from: the sample bytes hold the pair,
// the channel and the position, so a lost or misplaced frame shows at once. Every frame starts
// as a plain frame with a header that is not filler.
struct Archive {
  // Frame k of a channel of a pair, given a header and a flag.
  struct Mark {
    std::size_t pair;
    int channel;
    std::size_t k;
    unsigned char header, flag;
  };
  explicit Archive(std::size_t pairs, const std::vector<Mark>& marks = {},
                   std::size_t trailing_bytes = 0)
      : bytes(pairs * kPair + trailing_bytes, '\xee') {
    for (std::size_t at = 0; at + kFrame <= bytes.size(); at += kFrame) {
      const std::size_t p = at / kPair, c = at % kPair / kBlock, k = at % kBlock / kFrame;
      bytes.replace(at, 7, {'\x5c', '\0', char(p), char(p >> 8), char(c), char(k), char(k >> 8)});
    }
    for (const Mark& m : marks) mark(m.pair, m.channel, m.k, m.header, m.flag);
  }
  void mark(std::size_t pair, int channel, std::size_t k, unsigned char header,
            unsigned char flag) {
    bytes.replace(pair * kPair + channel * kBlock + k * kFrame, 2, {char(header), char(flag)});
  }
  std::string frame(std::size_t pair, int channel, std::size_t k) const {
    return bytes.substr(pair * kPair + channel * kBlock + k * kFrame, kFrame);
  }
  // The frames of one pair in track order, from position `from` up to, not including, `to`.
  std::string interleaved(std::size_t pair, std::size_t from = 0,
                          std::size_t to = kFramesPerBlock) const {
    std::string frames;
    for (std::size_t k = from; k < to; ++k) frames += frame(pair, 0, k) + frame(pair, 1, k);
    return frames;
  }

  std::string bytes;
};

// Private copies of the tools in a folder of <root>, run from <root>/caller: the tools write
// their files into their own folder, so each sandbox is a folder of its own.
struct ToolSandbox {
  // With room_on_disk, the tools' folder is a small tmpfs of its own: the tools, and that many
  // bytes (whole pages) for the files they write. Only root can mount it.
  explicit ToolSandbox(std::optional<std::uint64_t> room_on_disk = std::nullopt) {
    fs::create_directory(caller);
    fs::create_directory(bin);
    if (room_on_disk) {
      std::uint64_t tool_pages = 0;
      for (const char* t : {VORSPLIT_TOOL, VORLOOP_TOOL})
        tool_pages += (fs::file_size(t) + 4095) / 4096;
      const std::string size = "size=" + std::to_string(tool_pages * 4096 + *room_on_disk);
      mounted = mount("tmpfs", bin.c_str(), "tmpfs", 0, size.c_str()) == 0;
      EXPECT_TRUE(mounted) << "can't mount a tmpfs on " << bin;
    }
    fs::copy_file(VORSPLIT_TOOL, tool);
    fs::copy_file(VORLOOP_TOOL, vorloop);
  }
  ~ToolSandbox() {
    if (mounted) umount2(bin.c_str(), MNT_DETACH);
    fs::remove_all(root);
  }

  // Standard output, then the exit status as a last line of its own (the shell's, which is 128
  // + N for a tool killed by signal N). The native tool's standard error joins the output, so
  // that anything written there fails the comparison (under Wine it is Wine's own).
  std::string run(const std::vector<std::string>& args) const { return run(tool, args); }
  std::string run(const fs::path& which_tool, const std::vector<std::string>& args) const {
    // Appended piece by piece: GCC 12 warns, wrongly, of overlapping copies in "literal" + string.
    std::string command = "cd ";
    command += quoted(caller);
    command += " && " VORSPLIT_LAUNCHER " ";
    command += quoted(which_tool);
    for (const std::string& arg : args) command.append(" ").append(quoted(arg));
    command += kWindowsTool ? " 2>/dev/null" : " 2>&1";
    int status = 0;
    const std::string out = output_of(command, &status);
    return out + "exit status " + std::to_string(WEXITSTATUS(status));
  }
  // An absolute path as the tool's own platform spells it: Wine shows the host's root as Z:.
  std::string absolute_arg(const fs::path& path) const {
    std::string absolute = fs::absolute(path).string();
    if (kWindowsTool) std::replace(absolute.begin(), absolute.end(), '/', '\\');
    return kWindowsTool ? "Z:" + absolute : absolute;
  }
  // What a run gives: the banner, these lines, and the exit status.
  std::string output(const std::vector<std::string>& lines, int status = 0,
                     const std::string& banner = kVorsplitBanner) const {
    const std::string eol = kWindowsTool ? "\r\n" : "\n";
    std::string text = banner + eol + eol;
    for (const std::string& line : lines) text += line + eol;
    return text + "exit status " + std::to_string(status);
  }
  fs::path track_path(int number, const char* extension = ".adpcm") const {
    char name[32];
    return bin /
           std::string(name, std::snprintf(name, sizeof name, "BGM_%03d%s", number, extension));
  }
  // BGM_000.adpcm, BGM_001.adpcm, ... as far as they are files.
  std::vector<std::pair<std::size_t, std::size_t>> tracks() const {
    Tracks tracks;
    for (int n = 0; fs::is_regular_file(track_path(n)); ++n)
      tracks.push_back(read_file(track_path(n)));
    return summary(tracks);
  }

  static std::string quoted(const fs::path& word) {
    std::string result = "'";
    for (const char c : word.string())
      result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
  }

  const fs::path root = [] {
    std::string pattern = (fs::temp_directory_path() / "vorsplit-test-XXXXXX").string();
    return fs::path(mkdtemp(pattern.data()));
  }();
  const fs::path caller = root / "caller";
  const fs::path bin = root / "曲フォルダ é";  // with characters of more than one code page
  const fs::path tool = bin / fs::path(VORSPLIT_TOOL).filename();
  const fs::path vorloop = bin / fs::path(VORLOOP_TOOL).filename();
  bool mounted = false;
};

}  // namespace vorsplit::testing
