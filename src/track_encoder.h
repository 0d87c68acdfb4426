#pragma once

#include <cstddef>
#include <cstdint>

#include "track_sound.h"

namespace vorsplit {

// A track's render made into a FLAC or an Ogg Vorbis file, by the reference encoders, a slice of
// samples at a time: the file's bytes gather in the encoder's own room, which the caller takes
// and empties after each call.
//
// Both formats carry the tags as Vorbis comments:
//
//   TITLE=BGM_NNN  ALBUM=archive  TRACKNUMBER=n  TRACKTOTAL=total
//   [LOOPSTART=start  LOOPLENGTH=end-start  LOOP_START=start  LOOP_END=end]
//
// the loop's, in samples, only where the file marks a loop (a looping track's render once): the
// first two as game engines read them, the others as source ports do; `end` is the first sample
// after the loop, as the track's loop file has it.
enum class TrackFormat { kFlac = 1, kVorbis = 2 };

// FLAC at its default level; Vorbis at a quality from 3 to 9, 6 unless the user chooses.
inline constexpr unsigned kFlacLevel = 5;
inline constexpr int kLeastVorbisQuality = 3, kMostVorbisQuality = 9, kVorbisQuality = 6;

// The most stereo samples a call may give, and the room they can need: FLAC's worst case stores
// samples as they are, 4 bytes each, with a frame header per 4096 of them; the Vorbis of these
// qualities is a small part of that.
inline constexpr std::size_t kMostEncodeSamples = 1 << 16;
inline constexpr std::size_t kEncodedRoom = 1 << 20;
static_assert(kMostEncodeSamples * kWavBytesPerSample + 64 * 1024 <= kEncodedRoom);

class TrackEncoder {
 public:
  TrackEncoder();
  ~TrackEncoder();
  TrackEncoder(const TrackEncoder&) = delete;
  TrackEncoder& operator=(const TrackEncoder&) = delete;

  // Begins a file of render's samples; its headers are then in the room. False where the encoder
  // can't begin (the settings or the memory); nothing is then open.
  bool start(TrackFormat format, int vorbis_quality, std::uint32_t sample_rate,
             const TrackRender& render, const TrackTags& tags);
  // Encodes count stereo samples of interleaved pcm, at most kMostEncodeSamples.
  bool encode(const std::int16_t* pcm, std::size_t count);
  // Ends the file: its last bytes are in the room. The encoder is then free for the next.
  bool finish();
  // Ends the file unfinished, after a failure or a cancel.
  void abandon();

  const unsigned char* bytes() const { return room_; }
  std::size_t size() const { return fill_; }
  void drain() { fill_ = 0; }
  // Adds bytes of the file to the room: the encoders' output.
  bool put(const unsigned char* bytes, std::size_t count);

 private:
  struct Flac;
  struct Vorbis;
  bool put_vorbis_pages(bool flush);
  bool vorbis_wrote(std::size_t count);

  Flac* flac_ = nullptr;
  Vorbis* vorbis_ = nullptr;
  bool overflow_ = false;
  std::size_t fill_ = 0;
  unsigned char room_[kEncodedRoom];
};

}  // namespace vorsplit
