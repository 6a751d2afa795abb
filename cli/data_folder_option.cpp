#include "cli/data_folder_option.hpp"

#include <ostream>

#include "cli/help_text.hpp"
#include "platform/data_folder.hpp"
#include "text/utf.hpp"

namespace velni::cli {

DataFolderChoice ChooseCliDataFolder(const std::optional<std::string>& given) {
  std::optional<std::u16string> folder;
  if (given) folder = FromUtf8(*given);
  return ChooseDataFolder(MachineDataFolderPlaces(folder));
}

void SayNoDataFolder(const DataFolderChoice& choice, std::ostream& errors) {
  errors << kErrorPrefix << ToUtf8(kNoDataFolderMessage) << std::endl;
  if (!choice.refusedName.empty()) errors << kErrorPrefix << ToUtf8(RefusedDataFolderMessage(choice)) << std::endl;
}

}  // namespace velni::cli
