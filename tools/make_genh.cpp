// Writes the 64-byte GENH header that lets FFmpeg read a track file as it is:
//
//   make_genh SAMPLE_RATE OUTPUT
//
// A track file is headerless two-channel PS-ADPCM, the channels interleaved frame by frame; the
// header says so, and one header serves every track, read in front of it:
//
//   ffmpeg -i "concat:44100Hz.genh|BGM_000.adpcm" BGM_000.wav
//
// Little-endian 32-bit fields:
//
//   0x00 "GENH"   0x04 channels      0x08 interleave   0x0c sample rate
//   0x10 loop start (none)            0x14 loop end     0x18 codec (0: PS-ADPCM)
//   0x1c where the audio starts       0x20 header size  0x24 .. 0x40 zero

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t kHeaderSize = 0x40;

void put32(unsigned char* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> 8 * i);
}

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  errno = 0;
  const unsigned long rate = argc == 3 ? std::strtoul(argv[1], &end, 10) : 0;
  if (argc != 3 || errno != 0 || *end != '\0' || rate == 0 || rate > 0xffffffff) {
    std::fprintf(stderr, "usage: make_genh SAMPLE_RATE OUTPUT\n");
    return 2;
  }
  unsigned char header[kHeaderSize] = {'G', 'E', 'N', 'H'};
  put32(header + 0x04, 2);
  put32(header + 0x08, 0x10);
  put32(header + 0x0c, static_cast<std::uint32_t>(rate));
  put32(header + 0x10, 0xffffffff);
  put32(header + 0x14, 0);
  put32(header + 0x18, 0);
  put32(header + 0x1c, kHeaderSize);
  put32(header + 0x20, kHeaderSize);
  std::FILE* const out = std::fopen(argv[2], "wb");
  const bool written = out != nullptr && std::fwrite(header, sizeof header, 1, out) == 1;
  if (out == nullptr || std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "make_genh: can't write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
