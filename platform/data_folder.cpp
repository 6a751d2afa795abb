#include "platform/data_folder.hpp"

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"

namespace velni {

bool IsDataFolder(const std::u16string& folder) {
  return fs::FileSize(WithFinalSeparator(folder) + kDataFolderMarker) > 0;
}

std::optional<std::u16string> DataFolderBesideProgram(const std::u16string& programFolder) {
  const std::u16string candidate = fs::Resolve(WithFinalSeparator(programFolder) + kDataFolderName);
  if (!IsDataFolder(candidate)) return std::nullopt;
  return WithFinalSeparator(candidate);
}

}  // namespace velni
