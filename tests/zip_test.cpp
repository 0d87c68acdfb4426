#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <utility>

#include "tool_sandbox.h"
#include "zip_stream.h"
// A vector's allocator is the vector's business.
// IWYU pragma: no_include <memory>

namespace vorsplit::testing {
namespace {

// The zip the page writes, read back by the readers people have: Info-ZIP's unzip, 7-Zip,
// Python's zipfile and libarchive's bsdtar. Each must find every file whole, by name.
struct Reader {
  const char* name;
  const char* package;
  std::vector<const char*> programs;  // the first found on the PATH runs
  const char* extract;                // a command: %1 the zip, %2 the folder to extract into
};
const Reader kReaders[] = {
    {"Info-ZIP", "unzip", {"unzip"}, "unzip -q %1 -d %2"},
    {"7-Zip", "7zip", {"7z", "7zz"}, "PROGRAM x -bd -y -o%2 %1 >/dev/null"},
    {"Python",
     "python3",
     {"python3"},
     "python3 -c 'import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
     "assert z.testzip() is None; z.extractall(sys.argv[2])' %1 %2"},
    {"bsdtar", "libarchive-tools", {"bsdtar"}, "bsdtar -xf %1 -C %2"},
};

std::string found_program(const Reader& reader) {
  for (const char* program : reader.programs) {
    int status = 0;
    output_of(std::string("command -v ") + program + " >/dev/null", &status);
    if (status == 0) return program;
  }
  return "";
}

std::string command_for(const Reader& reader, const std::string& program, const fs::path& zip,
                        const fs::path& into) {
  std::string command = reader.extract;
  auto replace = [&](const std::string& what, const std::string& with) {
    for (std::size_t at; (at = command.find(what)) != std::string::npos;)
      command.replace(at, what.size(), with);
  };
  replace("PROGRAM", program);
  replace("%1", ToolSandbox::quoted(zip));
  replace("%2", ToolSandbox::quoted(into));
  return command + " 2>&1";
}

// Writes a zip of the given files, each handed over in pieces of `piece` bytes, as the page
// hands a track over a chunk at a time. write(bytes, n) takes the zip's bytes in order.
using Files = std::vector<std::pair<std::string, std::uint64_t>>;

// Bytes that tell the file and their place in it, so that a byte lost, moved or taken from
// another file shows: bytes [at, at + n) of file f.
void fill(std::uint64_t at, std::size_t f, unsigned char* out, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t x = at + i;
    out[i] = static_cast<unsigned char>((x * 131 & 0xff) ^ (x >> 8) ^ (x >> 24) ^ f * 37);
  }
}

void write_zip(const Files& files,
               const std::function<void(const unsigned char*, std::size_t)>& write) {
  static ZipStream zip;            // its table of entries is large: not on the stack
  zip_start(zip, 0x6000, 0x5988);  // 2024-12-08 12:00
  std::vector<unsigned char> piece(1 << 20);
  for (std::size_t f = 0; f < files.size(); ++f) {
    write(piece.data(), zip_begin(zip, files[f].first.c_str(), piece.data()));
    for (std::uint64_t at = 0; at < files[f].second;) {
      const std::size_t n =
          static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), files[f].second - at));
      fill(at, f, piece.data(), n);
      zip_data(zip, piece.data(), n);
      write(piece.data(), n);
      at += n;
    }
    write(piece.data(), zip_end(zip, piece.data()));
  }
  for (std::size_t n; (n = zip_finish(zip, piece.data(), piece.size())) > 0;)
    write(piece.data(), n);
}

