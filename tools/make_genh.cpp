// Writes the GENH header that lets FFmpeg read a track file as it is (src/player_files.h):
//
//   make_genh SAMPLE_RATE OUTPUT

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "player_files.h"

int main(int argc, char** argv) {
  char* end = nullptr;
  errno = 0;
  const unsigned long rate = argc == 3 ? std::strtoul(argv[1], &end, 10) : 0;
  if (argc != 3 || errno != 0 || *end != '\0' || rate == 0 || rate > 0xffffffff) {
    std::fprintf(stderr, "usage: make_genh SAMPLE_RATE OUTPUT\n");
    return 2;
  }
  unsigned char header[vorsplit::kGenhSize];
  vorsplit::make_genh(header, static_cast<std::uint32_t>(rate));
  std::FILE* const out = std::fopen(argv[2], "wb");
  const bool written = out != nullptr && std::fwrite(header, sizeof header, 1, out) == 1;
  if (out == nullptr || std::fclose(out) != 0 || !written) {
    std::fprintf(stderr, "make_genh: can't write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
