#include "platform/folder_access.hpp"

#include <dirent.h>

#include <cerrno>

#include "platform/file_system.hpp"
#include "platform/posix/posix_handles.hpp"
#include "text/number_text.hpp"
#include "text/utf.hpp"

namespace velni {

std::optional<std::u16string> FolderUnreadableReason(const std::u16string& folder) {
  if (FolderHandle(fs::NativePath(folder).c_str()).get() != nullptr) return std::nullopt;
  const int error = errno;
  switch (error) {
    case EACCES: return u"フォルダを読む権限がありません。";
    case ENAMETOOLONG: return u"パスが長すぎてフォルダを読めません。";
    case ENOENT: return u"フォルダがなくなりました。";
    case EIO: return u"入出力エラーでフォルダを読めません。";
    default: break;
  }
  return std::u16string(u"フォルダを読めません (エラー番号 ").append(DecimalText(error)).append(u")。");
}

}  // namespace velni
