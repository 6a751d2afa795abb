#pragma once
// Start-up's search for the data folder PATDAT: beside the program first, then
// folder by folder over the program's own volume, then over the other volumes.
// Needs no window: what it walks and how it yields are handed in.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/subfolders.hpp"
#include "platform/volumes.hpp"

namespace velni {

// Called once per visited folder with that folder and how many folders have been
// visited so far; returning false ends the search as "not found".
using FolderVisit = std::function<bool(const std::u16string& folder, std::size_t visited)>;

struct DataFolderSearch {
  std::u16string programFolder;
  std::vector<std::u16string> volumeRoots;  // the drives, in the order they are tried
  std::function<bool(const std::u16string& root)> volumeReadable = IsVolumeReadable;
  FolderVisit onVisit;  // may be left empty
};

// The roots of local volumes in their order, then those of network volumes: a
// network volume that does not answer must not keep a local data folder unfound.
std::vector<std::u16string> LocalVolumesFirst(const std::vector<Volume>& volumes);

// The search over this machine: the running program's folder and its volumes.
DataFolderSearch MachineDataFolderSearch(FolderVisit onVisit);

// The data folder with its final separator; empty when there is none anywhere or
// the search was ended.
std::u16string FindDataFolder(const DataFolderSearch& search);

// How far the walk has come, over all volumes of one search.
class WalkProgress {
 public:
  explicit WalkProgress(FolderVisit onVisit) : onVisit_(std::move(onVisit)) {}
  // Counts `folder` as visited; false once the search has been ended.
  bool Visit(const std::u16string& folder);
  bool Ended() const { return ended_; }
  std::size_t Visited() const { return visited_; }

 private:
  FolderVisit onVisit_;
  std::size_t visited_ = 0;
  bool ended_ = false;
};

// The walk of one volume: it never leaves the volume it started on.
struct DriveWalk {
  VolumeId volume;
  WalkProgress& progress;
};

// Tests `candidate` (a folder named PATDAT, which need not exist) and then, depth
// first in name order, the PATDAT inside every folder below the one that holds it.
// The first data folder met, with its final separator.
std::optional<std::u16string> SearchDriveForDataFolder(const std::u16string& candidate, DriveWalk& walk);

// `path` up to and including its last separator; empty when it has none.
std::u16string FolderPart(const std::u16string& path);

}  // namespace velni
