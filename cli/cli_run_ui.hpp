#pragma once
// The command line's answer to what a run asks of its front end: message boxes
// become lines on standard error, and the one question is answered by the options
// or on the terminal.
#include <iosfwd>

#include "platform/run_ui.hpp"

namespace velni::cli {

enum class QuestionAnswer { Ask, Yes, No };

class CliRunUi : public RunUi {
 public:
  CliRunUi(QuestionAnswer answer, std::ostream& errors);

  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) override;
  void SetMessageLine(const std::u16string&) override {}
  void SetBusyPointer(bool) override {}
  void YieldToWindowSystem() override {}
  void SelectDestinationText() override {}
  void Notify(const std::u16string& text) override;

 private:
  int AnswerQuestion();

  QuestionAnswer answer_;
  std::ostream& errors_;
};

// A prompt as one line: its line breaks become blanks.
std::string OneLine(const std::u16string& prompt);

}  // namespace velni::cli
