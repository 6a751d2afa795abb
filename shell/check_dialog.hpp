#pragma once
// The problems a check found in one boring, one line each, faults first, in a
// dialog of its own beside the picture window.
#include <QDialog>

#include "window/picture_presenter.hpp"

namespace velni {

class CheckDialog : public QDialog {
  Q_OBJECT

 public:
  CheckDialog(const CheckList& list, QWidget* parent);
};

}  // namespace velni
