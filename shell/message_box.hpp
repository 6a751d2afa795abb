#pragma once
// The system's message boxes: a style number chooses the icon and the buttons
// (0 OK, 36 question with Yes and No, 48 exclamation, 64 information) and the
// answer is the number of the button pressed (OK 1, Yes 6, No 7).
#include <QMessageBox>
#include <functional>
#include <optional>
#include <string>

namespace velni {

using MessageBoxFunction =
    std::function<int(const std::u16string& prompt, int style, const std::optional<std::u16string>& title)>;

struct MessageBoxLook {
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton escape;  // what closing the box answers
};

MessageBoxLook LookOfStyle(int style);
int AnswerOf(QMessageBox::StandardButton button);

// Shows the box over `parent` and waits for the answer. The box shows exactly
// `title` (an empty one too); without one, the window's caption.
int ShowMessageBox(QWidget* parent, const std::u16string& prompt, int style,
                   const std::optional<std::u16string>& title);

}  // namespace velni
