#pragma once

#include <cstdio>

#include "exit_status.h"

namespace vorsplit {

// What a tool does with the open archive and the two block buffers (kBlockSize bytes each, for
// block 0 and block 1 of a pair). It closes the archive on every path.
using ArchiveWork = ExitStatus (*)(std::FILE* archive, const char* archive_path,
                                   unsigned char* channel0, unsigned char* channel1);

// What the tools do after their banner and before they look at the archive: move into their own
// folder, take the archive from the command line (printing usage_line without one), open it and
// allocate the block buffers; then work on them. Returns the process's exit status.
ExitStatus run_on_archive(int argc, char** argv, const char* usage_line, ArchiveWork work);

}  // namespace vorsplit
