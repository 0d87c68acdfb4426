#include "tool_sandbox.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vorsplit::testing {

namespace {

constexpr unsigned char kOriginHeader = 0x5c;

#ifdef VORSPLIT_WINE_PREFIX
const std::string kLauncher =
    "WINEPREFIX='" VORSPLIT_WINE_PREFIX "' WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine ";
#else
const std::string kLauncher;
#endif

std::string quoted(const std::string& word) {
  std::string result = "'";
  for (const char c : word) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

std::string hex(const std::string& bytes) {
  std::ostringstream text;
  for (const unsigned char c : bytes) {
    static const char digits[] = "0123456789abcdef";
    text << digits[c >> 4] << digits[c & 15] << ' ';
  }
  return text.str();
}

}  // namespace

Archive::Archive(std::size_t pairs, std::size_t trailing_bytes)
    : bytes_(pairs * kPair + trailing_bytes, '\xee') {
  for (std::size_t offset = 0; offset + kFrame <= bytes_.size(); offset += kFrame) {
    const std::size_t pair = offset / kPair;
    const std::size_t channel = offset % kPair / kBlock;
    const std::size_t k = offset % kBlock / kFrame;
    char* const frame = &bytes_[offset];
    frame[0] = static_cast<char>(kOriginHeader);
    frame[1] = 0x00;
    frame[2] = static_cast<char>(pair);
    frame[3] = static_cast<char>(pair >> 8);
    frame[4] = static_cast<char>(channel);
    frame[5] = static_cast<char>(k);
    frame[6] = static_cast<char>(k >> 8);
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

void Archive::save(const fs::path& path) const { write_file(path, bytes_); }

ToolSandbox::ToolSandbox() {
  std::string pattern = (fs::temp_directory_path() / "vorsplit-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  root_ = pattern;
  bin_ = root_ / "bin";
  caller_ = root_ / "caller";
  fs::create_directory(bin_);
  fs::create_directory(caller_);
  const fs::path built = VORSPLIT_TOOL;
  tool_ = bin_ / built.filename();
  fs::copy_file(built, tool_);
}

ToolSandbox::~ToolSandbox() {
  std::error_code error;
  fs::remove_all(root_, error);
}

bool ToolSandbox::windows_tool() { return !kLauncher.empty(); }

RunResult ToolSandbox::run(const std::vector<std::string>& args) const {
  std::string command =
      "cd " + quoted(caller_.string()) + " && " + kLauncher + quoted(tool_.string());
  for (const std::string& arg : args) command += " " + quoted(arg);
  command += " 2>" + quoted((root_ / "stderr").string());
  RunResult result;
  std::FILE* const pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
    result.out.append(chunk, n);
  const int wait_status = pclose(pipe);
  if (WIFEXITED(wait_status)) result.status = WEXITSTATUS(wait_status);
  // Wine has its own say on standard error.
  if (!windows_tool()) {
    EXPECT_EQ(read_file(root_ / "stderr"), "") << "the tool writes nothing to standard error";
  }
  return result;
}

std::string ToolSandbox::absolute_arg(const fs::path& path) const {
  std::string absolute = fs::absolute(path).string();
  if (!windows_tool()) return absolute;
  // Wine shows the host's root as drive Z:.
  std::replace(absolute.begin(), absolute.end(), '/', '\\');
  return "Z:" + absolute;
}

std::string ToolSandbox::output(const std::vector<std::string>& lines) const {
  std::string text = "Vorrel 3 BGM Extractor Ver.0.01 written by Pelrow\n\n";
  for (const std::string& line : lines) text += line + "\n";
  if (!windows_tool()) return text;
  std::string crlf;  // standard output is a text stream on Windows
  for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf;
}

fs::path ToolSandbox::track_path(int number) const {
  char name[32];
  std::snprintf(name, sizeof name, "BGM_%03d.adpcm", number);
  return bin_ / name;
}

std::string ToolSandbox::track(int number) const { return read_file(track_path(number)); }

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

::testing::AssertionResult SameFrames(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  const auto e =
      std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first;
  const std::size_t first = static_cast<std::size_t>(e - expected.begin()) / kFrame * kFrame;
  return ::testing::AssertionFailure()
         << "expected " << expected.size() << " bytes, got " << actual.size()
         << "; first difference in frame " << first / kFrame << ":\n  expected "
         << hex(expected.substr(std::min(first, expected.size()), kFrame)) << "\n  got      "
         << hex(actual.substr(std::min(first, actual.size()), kFrame));
}

}  // namespace vorsplit::testing
