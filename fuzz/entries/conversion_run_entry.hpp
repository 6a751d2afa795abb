#pragma once
// A whole conversion run over a boring cut from arbitrary bytes. The bytes up to the
// first record separator (byte 1E) are the main data file, those up to the second
// the remarks file, the rest the penetration-test file; a companion whose separator
// is missing is not there at all. The data folder is a fresh copy of
// `dataFolderTemplate` for every input, and the destination is a folder that does
// not exist yet (the question is answered Yes).
//
// The run must complete, or stop with the run-time failure message naming a file,
// and leave the soil-name tables whole. Returns what went wrong, empty when it did.
#include <filesystem>
#include <string>
#include <string_view>

namespace velni::fuzzing {

inline constexpr char kPartSeparator = '\x1E';

std::string ConversionRunEntry(std::string_view input, const std::filesystem::path& dataFolderTemplate);

}  // namespace velni::fuzzing
