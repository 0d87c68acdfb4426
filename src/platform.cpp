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

namespace {

// A file's volume and its index there, which links to it share. The name is taken in the
// process's code page, as fopen takes it.
bool file_identity(const char* path, BY_HANDLE_FILE_INFORMATION& identity) {
  const HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(file, &identity) != 0;
  CloseHandle(file);
  return known;
}

}  // namespace

// Not std::filesystem: its reading of a narrow name need not be the code page's, and a name it
// misreads would let a track file replace the archive.
bool same_file(const char* path, const char* other_path) {
  BY_HANDLE_FILE_INFORMATION a, b;
  return file_identity(path, a) && file_identity(other_path, b) &&
         a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

bool regular_file_size(const char* path, std::uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExA(path, GetFileExInfoStandard, &data) == 0 ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return false;
  }
  size = std::uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
  return true;
}

}  // namespace vorsplit

#else

#include <filesystem>
#include <system_error>

namespace vorsplit {

bool same_file(const char* path, const char* other_path) {
  std::error_code error;
  return std::filesystem::equivalent(path, other_path, error);
}

bool regular_file_size(const char* path, std::uint64_t& size) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  size = std::filesystem::file_size(path, error);
  return !error;
}

#if defined(__linux__)

void enter_executable_folder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || !executable.has_parent_path()) return;
  std::filesystem::current_path(executable.parent_path(), error);
}

#else

void enter_executable_folder() {}

#endif

}  // namespace vorsplit

#endif
