#include "text/run_error.hpp"

#include <utility>

#include "text/utf.hpp"

namespace velni {

namespace {

std::u16string ComposeMessage(const std::u16string& what, const std::u16string& path,
                              const std::u16string& where) {
  std::u16string message = what;
  if (!path.empty()) message += u"\nファイル: " + path;
  if (!where.empty()) message += u"\n" + where;
  return message;
}

}  // namespace

RunError::RunError(std::u16string what, std::u16string path, std::u16string where)
    : std::runtime_error(ToUtf8(ComposeMessage(what, path, where))),
      what_(std::move(what)),
      path_(std::move(path)),
      where_(std::move(where)) {}

RunError::RunError(std::u16string what, std::u16string path, std::u16string where, int systemError)
    : RunError(std::move(what), std::move(path), std::move(where)) {
  systemError_ = systemError;
}

RunError RunError::WithPath(const std::u16string& path) const { return RunError(what_, path, where_, systemError_); }

RunError RunError::WithWhere(const std::u16string& where) const { return RunError(what_, path_, where, systemError_); }

std::u16string RunError::Message() const { return ComposeMessage(what_, path_, where_); }

}  // namespace velni
