#pragma once
// Text files on disk for the readers, tables and passes: opened through the
// resolver (file names matched without regard to letter case), read whole into
// memory or written through a file sink.
#include <string>

#include "text/input_file.hpp"
#include "text/output_file.hpp"

namespace velni {

// The whole file, ready to be read field by field. A missing or unreadable file,
// or one that is no normal file, is the run-time failure naming it.
InputFile ReadInputFile(const std::u16string& path);

// Creates (or empties) the file.
OutputFile CreateOutputFile(const std::u16string& path);
// Opens the file to write after its last byte, creating it when absent.
OutputFile AppendToOutputFile(const std::u16string& path);

}  // namespace velni
