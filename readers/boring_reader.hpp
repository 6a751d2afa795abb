#pragma once
// A whole boring read into the model before anything is written.
#include <string>

#include "model/boring.hpp"

namespace velni {

// Reads the main data file at `sourcePath`, then its remarks and penetration-test
// companions, through one record buffer in that order. Any failure is thrown (a
// RunError naming the file, record and field) and nothing of the boring is kept.
Boring ReadBoring(const std::u16string& sourcePath, const std::u16string& sourceFileName);

// The same for a main data file; a delivered exchange file (a name ending in .XML)
// is read as one document into the same model.
Boring ReadAnyBoring(const std::u16string& sourcePath, const std::u16string& sourceFileName);

}  // namespace velni
