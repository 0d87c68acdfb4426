#include "track_writer.h"

#include <cinttypes>

#include "platform.h"

namespace vorsplit {

ExitStatus begin_track(TrackWriter& writer, std::uint64_t archive_offset) {
  std::snprintf(writer.name, sizeof writer.name, "BGM_%03d.adpcm",
                static_cast<int>(writer.track_number));
  std::printf("0x%08" PRIx64 " : begin %s\n", archive_offset, writer.name);
  // Some standard libraries take a stream's buffer only before it opens a file, others only
  // after; a buffer that is not taken leaves the stream's own, which is merely slower.
  writer.file.pubsetbuf(writer.stream_buffer, sizeof writer.stream_buffer);
  // An archive in the working directory under this track's name, or reached through a link from
  // it, would be truncated by creating the track.
  if (same_file(writer.name, writer.archive_path) ||
      writer.file.open(writer.name, std::ios::out | std::ios::binary | std::ios::trunc) ==
          nullptr) {
    std::printf("Can't open file %s\n", writer.name);
    return kExitTrackCreate;
  }
  writer.file.pubsetbuf(writer.stream_buffer, sizeof writer.stream_buffer);
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
  if (writer.file.close() == nullptr) {
    std::printf("Can't write file %s\n", writer.name);
    return kExitTrackWrite;
  }
  return kExitSuccess;
}

void abandon_track(TrackWriter& writer) {
  if (writer.file.is_open()) writer.file.close();
}

}  // namespace vorsplit
