#include "shell/drive_list.hpp"

#include <QSignalBlocker>

#include "shell/qt_text.hpp"

namespace velni {

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {}

void DriveList::SetVolumes(const std::vector<Volume>& volumes, const std::u16string& folder) {
  const QSignalBlocker quiet(this);
  clear();
  std::vector<std::u16string> roots;
  for (const Volume& volume : volumes) {
    addItem(ToQString(DriveText(volume)), ToQString(volume.root));
    roots.push_back(volume.root);
  }
  setCurrentIndex(static_cast<int>(VolumeHolding(roots, folder).value_or(0)));
}

std::u16string DriveList::Drive() const { return FromQString(currentData().toString()); }

void DriveList::SetDrive(const std::u16string& root) {
  const int index = findData(ToQString(root));
  if (index >= 0) setCurrentIndex(index);
}

}  // namespace velni
