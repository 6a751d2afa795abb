#pragma once
// A failed system call as the run's one error type: the usual causes in the
// operator's words, errno kept with it.
#include <string>

#include "text/run_error.hpp"

namespace velni {

// Access denied, read-only, disk full, path too long and I/O errors get their own
// message; any other cause gets `fallback`, what the operation failed to do (a
// missing file or folder means "not found" to a read, "cannot create" to a create).
RunError SystemFailure(int systemError, const char16_t* fallback, const std::u16string& path);

}  // namespace velni
