// Splits arbitrary bytes as an archive and checks what must hold for every archive: the run
// succeeds, no track file holds a loop start, a filler frame or a partial frame, and every track
// but the last ends on exactly one loop end (then the end frame) or end of stream. Then writes
// the loop points of the same archive and checks that exactly the tracks of a whole frame pair
// or more have them, each naming its track, and a loop only within the samples a player plays.
//
// The first input byte shapes the archive: bits 0-1 give 0 to 3 block pairs, bit 2 adds an
// unfinished pair; the rest of the input is repeated to fill them, so small inputs still reach
// whole pairs.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "adpcm_frame.h"
#include "block_scanner.h"
#include "exit_status.h"
#include "loop_points.h"
#include "track_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace vorsplit;

constexpr char kArchiveName[] = "fuzz-archive.bin";

void fail(const char* what, int track = -1) {
  if (track >= 0) std::fprintf(stderr, "BGM_%03d.adpcm ", track);
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

std::string archive_from(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {};
  const std::size_t pairs = data[0] & 3;
  const std::size_t unfinished = (data[0] & 4) ? size * 7919 % kBlockPairSize : 0;
  const std::size_t archive_size = pairs * kBlockPairSize + unfinished;
  if (size == 1) return std::string(archive_size, '\0');
  std::string archive(reinterpret_cast<const char*>(data + 1), size - 1);
  while (archive.size() < archive_size) archive += archive;
  archive.resize(archive_size);
  return archive;
}

std::string track_name(int track, const char* extension = ".adpcm") {
  char name[32];
  std::snprintf(name, sizeof name, "BGM_%03d%s", track, extension);
  return name;
}

std::string read_all(const fs::path& path) {
  std::string bytes(fs::file_size(path), '\0');
  std::ifstream(path, std::ios::binary)
      .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

void check_track(const std::string& bytes, int track, bool last) {
  if (bytes.size() % kFrameSize != 0) fail("holds a partial frame", track);
  const std::size_t frames = bytes.size() / kFrameSize;
  // Where the loop end or end of stream that finishes the track must stand.
  std::size_t end_at = frames;
  if (!last) {
    if (frames == 0) fail("is empty but not the last", track);
    const bool after_loop_end =
        frames >= 2 && std::memcmp(&bytes[bytes.size() - kFrameSize], kEndFrame, kFrameSize) == 0 &&
        static_cast<unsigned char>(bytes[bytes.size() - 2 * kFrameSize + kFlagOffset]) ==
            kFlagLoopEnd;
    end_at = after_loop_end ? frames - 2 : frames - 1;
    const auto flag = static_cast<unsigned char>(bytes[end_at * kFrameSize + kFlagOffset]);
    if (!after_loop_end && flag != kFlagEndOfStream) fail("does not end on an end", track);
  }
  for (std::size_t i = 0; i < end_at; ++i) {
    const auto header = static_cast<unsigned char>(bytes[i * kFrameSize + kHeaderOffset]);
    const auto flag = static_cast<unsigned char>(bytes[i * kFrameSize + kFlagOffset]);
    if (flag == kFlagLoopStart) fail("holds a loop start", track);
    if (flag == kFlagLoopEnd || flag == kFlagEndOfStream)
      fail("holds an end before its own", track);
    if (header == kFillerHeader) fail("holds a filler frame", track);
  }
}

// A player plays 28 samples of each channel for every two frames of the track.
void check_loop_points(const std::string& track_bytes, int track) {
  const bool playable = track_bytes.size() >= 2 * kFrameSize;
  if (fs::exists(track_name(track, ".txtp")) != playable) {
    fail(playable ? "has no loop points" : "has loop points but nothing to play", track);
  }
  if (!playable) return;
  const std::string txtp = read_all(track_name(track, ".txtp"));
  const std::string plays_once = track_name(track) + "\n";
  if (txtp == plays_once) return;
  unsigned long long start = 0, end = 0;
  char newline = 0;
  const std::string loops = track_name(track) + " #I %llu %llu%c";
  if (std::sscanf(txtp.c_str(), loops.c_str(), &start, &end, &newline) != 3 || newline != '\n' ||
      txtp.find('\n') + 1 != txtp.size()) {
    fail("has loop points that are no TXTP line of its own", track);
  }
  if (!(start < end && end <= track_bytes.size() / (2 * kFrameSize) * kSamplesPerFrame)) {
    fail("loops outside what a player plays", track);
  }
}

// The tool writes into its working directory: a folder of this process's own, there only while
// one input runs (a crash leaves it behind to look at), so the fuzzer's relative paths keep
// their meaning.
class WorkFolder {
 public:
  WorkFolder()
      : caller_(fs::current_path()),
        path_(fs::temp_directory_path() / ("vorsplit-fuzz-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
    fs::current_path(path_);
  }
  ~WorkFolder() {
    fs::current_path(caller_);
    fs::remove_all(path_);
  }

 private:
  const fs::path caller_, path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static unsigned char channel0[kBlockSize];
  static unsigned char channel1[kBlockSize];
  static const bool quiet = std::freopen("/dev/null", "w", stdout) != nullptr;  // marker lines
  (void)quiet;
  const WorkFolder folder;
  const std::string archive_bytes = archive_from(data, size);
  std::ofstream(kArchiveName, std::ios::binary)
      .write(archive_bytes.data(), static_cast<std::streamsize>(archive_bytes.size()));

  std::FILE* const archive = std::fopen(kArchiveName, "rb");
  if (archive == nullptr) std::abort();
  if (extract(archive, kArchiveName, channel0, channel1) != kExitSuccess) fail("the run failed");

  int tracks = 0;
  while (fs::exists(track_name(tracks))) ++tracks;
  if (tracks == 0) fail("no track file was created");
  for (int track = 0; track < tracks; ++track) {
    check_track(read_all(track_name(track)), track, track == tracks - 1);
  }

  std::FILE* const again = std::fopen(kArchiveName, "rb");
  if (again == nullptr) std::abort();
  if (write_loop_points(again, kArchiveName, channel0, channel1) != kExitSuccess) {
    fail("the loop points failed, or found tracks that differ from the split");
  }
  for (int track = 0; track < tracks; ++track)
    check_loop_points(read_all(track_name(track)), track);
  if (fs::exists(track_name(tracks, ".txtp"))) fail("has loop points but no track", tracks);
  return 0;
}
