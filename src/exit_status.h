#pragma once

namespace vorsplit {

// The process exit status; each failure has its own so that scripts can tell them apart.
enum ExitStatus : int {
  kExitSuccess = 0,  // also a run without an archive argument
  kExitArchiveOpen = 1,
  kExitOutOfMemory = 2,
  kExitTrackCreate = 3,
  kExitTrackWrite = 4,
  kExitArchiveRead = 5,
};

}  // namespace vorsplit
