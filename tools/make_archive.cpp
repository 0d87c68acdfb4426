// Writes a synthetic background-music archive to try vorsplit on, or to measure it with:
//
//   make_archive OUTPUT PAIRS [TRAILING_BYTES]
//
// PAIRS block pairs of two-channel ADPCM frames, cut into tracks of 40 to 160 pairs (16 to 64 MB)
// like a game's: each track opens with a little filler, then a loop-start frame, and stops on a
// loop-end frame (looping tracks) or an end-of-stream frame (the others) somewhere in its last
// pair, the rest of which is filler. TRAILING_BYTES of an unfinished pair may follow. The same
// arguments always give the same bytes.

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "adpcm_frame.h"
#include "block_scanner.h"

namespace {

using namespace vorsplit;

constexpr std::size_t kLeadingFiller = 64;  // frames of each channel before a track's loop start
constexpr std::uint64_t kShortestTrack = 40;
constexpr std::uint64_t kLongestTrack = 160;

// splitmix64: fast, and the same on every platform.
std::uint64_t next_random(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
  z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
  return z ^ (z >> 31);
}

struct Track {
  std::uint64_t length = 0;  // in pairs
  std::uint64_t done = 0;
  bool loops = false;
  std::size_t end_k = 0;  // where the loop end or end of stream stands in the last pair
};

void fill_block(unsigned char* block, std::uint64_t& random, const Track& track) {
  const bool first_pair = track.done == 0;
  const bool last_pair = track.done + 1 == track.length;
  for (std::size_t k = 0; k < kFramesPerBlock; ++k) {
    unsigned char* const frame = block + k * kFrameSize;
    for (std::size_t i = 0; i < kFrameSize; i += 8) {
      const std::uint64_t bits = next_random(random);
      for (std::size_t b = 0; b < 8; ++b) frame[i + b] = static_cast<unsigned char>(bits >> 8 * b);
    }
    // filter 0..4 in the high nibble, shift 1..12 in the low one: never a filler header
    frame[kHeaderOffset] = static_cast<unsigned char>((frame[0] % 5) << 4 | (1 + frame[1] % 12));
    frame[kFlagOffset] = track.loops ? kFlagLoopBody : kFlagPlain;
    const bool filler = (first_pair && k < kLeadingFiller) || (last_pair && k > track.end_k);
    if (filler) {
      frame[kHeaderOffset] = kFillerHeader;
      frame[kFlagOffset] = kFlagPlain;
    } else if (first_pair && k == kLeadingFiller) {
      frame[kFlagOffset] = kFlagLoopStart;
    } else if (last_pair && k == track.end_k) {
      frame[kFlagOffset] = track.loops ? kFlagLoopEnd : kFlagEndOfStream;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: make_archive OUTPUT PAIRS [TRAILING_BYTES]\n");
    return 2;
  }
  char* end = nullptr;
  errno = 0;
  const std::uint64_t pairs = std::strtoull(argv[2], &end, 10);
  bool ok = errno == 0 && *end == '\0' && end != argv[2];
  const std::uint64_t trailing = argc == 4 ? std::strtoull(argv[3], &end, 10) : 0;
  ok = ok && errno == 0 && *end == '\0' && trailing < kBlockPairSize;
  if (!ok) {
    std::fprintf(stderr,
                 "make_archive: PAIRS and TRAILING_BYTES are counts, TRAILING_BYTES "
                 "below one pair\n");
    return 2;
  }
  std::FILE* const out = std::fopen(argv[1], "wb");
  if (out == nullptr) {
    std::fprintf(stderr, "make_archive: can't create %s\n", argv[1]);
    return 1;
  }
  const std::unique_ptr<unsigned char[]> pair_bytes(new unsigned char[kBlockPairSize]);
  std::uint64_t random = 0x766f7273706c6974;  // "vorsplit"
  Track track;
  std::uint64_t tracks = 0;
  for (std::uint64_t pair = 0; ok && pair < pairs + (trailing > 0 ? 1 : 0); ++pair) {
    if (track.done == track.length) {
      track.length = kShortestTrack + next_random(random) % (kLongestTrack - kShortestTrack + 1);
      track.done = 0;
      track.loops = tracks++ % 2 == 0;
      track.end_k =
          kLeadingFiller + 1 + next_random(random) % (kFramesPerBlock - kLeadingFiller - 1);
    }
    fill_block(pair_bytes.get(), random, track);
    fill_block(pair_bytes.get() + kBlockSize, random, track);
    ok = std::fwrite(pair_bytes.get(), pair < pairs ? kBlockPairSize : trailing, 1, out) == 1;
    ++track.done;
  }
  ok = std::fclose(out) == 0 && ok;
  if (!ok) {
    std::fprintf(stderr, "make_archive: can't write %s\n", argv[1]);
    return 1;
  }
  std::printf("%s: %llu pairs, %llu tracks begun\n", argv[1],
              static_cast<unsigned long long>(pairs), static_cast<unsigned long long>(tracks));
  return 0;
}
