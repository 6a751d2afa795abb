#pragma once
// Which data folder the command line uses: the one given, else the one the shared
// order finds (the same routine the window uses before its search).
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/data_folder_places.hpp"

namespace velni::cli {

DataFolderChoice ChooseCliDataFolder(const std::optional<std::string>& given);

// " PATDAT の設定がありません." and, when a folder was named, which and by what.
void SayNoDataFolder(const DataFolderChoice& choice, std::ostream& errors);

}  // namespace velni::cli
