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
  memory.recall = [](const std::u16string& key) {
    return FromQString(WindowSettings().value(ToQString(key)).toString());
  };
  memory.keep = [](const std::u16string& key, const std::u16string& folder) {
    WindowSettings().setValue(ToQString(key), ToQString(folder));
  };
  return memory;
}

}  // namespace velni
