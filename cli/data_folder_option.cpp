#include "cli/data_folder_option.hpp"

#include "platform/data_folder.hpp"
#include "platform/file_system.hpp"
#include "text/utf.hpp"

namespace velni::cli {

std::optional<std::u16string> ChooseDataFolder(const std::optional<std::string>& given) {
  const std::u16string folder =
      given ? FromUtf8(*given) : fs::Resolve(WithFinalSeparator(fs::ProgramFolder()) + kDataFolderName);
  if (!IsDataFolder(folder)) return std::nullopt;
  return WithFinalSeparator(folder);
}

}  // namespace velni::cli
