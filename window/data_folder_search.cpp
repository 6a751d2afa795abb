#include "window/data_folder_search.hpp"

#include "platform/data_folder.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"

namespace velni {
namespace {

// Where paths begin with a drive letter, "X:" ends a folder part as well.
constexpr bool kColonEndsDrive = kPathSeparator == u'\\';

bool EndsFolderPart(char16_t c) { return c == kPathSeparator || (kColonEndsDrive && c == u':'); }

// The sub-folder of `holder` named like the candidate (letter case aside) that
// holds a non-empty kishitu.txt.
std::optional<std::u16string> DataFolderAmong(const std::u16string& holder, const std::u16string& name,
                                              const std::vector<std::u16string>& subfolders) {
  for (const std::u16string& subfolder : subfolders) {
    if (fs::EqualsIgnoringCase(subfolder, name) && IsDataFolder(holder + subfolder)) {
      return holder + subfolder + kPathSeparator;
    }
  }
  return std::nullopt;
}

std::optional<std::u16string> SearchVolume(const std::u16string& root, WalkProgress& progress) {
  const std::optional<VolumeId> volume = VolumeIdOf(root);
  if (!volume) return std::nullopt;
  DriveWalk walk{*volume, progress};
  return SearchDriveForDataFolder(WithFinalSeparator(root) + kDataFolderName, walk);
}

// The program's own volume first, then the others in their order; the program's
// volume is not walked a second time, since a second walk finds nothing new.
std::vector<std::size_t> VolumeOrder(const DataFolderSearch& search) {
  const std::optional<std::size_t> own = VolumeHolding(search.volumeRoots, search.programFolder);
  std::vector<std::size_t> order;
  if (own) order.push_back(*own);
  for (std::size_t i = 0; i < search.volumeRoots.size(); ++i) {
    if (i != own) order.push_back(i);
  }
  return order;
}

}  // namespace

std::vector<std::u16string> LocalVolumesFirst(const std::vector<Volume>& volumes) {
  std::vector<std::u16string> roots;
  for (const bool network : {false, true}) {
    for (const Volume& volume : volumes) {
      if (volume.network == network) roots.push_back(volume.root);
    }
  }
  return roots;
}

bool WalkProgress::Visit(const std::u16string& folder) {
  ++visited_;
  if (onVisit_ && !onVisit_(folder, visited_)) ended_ = true;
  return !ended_;
}

DataFolderSearch MachineDataFolderSearch(FolderVisit onVisit) {
  DataFolderSearch search;
  search.programFolder = fs::ProgramFolder();
  search.volumeRoots = LocalVolumesFirst(MountedVolumes());
  search.onVisit = std::move(onVisit);
  return search;
}

std::u16string FindDataFolder(const DataFolderSearch& search) {
  if (auto beside = DataFolderBesideProgram(search.programFolder)) return *beside;
  WalkProgress progress(search.onVisit);
  for (const std::size_t index : VolumeOrder(search)) {
    const std::u16string& root = search.volumeRoots[index];
    if (!search.volumeReadable(root)) continue;
    if (auto found = SearchVolume(root, progress)) return *found;
    if (progress.Ended()) break;
  }
  return {};
}

std::optional<std::u16string> SearchDriveForDataFolder(const std::u16string& candidate, DriveWalk& walk) {
  const std::u16string holder = FolderPart(candidate);
  const std::u16string name = candidate.substr(holder.size());
  if (!walk.progress.Visit(holder)) return std::nullopt;
  const SubfolderListing listing = ReadSubfolders(holder, {.onVolume = walk.volume, .followLinks = false});
  if (auto found = DataFolderAmong(holder, name, listing.names)) return found;
  for (const std::u16string& subfolder : listing.names) {
    if (auto found = SearchDriveForDataFolder(holder + subfolder + kPathSeparator + name, walk)) return found;
    if (walk.progress.Ended()) break;
  }
  return std::nullopt;
}

std::u16string FolderPart(const std::u16string& path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (EndsFolderPart(path[i - 1])) return path.substr(0, i);
  }
  return {};
}

}  // namespace velni
