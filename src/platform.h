#pragma once

#include <cstdint>

// The only routines that differ between the systems the tool runs on.
namespace vorsplit {

// Makes the folder that holds the running executable the working directory, so that track
// files land beside the tool and a relative archive path is looked up there. Where that
// folder can't be found or entered, the caller's working directory silently stays.
void enter_executable_folder();

// Whether two paths name one file, through a link or not. False where either can't be looked at.
bool same_file(const char* path, const char* other_path);

// The size of the regular file at path; false where there is none or it can't be looked at.
bool regular_file_size(const char* path, std::uint64_t& size);

}  // namespace vorsplit
