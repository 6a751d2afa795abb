#include "platform/volumes.hpp"

#include <windows.h>

#include "platform/windows/win32.hpp"

namespace velni {
namespace {

// What the drive list shows beside the letter. Only a fixed drive is asked for its
// label: a server that does not answer, or a reader without its medium, would
// hold the window.
std::u16string SourceOf(const std::u16string& root, UINT type) {
  switch (type) {
    case DRIVE_REMOTE: return u"ネットワーク";
    case DRIVE_REMOVABLE: return u"リムーバブル";
    case DRIVE_CDROM: return u"CD/DVD";
    default: break;
  }
  wchar_t label[MAX_PATH + 1] = {};
  const std::wstring wide(root.begin(), root.end());
  if (::GetVolumeInformationW(wide.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) && label[0]) {
    return win32::FromWide(label);
  }
  return u"ローカル ディスク";
}

}  // namespace

std::vector<Volume> MountedVolumes() {
  std::vector<Volume> local;
  std::vector<Volume> network;
  const DWORD drives = ::GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if ((drives & (1u << letter)) == 0) continue;
    const std::u16string root = {static_cast<char16_t>(u'A' + letter), u':', u'\\'};
    const std::wstring wide(root.begin(), root.end());
    const UINT type = ::GetDriveTypeW(wide.c_str());
    if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) continue;
    Volume volume{root, SourceOf(root, type), type == DRIVE_REMOTE};
    (volume.network ? network : local).push_back(std::move(volume));
  }
  local.insert(local.end(), network.begin(), network.end());
  return local;
}

bool IsVolumeReadable(const std::u16string& root) {
  win32::FindHandle find(root);
  return find.Valid();
}

}  // namespace velni
