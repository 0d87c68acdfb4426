#include "front_end.h"

#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#include "block_scanner.h"
#include "platform.h"

namespace vorsplit {

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

// The block buffers start on a page: the kernel copies a block into a buffer 16 bytes off a
// cache line, as a plain allocation is, at half the speed.
constexpr std::align_val_t kBlockAlignment{0x1000};

struct FreeBlock {
  void operator()(unsigned char* block) const { ::operator delete[](block, kBlockAlignment); }
};
using BlockBuffer = std::unique_ptr<unsigned char[], FreeBlock>;

unsigned char* allocate_block() {
  return static_cast<unsigned char*>(::operator new[](kBlockSize, kBlockAlignment, std::nothrow));
}

}  // namespace

ExitStatus run_on_archive(int argc, char** argv, const char* usage_line, ArchiveWork work) {
  enter_executable_folder();
  if (argc < 2) {
    std::printf("%s\n", usage_line);
    return kExitSuccess;
  }
  const char* const archive_path = argv[1];
  std::FILE* const archive = open_archive(archive_path);
  if (archive == nullptr) {
    std::printf("Can't open file %s\n", archive_path);
    return kExitArchiveOpen;
  }
  const BlockBuffer channel0(allocate_block()), channel1(allocate_block());
  if (channel0 == nullptr || channel1 == nullptr) {
    std::printf("Can't allocate memory\n");
    std::fclose(archive);
    return kExitOutOfMemory;
  }
  return work(archive, archive_path, channel0.get(), channel1.get());
}

}  // namespace vorsplit
