#include "loop_points.h"

#include <cinttypes>
#include <fstream>

#include "block_scanner.h"
#include "platform.h"
#include "track_name.h"

namespace vorsplit {

namespace {

// What the walk over the archive does for vorloop: it counts, for each channel, the frames that
// vorsplit writes to the track, and where the channel's last loop start stood among them.
struct LoopFinder {
  struct Track {
    std::uint64_t kept[2] = {};
    // A loop start that is filler is not kept: it stands where its channel's next frame will.
    std::uint64_t loop_start[2] = {};
    bool has_loop_start[2] = {};
  };

  const char* archive_path = nullptr;
  std::int32_t track_number = 0;
  Track track;
  bool mismatch = false;

  void marker(unsigned char flag, int channel, std::uint64_t) {
    if (flag != kFlagLoopStart) return;
    track.loop_start[channel] = track.kept[channel];
    track.has_loop_start[channel] = true;
  }
  ExitStatus keep(const unsigned char*, int channel) {
    ++track.kept[channel];
    return kExitSuccess;
  }
  ExitStatus keep_run(const unsigned char*, const unsigned char*, std::size_t positions) {
    track.kept[0] += positions;
    track.kept[1] += positions;
    return kExitSuccess;
  }
  ExitStatus end_track(const unsigned char* last_frame, int channel, std::uint64_t) {
    ++track.kept[channel];
    return finish_track(last_frame[kFlagOffset] == kFlagLoopEnd);
  }
  ExitStatus end_archive() { return finish_track(false); }

  // A player takes a track's frames two at a time, one for each of its channels. The loop ends
  // with the last pair of two archive frames, before the end frame that follows a loop end,
  // which would silence a channel at every pass. It starts where the sound chip returns to: the
  // last loop start of channel 0, else of channel 1, else the track's start.
  ExitStatus finish_track(bool ends_on_loop_end) {
    const std::uint64_t archive_frames = track.kept[0] + track.kept[1];
    const std::uint64_t track_bytes = (archive_frames + (ends_on_loop_end ? 1 : 0)) * kFrameSize;
    const std::uint64_t end = archive_frames / 2 * kSamplesPerFrame;
    const int loop_channel = track.has_loop_start[0] ? 0 : 1;
    const std::uint64_t start =
        track.has_loop_start[loop_channel] ? track.loop_start[loop_channel] * kSamplesPerFrame : 0;
    ExitStatus status = kExitSuccess;
    if (track_bytes >= 2 * kFrameSize) {  // shorter, it has nothing to play
      status = write_txtp(ends_on_loop_end && end > start, start, end, track_bytes);
    }
    track = {};
    ++track_number;
    return status;
  }

  ExitStatus write_txtp(bool loops, std::uint64_t start, std::uint64_t end,
                        std::uint64_t track_bytes) {
    char adpcm[kTrackNameSize], txtp[kTrackNameSize];
    name_track_file(adpcm, track_number, ".adpcm");
    name_track_file(txtp, track_number, ".txtp");
    char text[kTrackNameSize + 48];
    const int length = loops ? std::snprintf(text, sizeof text, "%s #I %" PRIu64 " %" PRIu64 "\n",
                                             adpcm, start, end)
                             : std::snprintf(text, sizeof text, "%s\n", adpcm);
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
    if (loops) {
      std::printf("%s : loops from sample %" PRIu64 " to %" PRIu64 "\n", txtp, start, end);
    } else {
      std::printf("%s : plays once\n", txtp);
    }
    std::uint64_t size = 0;
    if (!regular_file_size(adpcm, size)) {
      std::printf("Track %s is missing: split the archive with vorsplit first\n", adpcm);
      mismatch = true;
    } else if (size != track_bytes) {
      std::printf("Track %s has %" PRIu64 " bytes, but this archive gives it %" PRIu64
                  ": it came from another archive, or was changed\n",
                  adpcm, size, track_bytes);
      mismatch = true;
    }
    return kExitSuccess;
  }
};

}  // namespace

ExitStatus write_loop_points(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                             unsigned char* channel1) {
  unsigned char* const blocks[2] = {channel0, channel1};
  LoopFinder finder;
  finder.archive_path = archive_path;
  const ExitStatus status = walk_archive(archive, archive_path, blocks, finder);
  return status == kExitSuccess && finder.mismatch ? kExitTrackMismatch : status;
}

}  // namespace vorsplit
