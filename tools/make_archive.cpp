// Writes a synthetic background-music archive to try vorsplit on, or to measure it with:
//
//   make_archive OUTPUT PAIRS [TRAILING_BYTES]
//
// PAIRS block pairs of two-channel ADPCM frames, cut into tracks of 40 to 160 pairs (16 to 64 MB)
// like a game's: each track opens with a little filler, and stops on a loop-end frame (even
// tracks, which loop) or an end-of-stream frame (odd tracks) somewhere in its last pair, the rest
// of which is filler. A looping track plays an intro before its loop-start frame; the others
// start with theirs. TRAILING_BYTES of an unfinished pair may follow. The same arguments always
// give the same bytes.
//
// The tracks sound, at 44100 Hz: track n holds a chord whose root climbs a major scale from
// A3 (220 Hz) with n, played by channel 0, while channel 1 plays the fifth above it. The intro
// of a looping track is the chord a fourth higher. So a listener hears that the split worked,
// where each track starts, which side is which, and where a player loops to.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// Each channel of a track repeats one stretch of frames, encoded once: 512 frames, 14336
// samples, 0.33 s. A block holds a whole number of stretches, so the stretch runs on unbroken
// from one pair to the next.
constexpr std::size_t kStretchFrames = 512;
constexpr std::size_t kSamplesPerFrame = 28;
constexpr std::size_t kStretchSamples = kStretchFrames * kSamplesPerFrame;
static_assert(kFramesPerBlock % kStretchFrames == 0);
constexpr double kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// The prediction filters of PS-ADPCM, in 64ths: a sample is its 4-bit residual, scaled by the
// header's shift, plus f0 times the sample before plus f1 times the one before that.
constexpr int kFilters[5][2] = {{0, 0}, {60, 0}, {115, -52}, {98, -55}, {122, -60}};

struct History {
  int s1 = 0, s2 = 0;  // the last two samples a player decoded
  bool operator==(const History&) const = default;
};

// Encodes 28 samples into the header and sample data of one frame whose decoding comes closest to
// them, trying every filter and shift; returns the history a player has after it.
History encode_frame(const int* samples, History history, unsigned char* frame) {
  long long best_error = -1;
  History best_history;
  for (int filter = 0; filter < 5; ++filter) {
    for (int shift = 0; shift <= 12; ++shift) {
      if (filter == 0 && shift == 0) continue;  // header 0x00 is filler
      unsigned char data[kFrameSize - kSampleDataOffset] = {};
      History h = history;
      long long error = 0;
      for (std::size_t i = 0; i < kSamplesPerFrame; ++i) {
        const int predicted = (h.s1 * kFilters[filter][0] + h.s2 * kFilters[filter][1]) / 64;
        const double step = 4096.0 / (1 << shift);
        const int nibble =
            std::clamp(static_cast<int>(std::lround((samples[i] - predicted) / step)), -8, 7);
        const int decoded = ((nibble * 4096) >> shift) + predicted;
        error += static_cast<long long>(samples[i] - decoded) * (samples[i] - decoded);
        data[i / 2] |= static_cast<unsigned char>((nibble & 0xf) << (i % 2 * 4));
        h = {decoded, h.s1};
      }
      if (best_error < 0 || error < best_error) {
        best_error = error;
        best_history = h;
        frame[kHeaderOffset] = static_cast<unsigned char>(filter << 4 | shift);
        std::memcpy(frame + kSampleDataOffset, data, sizeof data);
      }
    }
  }
  return best_history;
}

// A tone of about `hz`, made a whole number of periods in the stretch so that it repeats
// without a seam, encoded so that a player leaves the stretch in the history it was encoded
// to start from; a few rounds bring the two together. It starts and ends at its peak, where a
// loop meets it, so that a loop that joins the wrong frames, or drops a channel, clicks.
void encode_stretch(double hz, unsigned char* frames) {
  const double periods = std::round(hz * kStretchSamples / kSampleRate);
  int samples[kStretchSamples];
  for (std::size_t i = 0; i < kStretchSamples; ++i) {
    samples[i] =
        static_cast<int>(std::lround(8000 * std::cos(2 * kPi * periods * i / kStretchSamples)));
  }
  History start;
  for (int round = 0; round < 4; ++round) {
    History h = start;
    for (std::size_t f = 0; f < kStretchFrames; ++f) {
      h = encode_frame(samples + f * kSamplesPerFrame, h, frames + f * kFrameSize);
    }
    if (h == start) break;
    start = h;
  }
}

// A looping track's intro: two stretches, so that its loop start stands a whole number of
// stretches from the loop end, and the loop joins the body's end to its start without a seam.
constexpr std::size_t kIntroFrames = 2 * kStretchFrames;

