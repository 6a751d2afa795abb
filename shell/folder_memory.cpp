#include "shell/folder_memory.hpp"

#include <QSettings>

#include "shell/qt_text.hpp"

namespace velni {

FolderMemory SettingsFolderMemory() {
  FolderMemory memory;
  memory.recall = [](const QString& key) { return FromQString(QSettings().value(key).toString()); };
  memory.keep = [](const QString& key, const std::u16string& folder) { QSettings().setValue(key, ToQString(folder)); };
  return memory;
}

}  // namespace velni
