#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#include "block_scanner.h"
#include "exit_status.h"
#include "platform.h"

namespace {

// A directory opens for reading on some systems and only fails at the first read; it is no
// archive anywhere.
std::FILE* open_archive(const char* path) {
  std::FILE* const archive = std::fopen(path, "rb");
  std::error_code error;
  if (archive != nullptr && std::filesystem::is_directory(path, error)) {
    std::fclose(archive);
    return nullptr;
  }
  return archive;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorsplit;
  std::printf("Vorrel 3 BGM Extractor Ver." VORSPLIT_VERSION " written by Pelrow\n\n");
  enter_executable_folder();
  if (argc < 2) {
    std::printf("usage : vorsplit targetfile\n");
    return kExitSuccess;
  }
  const char* const archive_path = argv[1];
  std::FILE* const archive = open_archive(archive_path);
  if (archive == nullptr) {
    std::printf("Can't open file %s\n", archive_path);
    return kExitArchiveOpen;
  }
  const std::unique_ptr<unsigned char[]> channel0(new (std::nothrow) unsigned char[kBlockSize]);
  const std::unique_ptr<unsigned char[]> channel1(new (std::nothrow) unsigned char[kBlockSize]);
  if (channel0 == nullptr || channel1 == nullptr) {
    std::printf("Can't allocate memory\n");
    std::fclose(archive);
    return kExitOutOfMemory;
  }
  return extract(archive, archive_path, channel0.get(), channel1.get());
}
