#pragma once
// Names no one can guess, for work files and folders that must be created new.
#include <string>

namespace velni::fs {

// A few letters and digits, different on every call.
std::u16string FreshSuffix();

}  // namespace velni::fs
