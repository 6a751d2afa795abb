#include "shell/drive_list.hpp"

#include <QSignalBlocker>

#include "shell/qt_text.hpp"

namespace velni {

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {}

void DriveList::SetDrives(const std::vector<std::u16string>& texts, std::size_t current) {
  const QSignalBlocker quiet(this);
  clear();
  for (const std::u16string& text : texts) addItem(ToQString(text));
  setCurrentIndex(static_cast<int>(current));
}

void DriveList::SetCurrent(std::size_t index) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(static_cast<int>(index));
}

}  // namespace velni
