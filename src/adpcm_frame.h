#pragma once

#include <cstddef>

namespace vorsplit {

// Archives and track files alike are headerless runs of 16-byte ADPCM frames:
//
//   0x0      0x1    0x2                                 0x10
//   +--------+------+-----------------------------------+
//   | header | flag | sample data: 28 four-bit samples  |
//   +--------+------+-----------------------------------+
//
// A frame whose header is zero is filler. The sample data is copied, never read.
// Flags are compared as whole bytes: no single loop bit is ever tested on its own.
inline constexpr std::size_t kFrameSize = 0x10;
inline constexpr std::size_t kHeaderOffset = 0x0;
inline constexpr std::size_t kFlagOffset = 0x1;
inline constexpr std::size_t kSampleDataOffset = 0x2;

inline constexpr unsigned char kFillerHeader = 0x00;

inline constexpr unsigned char kFlagPlain = 0x00;
inline constexpr unsigned char kFlagLoopBody = 0x02;
inline constexpr unsigned char kFlagLoopEnd = 0x03;
inline constexpr unsigned char kFlagLoopStart = 0x06;
inline constexpr unsigned char kFlagEndOfStream = 0x07;

// Written after a loop-end frame, so that every finished track stops on an end of stream.
inline constexpr unsigned char kEndFrame[kFrameSize] = {
    kFillerHeader, kFlagEndOfStream,
    0x77,          0x77,
    0x77,          0x77,
    0x77,          0x77,
    0x77,          0x77,
    0x77,          0x77,
    0x77,          0x77,
    0x77,          0x77,
};

// Only a track that ends on a loop end is followed by the end frame; one that ends on an end of
// stream stops on its own.
inline bool adds_end_frame(const unsigned char* last_frame) {
  return last_frame[kFlagOffset] == kFlagLoopEnd;
}

}  // namespace vorsplit
