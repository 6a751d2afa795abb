#pragma once
// Where both programs look for the data folder, in one order, so that the window
// and the command line always share one set of soil-name tables:
//   1. the folder named on the command line (--data-folder);
//   2. the folder named by VELNI2QX_DATA_FOLDER, or else by the user's settings file
//      (~/.config/velni2qx/velni2qx.conf, line "data-folder=...");
//   3. PATDAT beside the program;
//   4. the user's data folder ~/.local/share/velni2qx/PATDAT, made at first use from
//      the installed template (<prefix>/share/velni2qx/PATDAT beside <prefix>/bin).
// The window searches the volumes after these (not here).
#include <optional>
#include <string>

namespace velni {

struct DataFolderPlaces {
  std::optional<std::u16string> given;     // --data-folder
  std::optional<std::u16string> named;     // the environment variable or the settings file
  std::u16string namedBy;                  // which of the two, as a message says it
  std::u16string programFolder;
  std::u16string userDataFolder;           // made from the template when it is no data folder
  std::u16string installedTemplate;
};

struct DataFolderChoice {
  std::u16string folder;       // with its final separator; empty when none
  std::u16string refusedName;  // a named folder that is no data folder (then `folder` is empty)
  std::u16string refusedBy;    // where that name came from, as a message says it
};

// Why the named folder was refused, naming it and where the setting came from:
// "--data-folder で指定されたフォルダ /x はデータフォルダではありません（kishitu.txt がありません）。"
std::u16string RefusedDataFolderMessage(const DataFolderChoice& choice);

inline constexpr char kDataFolderVariable[] = "VELNI2QX_DATA_FOLDER";

// The places of this machine and user (environment, settings file, home folder).
DataFolderPlaces MachineDataFolderPlaces(std::optional<std::u16string> given);

// The first data folder in the order above. A folder named on the command line,
// by the environment or by the settings file is never passed over for another:
// when it is no data folder the choice is empty and names it.
DataFolderChoice ChooseDataFolder(const DataFolderPlaces& places);

// The user's settings file and the data folder it names (nullopt when it names none).
std::u16string SettingsFilePath();
std::optional<std::u16string> DataFolderSetting(const std::u16string& settingsFile);
// Writes the data-folder line, keeping the file's other lines; false when it cannot.
bool SaveDataFolderSetting(const std::u16string& settingsFile, const std::u16string& folder);

}  // namespace velni
