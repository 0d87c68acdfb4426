#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace vorsplit {

inline constexpr std::size_t kTrackNameSize = 32;  // "BGM_-2147483648.adpcm" fits

// Track n's files are named "BGM_%03d" and an extension: ".adpcm" for its frames, ".txtp" for
// its loop points.
inline void name_track_file(char (&name)[kTrackNameSize], std::int32_t track_number,
                            const char* extension) {
  std::snprintf(name, kTrackNameSize, "BGM_%03d%s", static_cast<int>(track_number), extension);
}

}  // namespace vorsplit
