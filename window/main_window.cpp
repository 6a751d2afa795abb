#include "window/main_window.hpp"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/current_folder.hpp"
#include "platform/data_folder.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "platform/subfolders.hpp"
#include "readers/exchange_reader.hpp"
#include "run/main_data_files.hpp"
#include "window/folder_entries.hpp"
#include "window/window_run_ui.hpp"

namespace velni {
namespace {

std::vector<std::u16string> RootsOf(const std::vector<Volume>& volumes) {
  std::vector<std::u16string> roots;
  for (const Volume& volume : volumes) roots.push_back(volume.root);
  return roots;
}

std::size_t OpenEntryCount(const std::vector<FolderEntry>& entries) {
  return static_cast<std::size_t>(std::count_if(entries.begin(), entries.end(), [](const FolderEntry& entry) {
    return entry.open;
  }));
}

// As the settings keep the filter chosen, in the order of SourceFilter.
constexpr const char16_t* kFilterPatterns[] = {u"MDT*.JDF", u"*.XML"};

std::size_t IndexOf(SourceFilter filter) { return static_cast<std::size_t>(filter); }

std::vector<std::u16string> FilterTexts() { return {std::begin(kSourceFilterTexts), std::end(kSourceFilterTexts)}; }

std::optional<SourceFilter> FilterOfFile(const std::u16string& name) {
  if (IsMainDataFileName(name)) return SourceFilter::MainData;
  if (IsExchangeFileName(name)) return SourceFilter::Exchange;
  return std::nullopt;
}

}  // namespace

MainWindow::MainWindow(WindowServices services, MainWindowView& view)
    : services_(std::move(services)), view_(view), roots_(RootsOf(services_.volumes)) {
  Side(ListSide::Source).memoryKey = kSourceFolderKey;
  Side(ListSide::Destination).memoryKey = kDestinationFolderKey;
}

bool MainWindow::Load() {
  view_.CentreOnScreen();
  dataFolderPath_ = services_.findDataFolder();
  if (dataFolderPath_.empty()) {
    view_.ShowMessage(kNoDataFolderMessage, kStyleOk, std::nullopt);
    return false;
  }
  lastRun_.reset();
  view_.SetMessageLine(kDataFolderLinePrefix + dataFolderPath_);
  PrimeDrives();
  RecallFilter();
  for (const ListSide side : {ListSide::Source, ListSide::Destination}) {
    StartWhereLeft(side);
    DriveChosen(side, DriveIndex(Side(side).drive));
  }
  view_.SetSourceText(FolderPath(ListSide::Source));
  view_.SetDestinationText(FolderPath(ListSide::Destination));
  view_.FocusSourceFolders();
  return true;
}

// Both drive lists start on the volume of the current folder.
void MainWindow::PrimeDrives() {
  std::vector<std::u16string> texts;
  for (const Volume& volume : services_.volumes) texts.push_back(DriveText(volume));
  const std::size_t current = VolumeHolding(roots_, CurrentFolder()).value_or(0);
  for (const ListSide side : {ListSide::Source, ListSide::Destination}) {
    view_.ShowDrives(side, texts, current);
    if (current < roots_.size()) Side(side).drive = roots_[current];
  }
}

// The list opens on the folder it was left in last time, when that folder is still
// there; otherwise where it always has. A network volume that does not answer
// would hold the window before it shows, so only local folders are taken up again.
void MainWindow::StartWhereLeft(ListSide side) {
  if (!services_.folderMemory.recall) return;
  const std::u16string folder = services_.folderMemory.recall(Side(side).memoryKey);
  if (folder.empty() || !OnLocalVolume(folder) || !fs::IsFolder(folder)) return;
  const std::u16string root = *RootHolding(folder);
  currentFolderOfVolume_[root] = folder;
  Side(side).drive = root;
  view_.ShowCurrentDrive(side, DriveIndex(root));
}

void MainWindow::DriveChosen(ListSide side, std::size_t index) {
  if (index >= roots_.size()) return;
  Lists& lists = Side(side);
  const std::u16string chosen = roots_[index];
  lists.drive = chosen;
  // A drive whose remembered folder has gone opens at its root.
  const bool moved = SetFolder(side, CurrentFolderOfDrive(chosen)) || SetFolder(side, chosen);
  if (moved && ChangeCurrentFolder(lists.folder)) {
    lists.lastDrive = chosen;
    return;
  }
  // A volume that cannot be read (a drive without its medium) is refused without a
  // word: the list returns to the last drive that worked and the folder list, which
  // never moved, stays where it was. Before any drive has worked there is none to
  // return to, and the list is left as chosen.
  if (lists.lastDrive.empty()) return;
  lists.drive = lists.lastDrive;
  view_.ShowCurrentDrive(side, DriveIndex(lists.lastDrive));
}

void MainWindow::FolderOpened(ListSide side, std::size_t entry) {
  const std::vector<FolderEntry>& entries = Side(side).entries;
  if (entry < entries.size()) SetFolder(side, std::u16string(entries[entry].path));
}

// False, and no move, when the folder cannot be listed (a volume without its medium).
bool MainWindow::SetFolder(ListSide side, const std::u16string& folder) {
  const std::u16string path = WithoutFinalSeparator(folder);
  // Links are offered like folders: the operator may keep borings behind one.
  const SubfolderListing listing = ReadSubfolders(path, {.onVolume = std::nullopt, .followLinks = true});
  if (!listing.readable) return false;
  Lists& lists = Side(side);
  const bool moves = path != lists.folder;
  lists.folder = path;
  lists.entries = FolderEntries(path, listing.names);
  view_.ShowFolders(side, lists.entries, OpenEntryCount(lists.entries) - 1);
  if (moves) FolderChanged(side);
  return true;
}

void MainWindow::FolderChanged(ListSide side) {
  const std::u16string& folder = FolderPath(side);
  if (side == ListSide::Source) {
    ListFiles();
    view_.SetSourceText(folder);
  } else {
    view_.SetDestinationText(folder);
  }
  MakeCurrentFolder(folder);
  if (services_.folderMemory.keep) services_.folderMemory.keep(Side(side).memoryKey, folder);
}

// Only files of the filter's kind are offered, after every folder change.
void MainWindow::ListFiles() {
  files_.clear();
  selectedFile_.reset();
  for (const std::u16string& name : fs::ListFiles(FolderPath(ListSide::Source))) {
    if (FilterOfFile(name) == filter_) files_.push_back(name);
  }
  view_.ShowFiles(files_);
}

// The list offers the kind of file it offered when the window was last closed.
void MainWindow::RecallFilter() {
  const auto& recall = services_.folderMemory.recall;
  if (recall && recall(kSourceFilterKey) == kFilterPatterns[IndexOf(SourceFilter::Exchange)]) {
    filter_ = SourceFilter::Exchange;
  }
  view_.ShowFileFilters(FilterTexts(), IndexOf(filter_));
}

void MainWindow::SetFilter(SourceFilter filter) {
  filter_ = filter;
  ListFiles();
  if (services_.folderMemory.keep) services_.folderMemory.keep(kSourceFilterKey, kFilterPatterns[IndexOf(filter)]);
}

// As after a folder change, the source is the folder alone until a file is chosen:
// a file of the other kind, no longer listed, is not run by mistake.
void MainWindow::FilterChosen(std::size_t index) {
  if (index >= std::size(kSourceFilterTexts) || index == IndexOf(filter_)) return;
  SetFilter(static_cast<SourceFilter>(index));
  view_.SetSourceText(FolderPath(ListSide::Source));
}

void MainWindow::FileChosen(std::size_t index) {
  if (index >= files_.size()) return;
  selectedFile_ = index;
  view_.SetSourceText(WithFinalSeparator(FolderPath(ListSide::Source)) + files_[index]);
}

void MainWindow::FileOpened(std::size_t index) {
  if (index >= files_.size()) return;
  selectedFile_ = index;
  view_.OpenPictureWindow({WithFinalSeparator(FolderPath(ListSide::Source)) + files_[index], dataFolderPath_,
                           &SoilNames()});
}

void MainWindow::RunClicked() {
  // A second click within the run's one yield must not start a run inside the run.
  if (runInProgress_) return;
  runInProgress_ = true;
  const RunRequest request{view_.SourceText(), view_.DestinationText(), dataFolderPath_, &SoilNames()};
  WindowRunUi ui(view_, request.destinationText);
  lastRun_ = services_.run(request, ui);
  ui.Finish(*lastRun_);
  runInProgress_ = false;
}

void MainWindow::QuitClicked() { view_.Close(); }

void MainWindow::BackgroundMouseMove() {
  if (!lastRun_ || lastRun_->outcome != RunOutcome::Completed) return;
  view_.SetMessageLine(u"");
  lastRun_.reset();
}

bool MainWindow::AcceptsDrop(const std::vector<std::u16string>& paths) {
  return paths.size() == 1 && FilterOfFile(FileNameOf(paths.front()));
}

bool MainWindow::DropFiles(const std::vector<std::u16string>& paths) {
  if (!AcceptsDrop(paths)) return false;
  const std::u16string& path = paths.front();
  const std::u16string folder = WithoutFinalSeparator(FolderHolding(path));
  const std::optional<std::u16string> root = RootHolding(folder);
  if (!root || !fs::IsFile(path)) return false;
  if (const SourceFilter kind = *FilterOfFile(FileNameOf(path)); kind != filter_) {
    view_.ShowFileFilters(FilterTexts(), IndexOf(kind));
    SetFilter(kind);
  }
  currentFolderOfVolume_[*root] = folder;
  if (Side(ListSide::Source).drive != *root) {
    view_.ShowCurrentDrive(ListSide::Source, DriveIndex(*root));
    DriveChosen(ListSide::Source, DriveIndex(*root));
  } else {
    SetFolder(ListSide::Source, folder);
  }
  const auto found = std::find(files_.begin(), files_.end(), FileNameOf(path));
  if (found == files_.end()) return false;
  const auto index = static_cast<std::size_t>(found - files_.begin());
  view_.ShowSelectedFile(index);
  FileChosen(index);
  return true;
}

std::optional<std::u16string> MainWindow::RootHolding(const std::u16string& folder) const {
  const std::optional<std::size_t> index = VolumeHolding(roots_, folder);
  if (!index) return std::nullopt;
  return roots_[*index];
}

std::size_t MainWindow::DriveIndex(const std::u16string& root) const {
  return static_cast<std::size_t>(std::find(roots_.begin(), roots_.end(), root) - roots_.begin());
}

std::u16string MainWindow::CurrentFolderOfDrive(const std::u16string& root) const {
  if (const auto remembered = currentFolderOfVolume_.find(root); remembered != currentFolderOfVolume_.end()) {
    return remembered->second;
  }
  const std::u16string current = CurrentFolder();
  if (!current.empty() && RootHolding(current) == root) return current;
  return root;
}

void MainWindow::MakeCurrentFolder(const std::u16string& folder) {
  if (!ChangeCurrentFolder(folder)) return;
  if (const auto root = RootHolding(folder)) currentFolderOfVolume_[*root] = folder;
}

bool MainWindow::OnLocalVolume(const std::u16string& folder) const {
  const std::optional<std::size_t> index = VolumeHolding(roots_, folder);
  return index && !services_.volumes[*index].network;
}

SoilNameStore& MainWindow::SoilNames() {
  if (!soilNames_) soilNames_.emplace(SoilTableFolders{dataFolderPath_});
  return *soilNames_;
}

}  // namespace velni
