#pragma once

#include <cstddef>
#include <cstdio>

#include "adpcm_frame.h"
#include "exit_status.h"

namespace vorsplit {

// The archive is a headerless run of block pairs from offset 0; each pair holds one stretch of
// both channels, and frame k of block 1 follows frame k of block 0 in the track:
//
//   0x00000  +-------------------------------------+
//            | block 0: channel 0, frames 0..12799 |
//   0x32000  +-------------------------------------+
//            | block 1: channel 1, frames 0..12799 |
//   0x64000  +-------------------------------------+  the next pair, ...
//
// Bytes after the last whole pair are never used.
inline constexpr std::size_t kFramesPerBlock = 12800;
inline constexpr std::size_t kBlockSize = 0x32000;
inline constexpr std::size_t kBlockPairSize = 0x64000;
static_assert(kFramesPerBlock * kFrameSize == kBlockSize);
static_assert(2 * kBlockSize == kBlockPairSize);

// Splits the archive into track files in the working directory, reading block 0 of each pair
// into channel0 and block 1 into channel1 (kBlockSize bytes each). Closes the archive on every
// path; archive_path only names it in messages and guards it against being overwritten.
ExitStatus extract(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                   unsigned char* channel1);

}  // namespace vorsplit
