#pragma once

#include <cstddef>
#include <cstdint>
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

enum class BlockRead { kWhole, kEndOfArchive, kError };

// Reads block 0 of the next pair into blocks[0] and block 1 into blocks[1]. A pair cut short by
// the end of the archive is its end, not an error.
BlockRead read_block_pair(std::FILE* archive, unsigned char* const blocks[2]);

// Walks one pair frame by frame, channel 0 before channel 1 at each position, and tells the
// handler what each frame is. In this order, which decides every frame: a flag other than plain
// or loop body is reported; a loop end or end of stream ends the track, and the rest of the pair
// belongs to no track; filler is dropped; a loop start becomes a loop body, in the block; the
// frame is kept. A Handler has:
//
//   void marker(unsigned char flag, int channel, std::uint64_t flag_offset);
//   ExitStatus keep(const unsigned char* frame, int channel);
//   // Keeps frame k of frames0 and then of frames1, for k from 0 to positions - 1, as keep would.
//   ExitStatus keep_run(const unsigned char* frames0, const unsigned char* frames1,
//                       std::size_t positions);
//   ExitStatus end_track(const unsigned char* last_frame, int channel, std::uint64_t next_pair);
//   ExitStatus end_archive();  // no further whole pair
// A frame that is kept as it stands: plain or loop body, and not filler.
inline bool ordinary(const unsigned char* frame) {
  return (frame[kFlagOffset] == kFlagPlain || frame[kFlagOffset] == kFlagLoopBody) &&
         frame[kHeaderOffset] != kFillerHeader;
}

template <class Handler>
ExitStatus walk_pair(unsigned char* const blocks[2], std::uint64_t pair_offset, Handler& handler) {
  for (std::size_t position = 0; position < kBlockSize; position += kFrameSize) {
    // Most positions hold two plain or loop-body frames that are not filler, which nothing but
    // keeping concerns: a run of them is kept at once.
    std::size_t run_end = position;
    while (run_end < kBlockSize && ordinary(blocks[0] + run_end) && ordinary(blocks[1] + run_end)) {
      run_end += kFrameSize;
    }
    if (run_end > position) {
      const ExitStatus status = handler.keep_run(blocks[0] + position, blocks[1] + position,
                                                 (run_end - position) / kFrameSize);
      if (status != kExitSuccess) return status;
      position = run_end;
      if (position == kBlockSize) break;
    }
    for (int channel = 0; channel < 2; ++channel) {
      unsigned char* const frame = blocks[channel] + position;
      unsigned char& flag = frame[kFlagOffset];
      if (flag != kFlagPlain && flag != kFlagLoopBody) {
        handler.marker(flag, channel, pair_offset + channel * kBlockSize + position + kFlagOffset);
      }
      if (flag == kFlagLoopEnd || flag == kFlagEndOfStream) {
        return handler.end_track(frame, channel, pair_offset + kBlockPairSize);
      }
      if (frame[kHeaderOffset] == kFillerHeader) continue;
      if (flag == kFlagLoopStart) flag = kFlagLoopBody;
      const ExitStatus status = handler.keep(frame, channel);
      if (status != kExitSuccess) return status;
    }
  }
  return kExitSuccess;
}

// Walks the whole archive, pair by pair, and stops at the first status other than success,
// saying why when a read failed. Closes the archive on every path, before end_archive;
// archive_path only names it in messages.
template <class Handler>
ExitStatus walk_archive(std::FILE* archive, const char* archive_path,
                        unsigned char* const blocks[2], Handler& handler) {
  for (std::uint64_t pair_offset = 0;; pair_offset += kBlockPairSize) {
    const BlockRead read = read_block_pair(archive, blocks);
    if (read == BlockRead::kEndOfArchive) {
      std::fclose(archive);
      return handler.end_archive();
    }
    if (read == BlockRead::kError) {
      std::printf("Can't read file %s\n", archive_path);
      std::fclose(archive);
      return kExitArchiveRead;
    }
    const ExitStatus status = walk_pair(blocks, pair_offset, handler);
    if (status != kExitSuccess) {
      std::fclose(archive);
      return status;
    }
  }
}

}  // namespace vorsplit
