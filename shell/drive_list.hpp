#pragma once
// A drive list: one entry per volume, its text beginning with the volume's root.
#include <QComboBox>
#include <string>
#include <vector>

#include "platform/volumes.hpp"

namespace velni {

class DriveList : public QComboBox {
 public:
  explicit DriveList(QWidget* parent);

  // Fills the list without raising its change event; the current entry becomes the
  // volume that holds `folder` (the first when none does).
  void SetVolumes(const std::vector<Volume>& volumes, const std::u16string& folder);
  // The root of the current entry.
  std::u16string Drive() const;
  // Makes the entry of `root` current; raises the change event when that moves it.
  void SetDrive(const std::u16string& root);
};

}  // namespace velni
