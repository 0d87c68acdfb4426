#include "block_scanner.h"

#include <cinttypes>
#include <cstdint>

#include "track_writer.h"

namespace vorsplit {

namespace {

enum class BlockRead { kWhole, kEndOfArchive, kError };

BlockRead read_block(std::FILE* archive, unsigned char* block) {
  if (std::fread(block, kBlockSize, 1, archive) == 1) return BlockRead::kWhole;
  return std::ferror(archive) ? BlockRead::kError : BlockRead::kEndOfArchive;
}

BlockRead read_block_pair(std::FILE* archive, unsigned char* const blocks[2]) {
  const BlockRead first = read_block(archive, blocks[0]);
  if (first != BlockRead::kWhole) return first;
  return read_block(archive, blocks[1]);
}

// Walks one pair frame by frame, channel 0 before channel 1 at each position. A track ends
// inside the walk; the rest of that pair then belongs to no track.
ExitStatus walk_pair(TrackWriter& writer, unsigned char* const blocks[2],
                     std::uint64_t next_pair_offset) {
  const std::uint64_t pair_offset = next_pair_offset - kBlockPairSize;
  for (std::size_t position = 0; position < kBlockSize; position += kFrameSize) {
    for (std::size_t channel = 0; channel < 2; ++channel) {
      unsigned char* const frame = blocks[channel] + position;
      unsigned char& flag = frame[kFlagOffset];
      if (flag != kFlagPlain && flag != kFlagLoopBody) {
        std::printf("marker 0x%02x at 0x%08" PRIx64 "\n", flag,
                    pair_offset + channel * kBlockSize + position + kFlagOffset);
      }
      if (flag == kFlagLoopEnd || flag == kFlagEndOfStream) {
        return end_track(writer, frame, next_pair_offset);
      }
      if (frame[kHeaderOffset] == kFillerHeader) continue;
      if (flag == kFlagLoopStart) flag = kFlagLoopBody;
      const ExitStatus status = write_frame(writer, frame);
      if (status != kExitSuccess) return status;
    }
  }
  return kExitSuccess;
}

}  // namespace

ExitStatus extract(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                   unsigned char* channel1) {
  TrackWriter writer;
  writer.archive_path = archive_path;
  std::uint64_t archive_offset = 0;
  ExitStatus status = begin_track(writer, archive_offset);
  if (status != kExitSuccess) {
    std::fclose(archive);
    return status;
  }
  unsigned char* const blocks[2] = {channel0, channel1};
  for (;;) {
    const BlockRead read = read_block_pair(archive, blocks);
    if (read == BlockRead::kEndOfArchive) {
      std::fclose(archive);
      return close_track(writer);
    }
    if (read == BlockRead::kError) {
      std::printf("Can't read file %s\n", archive_path);
      std::fclose(archive);
      abandon_track(writer);
      return kExitArchiveRead;
    }
    archive_offset += kBlockPairSize;
    status = walk_pair(writer, blocks, archive_offset);
    if (status != kExitSuccess) {
      std::fclose(archive);
      abandon_track(writer);
      return status;
    }
  }
}

}  // namespace vorsplit
