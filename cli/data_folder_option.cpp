#include "cli/data_folder_option.hpp"

#include "text/utf.hpp"

namespace velni::cli {

DataFolderChoice ChooseCliDataFolder(const std::optional<std::string>& given) {
  std::optional<std::u16string> folder;
  if (given) folder = FromUtf8(*given);
  return ChooseDataFolder(MachineDataFolderPlaces(folder));
}

}  // namespace velni::cli