struct Track {
  std::uint64_t length = 0;  // in pairs
  std::uint64_t done = 0;
  bool loops = false;
  std::size_t loop_start = kLeadingFiller;  // where the loop-start frame stands in the first pair
  std::size_t end_k = 0;  // where the loop end or end of stream stands in the last pair
  const unsigned char* intro[2] = {};
  const unsigned char* stretch[2] = {};
};

// Tones come back from track to track, and a track's intro is another track's chord: each
// stretch is encoded once. There are at most 32 tones: 8 roots and their fifths, and the same a
// fourth higher.
struct Stretches {
  static constexpr std::size_t kTones = 32;
  double hz[kTones] = {};
  std::size_t count = 0;
  unsigned char frames[kTones][kStretchFrames * kFrameSize];
};

const unsigned char* stretch_of(double hz, Stretches& stretches) {
  for (std::size_t i = 0; i < stretches.count; ++i) {
    if (stretches.hz[i] == hz) return stretches.frames[i];
  }
  if (stretches.count == Stretches::kTones) std::abort();
  stretches.hz[stretches.count] = hz;
  encode_stretch(hz, stretches.frames[stretches.count]);
  return stretches.frames[stretches.count++];
}

void begin_track(Track& track, std::uint64_t number, std::uint64_t& random, Stretches& stretches) {
  track.length = kShortestTrack + next_random(random) % (kLongestTrack - kShortestTrack + 1);
  track.done = 0;
  track.loops = number % 2 == 0;
  static constexpr int kMajorScale[] = {0, 2, 4, 5, 7, 9, 11, 12};
  const double root = 220 * std::pow(2.0, kMajorScale[number % 8] / 12.0);
  track.stretch[0] = stretch_of(root, stretches);
  track.stretch[1] = stretch_of(root * 1.5, stretches);
  if (track.loops) {
    // A player loops from the loop start to the last pair of frames before the loop end.
    track.loop_start = kLeadingFiller + kIntroFrames;
    const std::size_t first_end = track.loop_start % kStretchFrames;
    const std::size_t ends = (kFramesPerBlock - 1 - first_end) / kStretchFrames + 1;
    track.end_k = first_end + next_random(random) % ends * kStretchFrames;
    const double fourth_up = root * std::pow(2.0, 5 / 12.0);
    track.intro[0] = stretch_of(fourth_up, stretches);
    track.intro[1] = stretch_of(fourth_up * 1.5, stretches);
  } else {
    track.loop_start = kLeadingFiller;
    track.end_k = kLeadingFiller + 1 + next_random(random) % (kFramesPerBlock - kLeadingFiller - 1);
  }
}

void fill_block(unsigned char* block, const Track& track, int channel) {
  const bool first_pair = track.done == 0;
  const bool last_pair = track.done + 1 == track.length;
  for (std::size_t k = 0; k < kFramesPerBlock; ++k) {
    unsigned char* const frame = block + k * kFrameSize;
    const std::uint64_t at = track.done * kFramesPerBlock + k;  // frames into the track
    const bool intro = at >= kLeadingFiller && at < track.loop_start;
    const unsigned char* const stretch = intro ? track.intro[channel] : track.stretch[channel];
    const std::uint64_t phase = at - (intro ? kLeadingFiller : track.loop_start);
    std::memcpy(frame, stretch + phase % kStretchFrames * kFrameSize, kFrameSize);
    frame[kFlagOffset] = track.loops ? kFlagLoopBody : kFlagPlain;
    const bool filler = (first_pair && k < kLeadingFiller) || (last_pair && k > track.end_k);
    if (filler) {
      frame[kHeaderOffset] = kFillerHeader;
      frame[kFlagOffset] = kFlagPlain;
    } else if (first_pair && k == track.loop_start) {
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
  const std::unique_ptr<Track> track(new Track);
  const std::unique_ptr<Stretches> stretches(new Stretches);
  std::uint64_t random = 0x766f7273706c6974;  // "vorsplit"
  std::uint64_t tracks = 0;
  for (std::uint64_t pair = 0; ok && pair < pairs + (trailing > 0 ? 1 : 0); ++pair) {
    if (track->done == track->length) begin_track(*track, tracks++, random, *stretches);
    fill_block(pair_bytes.get(), *track, 0);
    fill_block(pair_bytes.get() + kBlockSize, *track, 1);
    ok = std::fwrite(pair_bytes.get(), pair < pairs ? kBlockPairSize : trailing, 1, out) == 1;
    ++track->done;
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
