#include "block_scanner.h"

namespace vorsplit {

namespace {

BlockRead read_block(std::FILE* archive, unsigned char* block) {
  if (std::fread(block, kBlockSize, 1, archive) == 1) return BlockRead::kWhole;
  return std::ferror(archive) ? BlockRead::kError : BlockRead::kEndOfArchive;
}

}  // namespace

BlockRead read_block_pair(std::FILE* archive, unsigned char* const blocks[2]) {
  const BlockRead first = read_block(archive, blocks[0]);
  if (first != BlockRead::kWhole) return first;
  return read_block(archive, blocks[1]);
}

}  // namespace vorsplit
