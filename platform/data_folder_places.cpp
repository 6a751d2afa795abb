#include "platform/data_folder_places.hpp"

#include <sstream>
#include <utility>
#include <vector>

#include "platform/current_folder.hpp"
#include "platform/data_folder.hpp"
#include "platform/durable_file.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "platform/user_places.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

constexpr char kSettingKey[] = "data-folder=";

// Copies the template's files that the user's folder lacks, never replacing one.
void FillFromTemplate(const std::u16string& templateFolder, const std::u16string& folder) {
  const std::u16string from = WithFinalSeparator(templateFolder);
  const std::u16string to = WithFinalSeparator(folder);
  if (fs::CreateFoldersAbove(to)) return;
  for (const std::u16string& name : fs::ListFiles(from)) {
    if (fs::Exists(to + name)) continue;
    try {
      fs::CopyFile(from + name, to + name);
    } catch (const RunError&) {
      // What could not be copied leaves the folder short of a data folder, and
      // the choice below says so.
    }
  }
}

std::optional<std::u16string> ReadyUserDataFolder(const DataFolderPlaces& places) {
  if (places.userDataFolder.empty()) return std::nullopt;
  if (!IsDataFolder(places.userDataFolder) && IsDataFolder(places.installedTemplate)) {
    FillFromTemplate(places.installedTemplate, places.userDataFolder);
  }
  if (!IsDataFolder(places.userDataFolder)) return std::nullopt;
  return places.userDataFolder;
}

std::vector<std::string> ReadLines(const std::u16string& file) {
  std::vector<std::string> lines;
  if (file.empty() || !fs::IsFile(file)) return lines;
  std::string text;
  try {
    text = fs::ReadWholeFile(file);
  } catch (const RunError&) {
    return lines;
  }
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

std::u16string SettingsFilePath() { return UserSettingsFile(); }

std::optional<std::u16string> DataFolderSetting(const std::u16string& settingsFile) {
  for (const std::string& line : ReadLines(settingsFile)) {
    if (!line.starts_with(kSettingKey)) continue;
    std::string value = line.substr(sizeof(kSettingKey) - 1);
    if (!value.empty() && value.back() == '\r') value.pop_back();
    if (!value.empty()) return FromUtf8(value);
  }
  return std::nullopt;
}

bool SaveDataFolderSetting(const std::u16string& settingsFile, const std::u16string& folder) {
  if (settingsFile.empty()) return false;
  std::ostringstream text;
  for (const std::string& line : ReadLines(settingsFile)) {
    if (!line.starts_with(kSettingKey)) text << line << '\n';
  }
  text << kSettingKey << ToUtf8(folder) << '\n';
  if (fs::CreateFoldersAbove(settingsFile)) return false;
  try {
    fs::ReplaceDurably(settingsFile, FileNameOf(settingsFile) + u".tmp", text.str());
    return true;
  } catch (const RunError&) {
    return false;
  }
}

DataFolderPlaces MachineDataFolderPlaces(std::optional<std::u16string> given) {
  DataFolderPlaces places;
  places.given = std::move(given);
  places.named = EnvironmentVariable(kDataFolderVariable);
  places.namedBy = u"環境変数 " + FromUtf8(kDataFolderVariable);
  if (!places.named) {
    places.named = DataFolderSetting(SettingsFilePath());
    places.namedBy = u"設定ファイル " + SettingsFilePath() + u" の data-folder=";
  }
  places.programFolder = fs::ProgramFolder();
  places.userDataFolder = UserDataFolder();
  places.installedTemplate = InstalledTemplateFolder(places.programFolder);
  return places;
}

DataFolderChoice ChooseDataFolder(const DataFolderPlaces& places) {
  const std::pair<const std::optional<std::u16string>&, std::u16string> named[] = {
      {places.given, u"--data-folder"}, {places.named, places.namedBy}};
  for (const auto& [name, by] : named) {
    if (!name) continue;
    const std::u16string folder = FullPathOf(*name);
    if (IsDataFolder(folder)) return {WithFinalSeparator(folder), {}, {}};
    return {{}, folder, by};
  }
  if (auto beside = DataFolderBesideProgram(places.programFolder)) return {*beside, {}, {}};
  if (auto user = ReadyUserDataFolder(places)) return {WithFinalSeparator(*user), {}, {}};
  return {};
}

std::u16string RefusedDataFolderMessage(const DataFolderChoice& choice) {
  const std::u16string why =
      fs::Exists(choice.refusedName) ? u"中身のある kishitu.txt がありません" : u"フォルダがありません";
  return choice.refusedBy + u" で指定されたフォルダ " + choice.refusedName + u" はデータフォルダではありません（" + why +
         u"）。";
}

}  // namespace velni
