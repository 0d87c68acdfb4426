#pragma once

#include <cstddef>
#include <cstdint>

namespace vorsplit {

// The 64-byte GENH header that lets FFmpeg read a track file as it is: a track file is headerless
// two-channel PS-ADPCM, the channels interleaved frame by frame; the header says so, and one
// header serves every track, read in front of it:
//
//   ffmpeg -i "concat:44100Hz.genh|BGM_000.adpcm" BGM_000.wav
//
// Little-endian 32-bit fields:
//
//   0x00 "GENH"   0x04 channels      0x08 interleave   0x0c sample rate
//   0x10 loop start (none)            0x14 loop end     0x18 codec (0: PS-ADPCM)
//   0x1c where the audio starts       0x20 header size  0x24 .. 0x40 zero
inline constexpr std::size_t kGenhSize = 0x40;

inline void make_genh(unsigned char (&header)[kGenhSize], std::uint32_t sample_rate) {
  const std::uint32_t fields[] = {0x484e4547,  // "GENH"
                                  2,          0x10, sample_rate, 0xffffffff,
                                  0,          0,    kGenhSize,   kGenhSize};
  for (unsigned char& byte : header) byte = 0;
  for (std::size_t f = 0; f < sizeof fields / sizeof fields[0]; ++f) {
    for (std::size_t i = 0; i < 4; ++i)
      header[4 * f + i] = static_cast<unsigned char>(fields[f] >> 8 * i);
  }
}

}  // namespace vorsplit
