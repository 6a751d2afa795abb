#pragma once
// Where the folder lists were left last time, so that they start there again.
#include <QString>
#include <functional>
#include <string>

namespace velni {

struct FolderMemory {
  // The folder kept under `key`; empty when none is.
  std::function<std::u16string(const QString& key)> recall;
  std::function<void(const QString& key, const std::u16string& folder)> keep;
};

// Kept in the window's settings file (~/.config/velni2qx/window.conf).
FolderMemory SettingsFolderMemory();

}  // namespace velni