// Every reader extracts every file, and each file is the bytes it was given; a reader that is
// not installed is skipped, naming its package.
void check_readers(const fs::path& zip, const Files& files) {
  std::string missing;
  for (const Reader& reader : kReaders) {
    const std::string program = found_program(reader);
    if (program.empty()) {
      missing += std::string(missing.empty() ? "" : ", ") + reader.name + " (apt install " +
                 reader.package + ")";
      continue;
    }
    const fs::path into = zip.parent_path() / reader.name;
    fs::create_directories(into);
    int status = 0;
    const std::string output = output_of(command_for(reader, program, zip, into), &status);
    ASSERT_EQ(status, 0) << reader.name << ": " << output;
    for (std::size_t f = 0; f < files.size(); ++f) {
      const fs::path file = into / files[f].first;
      ASSERT_TRUE(fs::is_regular_file(file)) << reader.name << ": " << files[f].first;
      ASSERT_EQ(fs::file_size(file), files[f].second) << reader.name << ": " << files[f].first;
      std::FILE* const in = std::fopen(file.c_str(), "rb");
      ASSERT_NE(in, nullptr);
      std::vector<unsigned char> bytes(1 << 20), expected(1 << 20);
      bool same = true;
      for (std::uint64_t at = 0; same && at < files[f].second;) {
        const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), in);
        if (n == 0) break;
        fill(at, f, expected.data(), n);
        same = std::memcmp(bytes.data(), expected.data(), n) == 0;
        at += n;
      }
      std::fclose(in);
      EXPECT_TRUE(same) << reader.name << ": " << files[f].first;
    }
    fs::remove_all(into);
  }
  if (!missing.empty()) GTEST_SKIP() << "skipped: zip readers not installed: " << missing;
}

struct ZipFolder {
  ZipFolder() { fs::create_directories(root); }
  ~ZipFolder() { fs::remove_all(root); }
  const fs::path root = [] {
    std::string pattern = (fs::temp_directory_path() / "vorsplit-zip-XXXXXX").string();
    return fs::path(mkdtemp(pattern.data()));
  }();
};

TEST(Zip, ChecksumsAsEveryZipReaderDoes) {
  const unsigned char digits[] = "123456789";
  EXPECT_EQ(crc32(0, digits, 9), 0xcbf43926u);
  // In pieces of any length, from any alignment, the checksum is the whole's.
  std::vector<unsigned char> bytes(1000);
  fill(0, 0, bytes.data(), bytes.size());
  const std::uint32_t whole = crc32(0, bytes.data(), bytes.size());
  for (std::size_t cut : {1u, 15u, 16u, 17u, 500u, 999u}) {
    EXPECT_EQ(crc32(crc32(0, bytes.data(), cut), bytes.data() + cut, bytes.size() - cut), whole)
        << cut;
  }
}

// Writes files as the zip `zip`, and has every reader take it.
void zip_and_read(const fs::path& zip, const Files& files) {
  std::FILE* const out = std::fopen(zip.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  write_zip(files, [&](const unsigned char* bytes, std::size_t n) {
    ASSERT_EQ(std::fwrite(bytes, 1, n, out), n);
  });
  ASSERT_EQ(std::fclose(out), 0);
  check_readers(zip, files);
}

// The files of a split: the players' files, tracks, an empty track, loop files; one track of
// several pieces, as the page hands it over a chunk at a time.
TEST(Zip, FourReadersTakeWhatThePageWrites) {
  ZipFolder folder;
  const Files files = {
      {".adpcm.txth", 300}, {"44100Hz.genh", 64}, {"48000Hz.genh", 64},  {"BGM_000.adpcm", 2458000},
      {"BGM_000.txtp", 33}, {"BGM_001.adpcm", 0}, {"BGM_002.adpcm", 16}, {"BGM_002.txtp", 14},
  };
  zip_and_read(folder.root / "音楽-tracks.zip", files);
}

// Past 4 GiB: a file larger than 4 GiB, and one whose place in the zip lies beyond. Long (it
// writes 4 GiB and has every reader read it), so outside the default run: ctest -L long.
TEST(Zip, PastFourGibibytes) {
  ZipFolder folder;
  const Files files = {{"BGM_000.adpcm", (std::uint64_t{1} << 32) + 4096}, {"BGM_000.txtp", 33}};
  zip_and_read(folder.root / "large.zip", files);
}

}  // namespace
}  // namespace vorsplit::testing
