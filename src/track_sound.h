#pragma once

#include <cstddef>
#include <cstdint>

#include "adpcm_frame.h"
#include "loop_points.h"

namespace vorsplit {

// What a player makes of a track file's frames: 16-bit samples, two channels.
//
// A frame's header byte picks a prediction filter and a shift:
//
//   bit  7      4 3      0
//        +-------+-------+
//        | filter| shift |     sample = (nibble << 12 >> shift) + (f0 * s1 + f1 * s2) / 64
//        +-------+-------+
//
// where s1 and s2 are the channel's last two samples before they are clipped to 16 bits, and
// the sample data holds 28 signed nibbles, the low nibble of each byte first. A frame whose
// flag's low three bits are those of the end of stream plays silence. The decoding is FFmpeg's,
// sample for sample.
inline constexpr int kFilters[][2] = {{0, 0}, {60, 0}, {115, -52}, {98, -55}, {122, -60}};
inline constexpr std::size_t kFilterCount = sizeof kFilters / sizeof kFilters[0];

struct ChannelHistory {
  std::int32_t s1 = 0, s2 = 0;
};

// Decodes a track's frames as players take them, two at a time, one for each channel, into
// interleaved stereo. The frames may come in pieces of any count: a lone last frame of a piece
// waits for the next.
class TrackDecoder {
 public:
  // The most stereo samples that `frames` frames give.
  static constexpr std::size_t samples_for(std::size_t frames) {
    return (frames + 1) / 2 * kSamplesPerFrame;
  }
  // Writes out[2 * i] (channel 0) and out[2 * i + 1] (channel 1); returns the stereo samples.
  std::size_t decode(const unsigned char* frames, std::size_t count, std::int16_t* out);

 private:
  ChannelHistory history_[2];
  unsigned char waiting_[kFrameSize] = {};
  bool has_waiting_ = false;
};

// How a player renders a track's loop file into one file, as vgmstream does: a looping track
// plays its intro, the loop `loops` times, then `fade_seconds` more of the loop with a linear
// fade to silence (vgmstream's default: twice, and ten seconds); any other track plays its frames
// once, two at a time. Marked, every track plays its frames once, the loop marked in the file
// instead (vgmstream's -L).
struct RenderSettings {
  std::uint64_t loops = 2;
  std::uint64_t fade_seconds = 10;
  bool marked = false;
};

struct TrackRender {
  std::uint64_t samples = 0;    // of each channel
  std::uint64_t fade_from = 0;  // the first sample of the fade; `samples` where there is none
  // The frames played, in bytes of the track file: up to loop_to_byte, then, for a looping
  // track, from loop_from_byte to loop_to_byte again and again.
  std::uint64_t loop_from_byte = 0, loop_to_byte = 0;
  bool loops = false;
  // Where the file marks the loop: its first sample and its last (marked renders of looping
  // tracks only).
  bool marks_loop = false;
  std::uint64_t mark_start = 0, mark_last = 0;
};

TrackRender plan_render(const TrackLoop& loop, std::uint32_t sample_rate,
                        const RenderSettings& settings = RenderSettings());

// Fades count stereo samples of pcm, which stand at sample `at` of the render.
void fade(const TrackRender& render, std::int16_t* pcm, std::size_t count, std::uint64_t at);

// What a track's file says of itself, in every format: its title (the track file's name without
// its extension), the album (the archive's name without its extension, UTF-8, cut at a character
// to fit) and its number among the archive's tracks, from 1.
inline constexpr std::size_t kMostAlbumBytes = 200;
struct TrackTags {
  char title[32] = {};
  char album[kMostAlbumBytes + 1] = {};
  std::uint32_t track = 0, total = 0;
};

// Tags for track `number` (from 0) of `total`, of the archive named `archive`.
TrackTags make_tags(std::int32_t number, std::uint32_t total, const char* archive);

// A WAV file's header for 16-bit stereo PCM, before samples * 4 bytes of it; with a loop marked,
// a "smpl" chunk between, as vgmstream writes it; with tags, a "LIST" chunk of "INFO" before the
// samples, where every reader looks for it:
//
//   0x00 "RIFF" size-8 "WAVE"   0x0c "fmt " 16  1 (PCM) 2 (channels) rate  rate*4  4  16
//   [0x24 "smpl" 60  0 0 0 0 0 0 0  1 (loop) 0   0 (cue) 0 (forward) start last 0 0 (for ever)]
//   ["LIST" size "INFO"  "INAM" size title 0  ["IPRD" size album 0]  "ITRK" size number 0]
//   "data" data size, then the samples, little-endian, channel 0 first
//
// where each text chunk is padded with a zero to an even size.
inline constexpr std::size_t kWavHeaderSize = 0x2c;
inline constexpr std::size_t kWavSmplSize = 8 + 60;
inline constexpr std::size_t kWavMostListSize =
    12 + (8 + sizeof TrackTags::title + 1) + (8 + kMostAlbumBytes + 2) + (8 + 12);
inline constexpr std::size_t kWavMostHeaderSize = kWavHeaderSize + kWavSmplSize + kWavMostListSize;
inline constexpr std::uint64_t kWavBytesPerSample = 4;
// The sizes are 32-bit: a render longer than this has no WAV file.
inline constexpr std::uint64_t kWavMostSamples =
    (0xffffffffull - (kWavMostHeaderSize - 8)) / kWavBytesPerSample;

// Writes the header of render's WAV file into header, with the tags where there are any;
// returns its size.
std::size_t make_wav_header(unsigned char (&header)[kWavMostHeaderSize], std::uint32_t sample_rate,
                            const TrackRender& render, const TrackTags* tags = nullptr);

}  // namespace vorsplit
