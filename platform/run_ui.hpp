#pragma once
// What a conversion run asks of the front end that started it: message boxes and
// questions, the message line Label3, the busy pointer, one yield, and the focus on
// the destination text. The window and the command line implement it; tests fake it.
#include <optional>
#include <string>

namespace velni {

// Message-box styles used by the system.
inline constexpr int kStyleOk = 0;              // OK button, no icon
inline constexpr int kStyleQuestionYesNo = 36;  // question icon, Yes and No
inline constexpr int kStyleExclamation = 48;    // exclamation icon, OK
inline constexpr int kStyleInformation = 64;    // information icon, OK

// Buttons a message box answers with.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

class RunUi {
 public:
  virtual ~RunUi() = default;

  // Shows a message box and returns the button pressed. Without a title the box
  // shows the application's own.
  virtual int ShowMessage(const std::u16string& prompt, int style,
                          const std::optional<std::u16string>& title = std::nullopt) = 0;
  // The caption of Label3.
  virtual void SetMessageLine(const std::u16string& text) = 0;
  // The hourglass pointer (true) or the default one (false).
  virtual void SetBusyPointer(bool busy) = 0;
  // Lets the window system paint what is pending, once.
  virtual void YieldToWindowSystem() = 0;
  // Gives the destination text box the focus with its whole text selected.
  virtual void SelectDestinationText() = 0;
  // Something the operator should know that does not stop the run (waiting for
  // another conversion, a warning): on the message line, painted at once.
  virtual void Notify(const std::u16string& text) {
    SetMessageLine(text);
    YieldToWindowSystem();
  }
};

}  // namespace velni
