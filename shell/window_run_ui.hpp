#pragma once
// What a conversion run shows, shown in the window: message boxes, the message
// line Label3, the hourglass, the one yield, and the destination text selected.
#include <QLabel>
#include <QLineEdit>

#include "platform/run_ui.hpp"
#include "shell/message_box.hpp"

namespace velni {

class WindowRunUi : public RunUi {
 public:
  WindowRunUi(QLabel& messageLine, QLineEdit& destination, MessageBoxFunction showMessage);
  ~WindowRunUi() override;
  WindowRunUi(const WindowRunUi&) = delete;
  WindowRunUi& operator=(const WindowRunUi&) = delete;

  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) override;
  void SetMessageLine(const std::u16string& text) override;
  void SetBusyPointer(bool busy) override;
  void YieldToWindowSystem() override;
  void SelectDestinationText() override;

 private:
  QLabel& messageLine_;
  QLineEdit& destination_;
  MessageBoxFunction showMessage_;
  bool busy_ = false;
};

}  // namespace velni
