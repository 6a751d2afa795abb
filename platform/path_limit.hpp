#pragma once
// Whether a path is longer than the host lets any file be named: such a path names
// no file, and the operator is told why rather than that nothing was selected.
#include <string>

namespace velni {

bool IsPathTooLong(const std::u16string& path);

}  // namespace velni
