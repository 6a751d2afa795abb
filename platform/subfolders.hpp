#pragma once
// The sub-folders of one folder, as the folder lists and the data-folder walk see
// them: never "." or "..", and for the walk neither symbolic links (a link loop
// would never end) nor folders of another volume.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velni {

using VolumeId = std::uint64_t;

// The volume (device) that a folder lies on; none when it cannot be reached.
std::optional<VolumeId> VolumeIdOf(const std::u16string& folder);

struct SubfolderQuery {
  std::optional<VolumeId> onVolume;  // only sub-folders on this volume
  bool followLinks = false;          // links to folders count as sub-folders
};

struct SubfolderListing {
  bool readable = false;              // the folder could be listed
  std::vector<std::u16string> names;  // in name order without regard to case
};

SubfolderListing ReadSubfolders(const std::u16string& folder, const SubfolderQuery& query = {});

// Sorts names as the system lists folders: ASCII letters compared as capitals,
// names that differ only in case in code order.
void SortNamesIgnoringCase(std::vector<std::u16string>& names);

}  // namespace velni
