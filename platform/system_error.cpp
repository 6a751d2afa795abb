#include "platform/system_error.hpp"

#include <cerrno>

namespace velni {

RunError SystemFailure(int systemError, const char16_t* fallback, const std::u16string& path) {
  const char16_t* what = fallback;
  switch (systemError) {
    case EACCES:
    case EPERM:
      what = failure::kAccessDenied;
      break;
    case EROFS:
    case ETXTBSY:
      what = failure::kReadOnly;
      break;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
      what = failure::kDiskFull;
      break;
    case ENAMETOOLONG:
      what = failure::kPathTooLong;
      break;
    case EIO:
      what = failure::kIoError;
      break;
    default:
      break;
  }
  return RunError(what, path, {}, systemError);
}

}  // namespace velni
