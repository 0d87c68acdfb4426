#include "track_writer.h"

#include <cstddef>

#include "block_scanner.h"
#include "platform.h"

namespace vorsplit {

ExitStatus begin_track(TrackWriter& writer, std::uint64_t archive_offset) {
  name_track_file(writer.name, writer.track_number, ".adpcm");
  std::printf(kBeginLine, archive_offset, writer.name);
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
  if (status == kExitSuccess && adds_end_frame(last_frame)) {
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

namespace {

// What the walk over the archive does for vorsplit: every frame it keeps goes to the track file.
struct TrackFiles {
  TrackWriter& writer;

  void marker(unsigned char flag, int, std::uint64_t flag_offset) {
    std::printf(kMarkerLine, flag, flag_offset);
  }
  ExitStatus keep(const unsigned char* frame, int) { return write_frame(writer, frame); }
  ExitStatus keep_run(const unsigned char* frames0, const unsigned char* frames1,
                      std::size_t positions) {
    return writer.file.write_interleaved(frames0, frames1, positions) ? kExitSuccess
                                                                      : write_failed(writer);
  }
  ExitStatus end_track(const unsigned char* last_frame, int, std::uint64_t next_pair) {
    return vorsplit::end_track(writer, last_frame, next_pair);
  }
  ExitStatus end_archive() { return close_track(writer); }
};

}  // namespace

ExitStatus extract(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                   unsigned char* channel1) {
  TrackWriter writer;
  writer.archive_path = archive_path;
  ExitStatus status = begin_track(writer, 0);
  if (status != kExitSuccess) {
    std::fclose(archive);
    return status;
  }
  unsigned char* const blocks[2] = {channel0, channel1};
  TrackFiles handler{writer};
  status = walk_archive(archive, archive_path, blocks, handler);
  if (status != kExitSuccess) abandon_track(writer);
  return status;
}

}  // namespace vorsplit
