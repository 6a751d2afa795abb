#include "platform/folder_access.hpp"

#include <windows.h>

#include "platform/windows/win32.hpp"
#include "text/number_text.hpp"

namespace velni {

std::optional<std::u16string> FolderUnreadableReason(const std::u16string& folder) {
  if (win32::FindHandle(folder).Valid()) return std::nullopt;
  const DWORD error = ::GetLastError();
  switch (error) {
    // An empty folder has no entry at all, not even "." at a drive's root.
    case ERROR_FILE_NOT_FOUND: return std::nullopt;
    case ERROR_ACCESS_DENIED: return u"フォルダを読む権限がありません。";
    case ERROR_FILENAME_EXCED_RANGE: return u"パスが長すぎてフォルダを読めません。";
    case ERROR_PATH_NOT_FOUND: return u"フォルダがなくなりました。";
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE: return u"入出力エラーでフォルダを読めません。";
    default: break;
  }
  return std::u16string(u"フォルダを読めません (エラー番号 ")
      .append(DecimalText(static_cast<long long>(error)))
      .append(u")。");
}

}  // namespace velni
