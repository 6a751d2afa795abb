#pragma once
// Which data folder the command line uses: the one given, else the one the shared
// order finds (the same routine the window uses before its search).
#include <optional>
#include <string>

#include "platform/data_folder_places.hpp"

namespace velni::cli {

DataFolderChoice ChooseCliDataFolder(const std::optional<std::string>& given);

}  // namespace velni::cli
