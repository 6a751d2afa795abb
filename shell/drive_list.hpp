#pragma once
// A drive list: one entry per volume, its text beginning with the volume's root.
// Filled and moved by the presenter without raising its change event.
#include <QComboBox>
#include <string>
#include <vector>

namespace velni {

class DriveList : public QComboBox {
 public:
  explicit DriveList(QWidget* parent);

  void SetDrives(const std::vector<std::u16string>& texts, std::size_t current);
  void SetCurrent(std::size_t index);
};

}  // namespace velni
