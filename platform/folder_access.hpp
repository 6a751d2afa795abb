#pragma once
// Whether a folder can be listed and, when not, why, in the operator's words: a
// survey folder that cannot be read must be reported, never skipped.
#include <optional>
#include <string>

namespace velni {

// Empty when the folder can be listed; otherwise the reason.
std::optional<std::u16string> FolderUnreadableReason(const std::u16string& folder);

}  // namespace velni
