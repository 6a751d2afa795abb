#pragma once
// Opening one source file of a boring: only a code-page-932 text is read.
#include <string>

#include "text/input_file.hpp"

namespace velni {

// The file at `path`, ready to be read field by field. A file that is plainly UTF-8
// or UTF-16 is refused naming it, what it seems to be and the first line showing it.
InputFile OpenSourceFile(const std::u16string& path);

}  // namespace velni
