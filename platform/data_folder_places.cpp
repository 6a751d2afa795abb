#include "platform/data_folder_places.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/data_folder.hpp"
#include "platform/durable_file.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;

constexpr char kSettingKey[] = "data-folder=";

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

// $XDG_..._HOME, or the home folder's default for it; empty without a home folder
// (nothing is then made at the root of the file system).
std::string UserBase(const char* variable, const char* underHome) {
  if (auto base = Variable(variable)) return *base;
  if (auto home = Variable("HOME")) return *home + "/" + underHome;
  return {};
}

std::u16string UnderUserBase(const char* variable, const char* underHome, const char* name) {
  const std::string base = UserBase(variable, underHome);
  return base.empty() ? std::u16string() : FromUtf8(base + name);
}

// The window moves the current folder, so a relative name is fixed at once.
std::u16string Absolute(const std::u16string& folder) {
  std::error_code error;
  const stdfs::path absolute = stdfs::absolute(fs::NativePath(folder), error);
  return error ? folder : FromUtf8(absolute.lexically_normal().string());
}

// Copies the template's files that the user's folder lacks, never replacing one.
void FillFromTemplate(const std::u16string& templateFolder, const std::u16string& folder) {
  std::error_code error;
  const stdfs::path to = fs::NativePath(folder);
  stdfs::create_directories(to, error);
  for (stdfs::directory_iterator it(fs::NativePath(templateFolder), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code copyError;
    if (it->is_regular_file(copyError)) {
      stdfs::copy_file(it->path(), to / it->path().filename(), stdfs::copy_options::skip_existing, copyError);
    }
  }
}

std::optional<std::u16string> UserDataFolder(const DataFolderPlaces& places) {
  if (places.userDataFolder.empty()) return std::nullopt;
  if (!IsDataFolder(places.userDataFolder) && IsDataFolder(places.installedTemplate)) {
    FillFromTemplate(places.installedTemplate, places.userDataFolder);
  }
  if (!IsDataFolder(places.userDataFolder)) return std::nullopt;
  return places.userDataFolder;
}

std::vector<std::string> ReadLines(const std::u16string& file) {
  std::ifstream in(fs::NativePath(file));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

std::u16string SettingsFilePath() {
  return UnderUserBase("XDG_CONFIG_HOME", ".config", "/velni2qx/velni2qx.conf");
}

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
  std::error_code error;
  stdfs::create_directories(stdfs::path(fs::NativePath(settingsFile)).parent_path(), error);
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
  if (auto variable = Variable(kDataFolderVariable)) {
    places.named = FromUtf8(*variable);
  } else {
    places.named = DataFolderSetting(SettingsFilePath());
  }
  places.programFolder = fs::ProgramFolder();
  places.userDataFolder = UnderUserBase("XDG_DATA_HOME", ".local/share", "/velni2qx/PATDAT");
  const stdfs::path templateFolder = stdfs::path(fs::NativePath(places.programFolder)) / "../share/velni2qx/PATDAT";
  places.installedTemplate = FromUtf8(templateFolder.lexically_normal().string());
  return places;
}

DataFolderChoice ChooseDataFolder(const DataFolderPlaces& places) {
  for (const auto& named : {places.given, places.named}) {
    if (!named) continue;
    const std::u16string folder = Absolute(*named);
    if (IsDataFolder(folder)) return {WithFinalSeparator(folder), {}};
    return {{}, folder};
  }
  if (auto beside = DataFolderBesideProgram(places.programFolder)) return {*beside, {}};
  if (auto user = UserDataFolder(places)) return {WithFinalSeparator(*user), {}};
  return {};
}

}  // namespace velni
