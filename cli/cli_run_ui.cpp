#include "cli/cli_run_ui.hpp"

#include <iostream>
#include <string>

#include "platform/terminal.hpp"
#include "text/utf.hpp"

namespace velni::cli {

CliRunUi::CliRunUi(QuestionAnswer answer, std::ostream& errors) : answer_(answer), errors_(errors) {}

std::string OneLine(const std::u16string& prompt) {
  std::u16string line = prompt;
  for (auto& c : line) {
    if (c == u'\n' || c == u'\r') c = u' ';
  }
  return ToUtf8(line);
}

int CliRunUi::ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>&) {
  errors_ << OneLine(prompt) << std::endl;
  return style == kStyleQuestionYesNo ? AnswerQuestion() : kAnswerOk;
}

void CliRunUi::Notify(const std::u16string& text) { errors_ << OneLine(text) << std::endl; }

int CliRunUi::AnswerQuestion() {
  if (answer_ == QuestionAnswer::Yes) return kAnswerYes;
  if (answer_ == QuestionAnswer::No || !StandardInputIsTerminal()) return kAnswerNo;
  errors_ << "[y/N] " << std::flush;
  std::string reply;
  std::getline(std::cin, reply);
  return (reply == "y" || reply == "Y" || reply == "yes") ? kAnswerYes : kAnswerNo;
}

}  // namespace velni::cli
