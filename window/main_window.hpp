#pragma once
// The main window's behaviour, free of any window system: the source file and the
// destination folder chosen in drive, folder and file lists, the run and end
// buttons, and the message line. A view (the Qt window, the Win32 window, a test's
// fake) draws the controls and hands the operator's events to it.
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/volumes.hpp"
#include "run/conversion_run.hpp"
#include "window/folder_memory.hpp"
#include "window/main_window_view.hpp"

namespace velni {

inline constexpr char16_t kDataFolderLinePrefix[] = u"データフォルダ: ";

// What the source file list offers: the source system's main data files, or the
// delivered exchange XML, which converts as they do. The filter list shows the
// texts in this order.
enum class SourceFilter { MainData, Exchange };
inline constexpr const char16_t* kSourceFilterTexts[] = {u"主データ (MDT*.JDF)", u"交換用データ (*.XML)"};

// What the window asks of the machine; tests hand in temporary volumes, a data
// folder of their own and a run of their own.
struct WindowServices {
  std::vector<Volume> volumes;
  std::function<std::u16string()> findDataFolder;
  std::function<RunResult(const RunRequest&, RunUi&)> run = ConversionRun;
  FolderMemory folderMemory;  // may be left empty: the lists start in the current folder
};

class MainWindow {
 public:
  MainWindow(WindowServices services, MainWindowView& view);

  // Start-up: centres the window, finds the data folder and primes the lists.
  // False when there is no data folder: the message has been shown and the program
  // is to end without showing the window.
  bool Load();
  const std::u16string& DataFolderPath() const { return dataFolderPath_; }

  // The operator's events.
  void DriveChosen(ListSide side, std::size_t index);
  void FolderOpened(ListSide side, std::size_t entry);
  void FileChosen(std::size_t index);
  // Another kind of file chosen below the file list: the list shows those instead.
  void FilterChosen(std::size_t index);
  // Opens the picture window of the chosen file.
  void FileOpened(std::size_t index);
  void RunClicked();
  void QuitClicked();
  void BackgroundMouseMove();
  // Whether a drop of these files would be taken: one main data file or one
  // exchange XML.
  static bool AcceptsDrop(const std::vector<std::u16string>& paths);
  // Such a file dropped on the window (or named at start) becomes the source, as if
  // chosen in the lists, the filter turned to its kind; false (and nothing changes)
  // for anything else.
  bool DropFiles(const std::vector<std::u16string>& paths);

  // The folder each list shows, without a final separator except at a root.
  const std::u16string& FolderPath(ListSide side) const { return Side(side).folder; }
  // What the last run returned; its completion message stands until the mouse
  // moves over the background.
  const std::optional<RunResult>& LastRun() const { return lastRun_; }

 private:
  struct Lists {
    std::u16string lastDrive;  // the last drive taken over without failure
    std::u16string drive;
    std::u16string folder;
    std::vector<FolderEntry> entries;
    std::u16string memoryKey;
  };

  Lists& Side(ListSide side) { return lists_[side == ListSide::Source ? 0 : 1]; }
  const Lists& Side(ListSide side) const { return lists_[side == ListSide::Source ? 0 : 1]; }
  void PrimeDrives();
  void StartWhereLeft(ListSide side);
  bool SetFolder(ListSide side, const std::u16string& folder);
  void FolderChanged(ListSide side);
  void ListFiles();
  void RecallFilter();
  void SetFilter(SourceFilter filter);
  void SelectFile(const std::u16string& name);
  std::u16string CurrentFolderOfDrive(const std::u16string& root) const;
  std::optional<std::u16string> RootHolding(const std::u16string& folder) const;
  std::size_t DriveIndex(const std::u16string& root) const;
  void MakeCurrentFolder(const std::u16string& folder);
  bool OnLocalVolume(const std::u16string& folder) const;
  SoilNameStore& SoilNames();

  WindowServices services_;
  MainWindowView& view_;
  std::vector<std::u16string> roots_;
  std::u16string dataFolderPath_;
  // The soil-name tables, read once for the whole session and again only when
  // their files change.
  std::optional<SoilNameStore> soilNames_;
  std::array<Lists, 2> lists_;
  SourceFilter filter_ = SourceFilter::MainData;
  std::vector<std::u16string> files_;
  std::optional<std::size_t> selectedFile_;
  // Each volume keeps the folder last made current on it, as a drive does.
  std::map<std::u16string, std::u16string> currentFolderOfVolume_;
  bool runInProgress_ = false;
  std::optional<RunResult> lastRun_;
};

}  // namespace velni
