#include "cli/output_guard.hpp"

#include "platform/current_folder.hpp"
#include "platform/data_folder.hpp"
#include "platform/data_folder_places.hpp"
#include "platform/host_path.hpp"

namespace velni::cli {

std::u16string RefusedOutput(std::u16string_view option, const std::u16string& output,
                             const std::vector<ProtectedFile>& files) {
  const auto file = ProtectedFileAt(output, files);
  if (!file) return {};
  return std::u16string(option) + u" の出力先 " + output + u" は" + file->what + u" " + file->path +
         u" に当たるため、書き込みません。別の名前を指定してください。";
}

std::u16string RefusedBatchFolder(std::u16string_view option, const std::u16string& folder,
                                  const std::vector<std::u16string>& sources,
                                  const std::vector<ProtectedFile>& tables) {
  std::vector<ProtectedFile> files = tables;
  for (const std::u16string& source : sources) files = Joined(std::move(files), SourceFilesOf(source));
  return RefusedOutput(option, folder, files);
}

std::vector<ProtectedFile> KnownDataFolderFiles() {
  const DataFolderPlaces places = MachineDataFolderPlaces(std::nullopt);
  std::vector<std::u16string> folders;
  if (places.named && IsDataFolder(FullPathOf(*places.named))) {
    folders.push_back(WithFinalSeparator(FullPathOf(*places.named)));
  }
  if (auto beside = DataFolderBesideProgram(places.programFolder)) folders.push_back(*beside);
  if (IsDataFolder(places.userDataFolder)) folders.push_back(WithFinalSeparator(places.userDataFolder));
  std::vector<ProtectedFile> files;
  for (const std::u16string& folder : folders) files = Joined(std::move(files), DataFolderFiles(folder));
  return files;
}

}  // namespace velni::cli
