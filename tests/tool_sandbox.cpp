#include "tool_sandbox.h"

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vorsplit::testing {

namespace {

// Set when the tool under test is the Windows build, which runs under Wine.
#ifdef VORSPLIT_LAUNCHER
const std::string kLauncher = VORSPLIT_LAUNCHER " ";
#else
const std::string kLauncher;
#endif

std::string quoted(const std::string& word) {
  std::string result = "'";
  for (const char c : word) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

fs::path make_root() {
  std::string pattern = (fs::temp_directory_path() / "vorsplit-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  return pattern;
}

}  // namespace

Archive::Archive(std::size_t pairs, std::size_t trailing_bytes)
    : bytes_(pairs * kPair + trailing_bytes, '\xee') {
  for (std::size_t offset = 0; offset + kFrame <= bytes_.size(); offset += kFrame) {
    const std::size_t pair = offset / kPair, channel = offset % kPair / kBlock;
    const std::size_t k = offset % kBlock / kFrame;
    const char origin[] = {'\x5c',        '\x00',  char(pair),  char(pair >> 8),
                           char(channel), char(k), char(k >> 8)};
    std::copy(std::begin(origin), std::end(origin), &bytes_[offset]);
  }
}

void Archive::mark(std::size_t pair, int channel, std::size_t k, unsigned char header,
                   unsigned char flag) {
  char* const frame = &bytes_[pair * kPair + channel * kBlock + k * kFrame];
  frame[0] = static_cast<char>(header);
  frame[1] = static_cast<char>(flag);
}

std::string Archive::frame(std::size_t pair, int channel, std::size_t k) const {
  return bytes_.substr(pair * kPair + channel * kBlock + k * kFrame, kFrame);
}

std::string Archive::interleaved(std::size_t pair, std::size_t from, std::size_t to) const {
  std::string frames;
  for (std::size_t k = from; k < to; ++k) frames += frame(pair, 0, k) + frame(pair, 1, k);
  return frames;
}

bool ToolSandbox::windows_tool() { return !kLauncher.empty(); }

ToolSandbox::ToolSandbox(std::optional<std::uint64_t> room_on_disk)
    // Named as many users' folders are, with characters from more than one code page.
    : root(make_root()), bin(root / "曲フォルダ é"), caller(root / "caller") {
  fs::create_directory(bin);
  fs::create_directory(caller);
  const fs::path built = VORSPLIT_TOOL;
  tool_ = bin / built.filename();
  if (room_on_disk) {
    constexpr std::uint64_t kPage = 4096;
    const std::uint64_t tool_pages = (fs::file_size(built) + kPage - 1) / kPage;
    const std::string size = "size=" + std::to_string(tool_pages * kPage + *room_on_disk);
    mounted_ = mount("tmpfs", bin.c_str(), "tmpfs", 0, size.c_str()) == 0;
    EXPECT_TRUE(mounted_) << "can't mount a tmpfs on " << bin;
  }
  fs::copy_file(built, tool_);
  struct statvfs disk;
  if (mounted_ && statvfs(bin.c_str(), &disk) == 0) {
    EXPECT_EQ(disk.f_bavail * disk.f_frsize, *room_on_disk) << "the room left beside the tool";
  }
}

ToolSandbox::~ToolSandbox() {
  std::error_code error;
  if (mounted_) umount2(bin.c_str(), MNT_DETACH);
  fs::remove_all(root, error);
}

RunResult ToolSandbox::run(const std::vector<std::string>& args) const {
  std::string command =
      "cd " + quoted(caller.string()) + " && " + kLauncher + quoted(tool_.string());
  for (const std::string& arg : args) command += " " + quoted(arg);
  command += " 2>" + quoted((root / "stderr").string());
  RunResult result;
  std::FILE* const pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) {
    result.out.append(chunk, n);
  }
  const int wait_status = pclose(pipe);
  if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
  if (!windows_tool()) {  // Wine has its own say on standard error
    EXPECT_EQ(read_file(root / "stderr"), "") << "the tool writes nothing to standard error";
  }
  return result;
}

std::string ToolSandbox::absolute_arg(const fs::path& path) const {
  std::string absolute = fs::absolute(path).string();
  if (!windows_tool()) return absolute;
  std::replace(absolute.begin(), absolute.end(), '/', '\\');
  return "Z:" + absolute;  // Wine's drive for the host's root
}

std::string ToolSandbox::output(const std::vector<std::string>& lines) const {
  const std::string end_of_line = windows_tool() ? "\r\n" : "\n";
  std::string text = "Vorrel 3 BGM Extractor Ver.0.01 written by Pelrow" + end_of_line;
  text += end_of_line;
  for (const std::string& line : lines) text += line + end_of_line;
  return text;
}

fs::path ToolSandbox::track_path(int number) const {
  char name[32];
  std::snprintf(name, sizeof name, "BGM_%03d.adpcm", number);
  return bin / name;
}

Tracks ToolSandbox::tracks() const {
  Tracks tracks;
  while (fs::is_regular_file(track_path(static_cast<int>(tracks.size())))) {
    tracks.push_back(read_file(track_path(static_cast<int>(tracks.size()))));
  }
  return tracks;
}

std::vector<std::string> ToolSandbox::files_in(const fs::path& folder) const {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path() != tool_) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void write_sparse(const fs::path& path, std::uint64_t size,
                  const std::vector<std::pair<std::uint64_t, std::string>>& frames) {
  {
    std::ofstream out(path, std::ios::binary);
    for (const auto& [offset, frame] : frames) {
      out.seekp(static_cast<std::streamoff>(offset));
      out.write(frame.data(), static_cast<std::streamsize>(frame.size()));
    }
  }
  fs::resize_file(path, size);
}

::testing::AssertionResult SameTracks(const Tracks& expected, const Tracks& actual) {
  if (expected.size() != actual.size()) {
    return ::testing::AssertionFailure()
           << "expected " << expected.size() << " track files, found " << actual.size();
  }
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] == actual[i]) continue;
    const auto e =
        std::mismatch(expected[i].begin(), expected[i].end(), actual[i].begin(), actual[i].end())
            .first;
    return ::testing::AssertionFailure()
           << "track " << i << ": expected " << expected[i].size() << " bytes, found "
           << actual[i].size() << "; they part at frame " << (e - expected[i].begin()) / kFrame;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace vorsplit::testing
