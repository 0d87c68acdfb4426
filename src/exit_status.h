#pragma once

namespace vorsplit {

// The process exit status; each failure has its own so that scripts can tell them apart.
enum ExitStatus : int {
  kExitSuccess = 0,  // also a run without an archive argument
  kExitArchiveOpen = 1,
  kExitOutOfMemory = 2,
  kExitTrackCreate = 3,  // a track file, or a track's loop points
  kExitTrackWrite = 4,
  kExitArchiveRead = 5,
  // vorloop wrote every track's loop points, but a track file beside them is missing or has a
  // size other than the archive gives it, so those points may not fit it.
  kExitTrackMismatch = 6,
};

}  // namespace vorsplit
