#include "platform.h"

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstring>

namespace vorsplit {

void enter_executable_folder() {
  // Large enough for the longest path Windows has, so that a path is never used cut off.
  static char path[0x8000];
  const DWORD length = GetModuleFileNameA(nullptr, path, static_cast<DWORD>(sizeof path));
  if (length == 0 || length >= sizeof path) return;
  char* const last_backslash = std::strrchr(path, '\\');
  if (last_backslash == nullptr) return;
  last_backslash[1] = '\0';  // keep the trailing backslash: "C:\" must stay a root
  SetCurrentDirectoryA(path);
}

}  // namespace vorsplit

#elif defined(__linux__)

#include <filesystem>
#include <system_error>

namespace vorsplit {

void enter_executable_folder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !executable.has_parent_path()) return;
  std::filesystem::current_path(executable.parent_path(), error);
}

}  // namespace vorsplit

#else

namespace vorsplit {

void enter_executable_folder() {}

}  // namespace vorsplit

#endif
