#include "shell/message_box.hpp"

#include "platform/run_ui.hpp"
#include "shell/qt_text.hpp"
#include "shell/window_caption.hpp"

namespace velni {
namespace {

// The low bits of a style choose the buttons, the next ones the icon.
constexpr int kButtonBits = 0x0F;
constexpr int kIconBits = 0x70;
constexpr int kYesNoButtons = 4;

QMessageBox::Icon IconOfStyle(int style) {
  switch (style & kIconBits) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

MessageBoxLook LookOfStyle(int style) {
  if ((style & kButtonBits) == kYesNoButtons) {
    return {IconOfStyle(style), QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
  }
  return {IconOfStyle(style), QMessageBox::Ok, QMessageBox::Ok};
}

int AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    default: return kAnswerOk;
  }
}

int ShowMessageBox(QWidget* parent, const std::u16string& prompt, int style,
                   const std::optional<std::u16string>& title) {
  const MessageBoxLook look = LookOfStyle(style);
  const QString caption = ToQString(title ? *title : std::u16string(kWindowCaption));
  QMessageBox box(look.icon, caption, ToQString(prompt), look.buttons, parent);
  box.setTextFormat(Qt::PlainText);
  box.setEscapeButton(look.escape);
  box.exec();
  return AnswerOf(box.standardButton(box.clickedButton()));
}

}  // namespace velni
