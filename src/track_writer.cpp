#include "track_writer.h"

#include <cinttypes>
#include <filesystem>
#include <system_error>

#include "adpcm_frame.h"
#include "platform.h"

namespace vorsplit {

namespace {

// An archive lying in the working directory under a track's name, or reached through a link
// from one, would be truncated by creating that track.
bool names_archive(const char* track_name, const char* archive_path) {
  std::error_code error;
  return std::filesystem::equivalent(track_name, archive_path, error);
}

}  // namespace

ExitStatus begin_track(TrackWriter& writer, std::uint64_t archive_offset) {
  std::snprintf(writer.name, sizeof writer.name, "BGM_%03d.adpcm",
                static_cast<int>(writer.track_number));
  std::printf("0x%08" PRIx64 " : begin %s\n", archive_offset, writer.name);
  if (!names_archive(writer.name, writer.archive_path)) {
    writer.file = std::fopen(writer.name, "wb");
  }
  if (writer.file == nullptr) {
    std::printf("Can't open file %s\n", writer.name);
    return kExitTrackCreate;
  }
  // A failed setvbuf leaves the stream's own buffer in place, which is merely slower.
  std::setvbuf(writer.file, writer.stream_buffer, _IOFBF, sizeof writer.stream_buffer);
  return kExitSuccess;
}

ExitStatus write_frame(TrackWriter& writer, const unsigned char* frame) {
  if (fwrite_unlocked_if_possible(frame, kFrameSize, 1, writer.file) != 1) {
    std::printf("Can't write file %s\n", writer.name);
    return kExitTrackWrite;
  }
  return kExitSuccess;
}

ExitStatus end_track(TrackWriter& writer, const unsigned char* last_frame,
                     std::uint64_t next_offset) {
  ExitStatus status = write_frame(writer, last_frame);
  if (status == kExitSuccess && last_frame[kFlagOffset] == kFlagLoopEnd) {
    status = write_frame(writer, kEndFrame);
  }
  if (status == kExitSuccess) status = close_track(writer);
  if (status != kExitSuccess) return status;
  ++writer.track_number;
  return begin_track(writer, next_offset);
}

ExitStatus close_track(TrackWriter& writer) {
  const int result = std::fclose(writer.file);
  writer.file = nullptr;
  if (result != 0) {
    std::printf("Can't write file %s\n", writer.name);
    return kExitTrackWrite;
  }
  return kExitSuccess;
}

void abandon_track(TrackWriter& writer) {
  if (writer.file != nullptr) std::fclose(writer.file);
  writer.file = nullptr;
}

}  // namespace vorsplit
