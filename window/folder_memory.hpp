#pragma once
// Where the folder lists were left last time, so that they start there again. Each
// window keeps it in the host's settings.
#include <functional>
#include <string>

namespace velni {

inline constexpr char16_t kSourceFolderKey[] = u"folders/source";
inline constexpr char16_t kDestinationFolderKey[] = u"folders/destination";
// Not a folder: the kind of file the source list offered, kept beside them.
inline constexpr char16_t kSourceFilterKey[] = u"files/source-filter";

struct FolderMemory {
  // The folder kept under `key`; empty when none is.
  std::function<std::u16string(const std::u16string& key)> recall;
  std::function<void(const std::u16string& key, const std::u16string& folder)> keep;
};

}  // namespace velni
