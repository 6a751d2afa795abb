#include "platform/subfolders.hpp"

#include <windows.h>

#include "platform/windows/win32.hpp"

namespace velni {
namespace {

bool IsWantedSubfolder(const std::u16string& folder, const WIN32_FIND_DATAW& entry, const SubfolderQuery& query) {
  if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || win32::IsDotEntry(entry.cFileName)) return false;
  // Junctions, links and mounted volumes are reparse points: the walk never
  // follows them, so it stays on its volume and a loop of links cannot hold it.
  const bool reparse = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (!reparse) return true;
  if (!query.followLinks) return false;
  if (!query.onVolume) return true;
  return VolumeIdOf(win32::WithoutFinalSeparator(folder) + u"\\" + win32::FromWide(entry.cFileName)) ==
         query.onVolume;
}

}  // namespace

std::optional<VolumeId> VolumeIdOf(const std::u16string& folder) {
  const win32::Handle handle(::CreateFileW(win32::WidePath(folder).c_str(), 0,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!handle.Valid() || !::GetFileInformationByHandle(handle.get(), &info)) return std::nullopt;
  return static_cast<VolumeId>(info.dwVolumeSerialNumber);
}

SubfolderListing ReadSubfolders(const std::u16string& folder, const SubfolderQuery& query) {
  SubfolderListing listing;
  win32::FindHandle find(folder);
  if (!find.Valid()) return listing;
  listing.readable = true;
  do {
    if (IsWantedSubfolder(folder, find.Entry(), query)) listing.names.push_back(win32::FromWide(find.Entry().cFileName));
  } while (find.Next());
  SortNamesIgnoringCase(listing.names);
  return listing;
}

}  // namespace velni
