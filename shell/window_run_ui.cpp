#include "shell/window_run_ui.hpp"

#include <QApplication>
#include <utility>

#include "shell/qt_text.hpp"

namespace velni {

WindowRunUi::WindowRunUi(QLabel& messageLine, QLineEdit& destination, MessageBoxFunction showMessage)
    : messageLine_(messageLine), destination_(destination), showMessage_(std::move(showMessage)) {}

WindowRunUi::~WindowRunUi() { SetBusyPointer(false); }

int WindowRunUi::ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) {
  return showMessage_(prompt, style, title);
}

void WindowRunUi::SetMessageLine(const std::u16string& text) { messageLine_.setText(ToQString(text)); }

// The hourglass covers the whole program, controls included, until the run ends.
void WindowRunUi::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void WindowRunUi::YieldToWindowSystem() { QApplication::processEvents(); }

void WindowRunUi::SelectDestinationText() {
  destination_.setFocus();
  destination_.selectAll();
}

}  // namespace velni
