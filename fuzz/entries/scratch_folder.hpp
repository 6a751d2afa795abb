#pragma once
// One private working folder per process for the robustness entries: in memory
// (/dev/shm) where the machine has it, so that the many small files of millions of
// inputs never reach a disk. Removed when the process ends normally.
#include <filesystem>

namespace velni::fuzzing {

// The process's folder, created on first use.
const std::filesystem::path& ScratchFolder();

// An empty folder `name` inside it (whatever it held before is removed).
std::filesystem::path FreshFolder(const char* name);

}  // namespace velni::fuzzing
