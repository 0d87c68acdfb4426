#pragma once

#include <cstddef>
#include <cstdio>

// The only routines that differ between the systems the tool runs on.
namespace vorsplit {

// Makes the folder that holds the running executable the working directory, so that track
// files land beside the tool and a relative archive path is looked up there. Where that
// folder can't be found or entered, the caller's working directory silently stays.
void enter_executable_folder();

// std::fwrite without taking the stream's lock: the tool has one thread, and for a 16-byte
// frame the locking costs as much as the copy.
std::size_t fwrite_unlocked_if_possible(const void* data, std::size_t size, std::size_t count,
                                        std::FILE* stream);

}  // namespace vorsplit
