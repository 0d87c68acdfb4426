#include "loop_points.h"

#include <cinttypes>
#include <cstddef>
#include <fstream>

#include "block_scanner.h"
#include "platform.h"
#include "track_name.h"

namespace vorsplit {

TrackLoop LoopCounter::end_track(const unsigned char* last_frame, int channel) {
  ++kept_[channel];
  return finish(adds_end_frame(last_frame));
}

TrackLoop LoopCounter::end_archive() { return finish(false); }

// A player takes a track's frames two at a time, one for each of its channels. The loop ends
// with the last pair of two archive frames, before the end frame that follows a loop end, which
// would silence a channel at every pass. It starts where the sound chip returns to: the last loop
// start of channel 0, else of channel 1, else the track's start.
TrackLoop LoopCounter::finish(bool ends_on_loop_end) {
  TrackLoop loop;
  const std::uint64_t archive_frames = kept_[0] + kept_[1];
  loop.track_bytes = (archive_frames + (ends_on_loop_end ? 1 : 0)) * kFrameSize;
  loop.samples = archive_frames / 2 * kSamplesPerFrame;
  loop.playable = loop.track_bytes >= 2 * kFrameSize;
  const int loop_channel = has_loop_start_[0] ? 0 : 1;
  loop.start = has_loop_start_[loop_channel] ? loop_start_[loop_channel] * kSamplesPerFrame : 0;
  loop.end = loop.samples;
  loop.loops = ends_on_loop_end && loop.end > loop.start;
  *this = {};
  return loop;
}

int format_txtp(char* text, std::size_t size, const char* track_name, const TrackLoop& loop) {
  return loop.loops ? std::snprintf(text, size, "%s #I %" PRIu64 " %" PRIu64 "\n", track_name,
                                    loop.start, loop.end)
                    : std::snprintf(text, size, "%s\n", track_name);
}

int format_loop_line(char* line, std::size_t size, const char* txtp_name, const TrackLoop& loop) {
  return loop.loops
             ? std::snprintf(line, size, "%s : loops from sample %" PRIu64 " to %" PRIu64 "\n",
                             txtp_name, loop.start, loop.end)
             : std::snprintf(line, size, "%s : plays once\n", txtp_name);
}

namespace {

// What the walk over the archive does for vorloop: it writes each playable track's loop file as
// the track ends, and checks the track file that vorsplit wrote beside it.
struct LoopFiles {
  const char* archive_path = nullptr;
  std::int32_t track_number = 0;
  LoopCounter counter;
  bool mismatch = false;

  void marker(unsigned char flag, int channel, std::uint64_t) { counter.marker(flag, channel); }
  ExitStatus keep(const unsigned char*, int channel) {
    counter.keep(channel);
    return kExitSuccess;
  }
  ExitStatus keep_run(const unsigned char*, const unsigned char*, std::size_t positions) {
    counter.keep_run(positions);
    return kExitSuccess;
  }
  ExitStatus end_track(const unsigned char* last_frame, int channel, std::uint64_t) {
    return finish_track(counter.end_track(last_frame, channel));
  }
  ExitStatus end_archive() { return finish_track(counter.end_archive()); }

  ExitStatus finish_track(const TrackLoop& loop) {
    const ExitStatus status = loop.playable ? write_txtp(loop) : kExitSuccess;
    ++track_number;
    return status;
  }

  ExitStatus write_txtp(const TrackLoop& loop) {
    char adpcm[kTrackNameSize], txtp[kTrackNameSize];
    name_track_file(adpcm, track_number, ".adpcm");
    name_track_file(txtp, track_number, ".txtp");
    char text[kTrackNameSize + 48];
    const int length = format_txtp(text, sizeof text, adpcm, loop);
    std::filebuf file;
    // As with a track file: the archive, named like this file or reached through a link from
    // it, would be truncated.
    if (same_file(txtp, archive_path) ||
        file.open(txtp, std::ios::out | std::ios::binary | std::ios::trunc) == nullptr) {
      std::printf("Can't open file %s\n", txtp);
      return kExitTrackCreate;
    }
    const bool written = file.sputn(text, length) == length;
    if (file.close() == nullptr || !written) {
      std::printf("Can't write file %s\n", txtp);
      return kExitTrackWrite;
    }
    char line[kTrackNameSize + 64];
    format_loop_line(line, sizeof line, txtp, loop);
    std::fputs(line, stdout);
    std::uint64_t size = 0;
    if (!regular_file_size(adpcm, size)) {
      std::printf("Track %s is missing: split the archive with vorsplit first\n", adpcm);
      mismatch = true;
    } else if (size != loop.track_bytes) {
      std::printf("Track %s has %" PRIu64 " bytes, but this archive gives it %" PRIu64
                  ": it came from another archive, or was changed\n",
                  adpcm, size, loop.track_bytes);
      mismatch = true;
    }
    return kExitSuccess;
  }
};

}  // namespace

ExitStatus write_loop_points(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                             unsigned char* channel1) {
  unsigned char* const blocks[2] = {channel0, channel1};
  LoopFiles files;
  files.archive_path = archive_path;
  const ExitStatus status = walk_archive(archive, archive_path, blocks, files);
  return status == kExitSuccess && files.mismatch ? kExitTrackMismatch : status;
}

}  // namespace vorsplit
