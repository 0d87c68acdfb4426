#pragma once

#include <cstdint>
#include <cstdio>

#include "exit_status.h"

namespace vorsplit {

// A frame holds 28 four-bit samples of its channel.
inline constexpr std::uint64_t kSamplesPerFrame = 28;

// Writes BGM_NNN.txtp into the working directory for every track that vorsplit writes from this
// archive with at least one whole pair of frames: a line that names the track file and, for a
// track that ends on a loop end, adds "#I START END", where a player loops, in samples of each
// channel. Never writes a track file or the archive. Reads as vorsplit's extract does, and
// closes the archive on every path; returns kExitTrackMismatch, after writing every file, where
// a track file beside them is missing or has another size than the archive gives it.
ExitStatus write_loop_points(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                             unsigned char* channel1);

}  // namespace vorsplit
