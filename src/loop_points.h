#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "adpcm_frame.h"
#include "exit_status.h"

namespace vorsplit {

// A frame holds 28 four-bit samples of its channel.
inline constexpr std::uint64_t kSamplesPerFrame = 28;

// What a track that the walk has ended gives a player.
struct TrackLoop {
  std::uint64_t track_bytes = 0;  // the track file's size, with the end frame after a loop end
  std::uint64_t samples = 0;      // of each channel, as a player plays the track once
  bool playable = false;          // a track of less than one pair of frames has nothing to play
  bool loops = false;
  std::uint64_t start = 0, end = 0;  // where it loops, in samples of each channel
};

// Follows the walk over the archive, as one more handler would, and tells where each track
// loops: it counts, for each channel, the frames that the walk keeps for the track, and where
// the channel's last loop start stood among them.
class LoopCounter {
 public:
  void marker(unsigned char flag, int channel) {
    if (flag != kFlagLoopStart) return;
    // A loop start that is filler is not kept: it stands where its channel's next frame will.
    loop_start_[channel] = kept_[channel];
    has_loop_start_[channel] = true;
  }
  void keep(int channel) { ++kept_[channel]; }
  void keep_run(std::size_t positions) {
    kept_[0] += positions;
    kept_[1] += positions;
  }
  // The walk ended the track with last_frame, or reached the archive's end; the counts start
  // again for the next track.
  TrackLoop end_track(const unsigned char* last_frame, int channel);
  TrackLoop end_archive();

 private:
  TrackLoop finish(bool ends_on_loop_end);

  std::uint64_t kept_[2] = {};
  std::uint64_t loop_start_[2] = {};
  bool has_loop_start_[2] = {};
};

// The loop file of a playable track: "BGM_000.adpcm #I START END\n", or the track's name alone
// for one that plays once. Returns its length.
int format_txtp(char* text, std::size_t size, const char* track_name, const TrackLoop& loop);

// The line that vorloop prints for a loop file it wrote, with a line feed.
int format_loop_line(char* line, std::size_t size, const char* txtp_name, const TrackLoop& loop);

// Writes BGM_NNN.txtp into the working directory for every track that vorsplit writes from this
// archive with at least one whole pair of frames: a line that names the track file and, for a
// track that ends on a loop end, adds "#I START END", where a player loops, in samples of each
// channel. Never writes a track file or the archive. Reads as vorsplit's extract does, and
// closes the archive on every path; returns kExitTrackMismatch, after writing every file, where
// a track file beside them is missing or has another size than the archive gives it.
ExitStatus write_loop_points(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                             unsigned char* channel1);

}  // namespace vorsplit
