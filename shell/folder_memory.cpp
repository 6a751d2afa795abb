#include "shell/folder_memory.hpp"

#include <QSettings>

#include "shell/qt_text.hpp"

namespace velni {
namespace {

// Named here rather than taken from the application's name, which is the window
// class the desktop entry matches.
QSettings WindowSettings() { return QSettings(QStringLiteral("velni2qx"), QStringLiteral("window")); }

}  // namespace

FolderMemory SettingsFolderMemory() {
  FolderMemory memory;
  memory.recall = [](const QString& key) { return FromQString(WindowSettings().value(key).toString()); };
  memory.keep = [](const QString& key, const std::u16string& folder) { WindowSettings().setValue(key, ToQString(folder)); };
  return memory;
}

}  // namespace velni
