#pragma once

#include <algorithm>
#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "adpcm_frame.h"
#include "exit_status.h"
#include "track_name.h"

namespace vorsplit {

// The lines vorsplit prints as it walks the archive: a track file begins at the offset of its
// block pair; a frame whose flag is neither plain nor loop body is reported at its flag byte.
inline constexpr char kBeginLine[] = "0x%08" PRIx64 " : begin %s\n";
inline constexpr char kMarkerLine[] = "marker 0x%02x at 0x%08" PRIx64 "\n";

// Puts frame k of frames0, then frame k of frames1, for k from 0 to positions - 1, at out: the
// channels of a track interleaved frame by frame.
inline void interleave_frames(char* out, const unsigned char* frames0, const unsigned char* frames1,
                              std::size_t positions) {
  for (std::size_t k = 0; k < positions; ++k, out += 2 * kFrameSize) {
    std::memcpy(out, frames0 + k * kFrameSize, kFrameSize);
    std::memcpy(out + kFrameSize, frames1 + k * kFrameSize, kFrameSize);
  }
}

// Track files are named "BGM_%03d.adpcm" in the working directory and filled frame by frame;
// this buffer joins the frames into large writes.
inline constexpr std::size_t kTrackStreamBufferSize = 0x40000;

// A track file's buffered stream. Frames that fit into what is left of the buffer are copied
// there inline; only a frame that fills the buffer goes through the stream's own write, which
// flushes it, so a frame fails to be written only where that flush fails.
class TrackStream : public std::filebuf {
 public:
  bool write_frame(const unsigned char* frame) {
    if (epptr() - pptr() >= static_cast<std::ptrdiff_t>(kFrameSize)) {
      std::memcpy(pptr(), frame, kFrameSize);
      pbump(static_cast<int>(kFrameSize));
      return true;
    }
    return sputn(reinterpret_cast<const char*>(frame), kFrameSize) ==
           static_cast<std::streamsize>(kFrameSize);
  }

  // Writes frame k of frames0, then frame k of frames1, for k from 0 to positions - 1: the
  // frames that fit into the buffer in one copy loop, the one that fills it as above.
  bool write_interleaved(const unsigned char* frames0, const unsigned char* frames1,
                         std::size_t positions) {
    for (;;) {
      const std::size_t fit =
          std::min(positions, static_cast<std::size_t>(epptr() - pptr()) / (2 * kFrameSize));
      interleave_frames(pptr(), frames0, frames1, fit);
      pbump(static_cast<int>(fit * 2 * kFrameSize));
      if (fit == positions) return true;
      frames0 += fit * kFrameSize;
      frames1 += fit * kFrameSize;
      positions -= fit + 1;
      if (!write_frame(frames0) || !write_frame(frames1)) return false;
      frames0 += kFrameSize;
      frames1 += kFrameSize;
    }
  }
};

// Creates, fills and closes the track files one after another; at most one is open at a time.
// Every routine prints its own line when it fails and returns the status that ends the run.
struct TrackWriter {
  const char* archive_path = nullptr;  // no track file may ever replace the archive
  std::int32_t track_number = 0;
  char name[kTrackNameSize] = {};
  TrackStream file;
  // On a page: the kernel copies out of a buffer 16 bytes off a cache line about 15% slower.
  alignas(0x1000) char stream_buffer[kTrackStreamBufferSize];
};

// Prints the begin line of the current track, then creates its file.
ExitStatus begin_track(TrackWriter& writer, std::uint64_t archive_offset);

inline ExitStatus write_failed(const TrackWriter& writer) {
  std::printf("Can't write file %s\n", writer.name);
  return kExitTrackWrite;
}

inline ExitStatus write_frame(TrackWriter& writer, const unsigned char* frame) {
  return writer.file.write_frame(frame) ? kExitSuccess : write_failed(writer);
}

// Writes the loop-end or end-of-stream frame that finishes the current track (and the end frame
// after a loop end), closes the file, and begins the next track at next_offset.
ExitStatus end_track(TrackWriter& writer, const unsigned char* last_frame,
                     std::uint64_t next_offset);

// Closes the current track file, reporting a close that could not flush it.
ExitStatus close_track(TrackWriter& writer);

// Closes the current track file, if any, once the run has already failed.
void abandon_track(TrackWriter& writer);

// Splits the archive into track files in the working directory, reading block 0 of each pair
// into channel0 and block 1 into channel1 (kBlockSize bytes each), and prints a marker line for
// every frame whose flag is neither plain nor loop body. Closes the archive on every path;
// archive_path only names it in messages and guards it against being overwritten.
ExitStatus extract(std::FILE* archive, const char* archive_path, unsigned char* channel0,
                   unsigned char* channel1);

}  // namespace vorsplit
