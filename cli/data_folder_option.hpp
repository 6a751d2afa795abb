#pragma once
// Which data folder the command line uses: the one given, or the one beside the
// executable.
#include <optional>
#include <string>

namespace velni::cli {

// The data folder with its final separator, or nullopt when the folder holds no
// non-empty kishitu.txt.
std::optional<std::u16string> ChooseDataFolder(const std::optional<std::string>& given);

}  // namespace velni::cli
