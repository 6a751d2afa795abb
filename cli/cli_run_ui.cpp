#include "cli/cli_run_ui.hpp"

#include <iostream>
#include <string>

#include "cli/help_text.hpp"
#include "platform/terminal.hpp"
#include "platform/yes_answer.hpp"
#include "run/run_messages.hpp"
#include "text/utf.hpp"

namespace velni::cli {

CliRunUi::CliRunUi(QuestionAnswer answer, std::ostream& errors, Verbosity verbosity, std::u16string destination)
    : answer_(answer), errors_(errors), verbosity_(verbosity), destination_(std::move(destination)) {}

std::string OneLine(const std::u16string& prompt) {
  std::u16string line = prompt;
  for (auto& c : line) {
    if (c == u'\n' || c == u'\r') c = u' ';
  }
  return ToUtf8(line);
}

int CliRunUi::ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>&) {
  creationPending_ = false;
  if (style == kStyleQuestionYesNo) return AnswerQuestion(prompt);
  errors_ << kErrorPrefix << OneLine(prompt) << std::endl;
  return kAnswerOk;
}

void CliRunUi::Notify(const std::u16string& text) { errors_ << OneLine(text) << std::endl; }

void CliRunUi::SetBusyPointer(bool busy) {
  if (!busy || !creationPending_) return;
  creationPending_ = false;
  if (verbosity_ != Verbosity::Quiet) errors_ << ToUtf8(kCreatedPrefix) << ToUtf8(destination_) << std::endl;
}

// The run asks only whether to create the destination: on a terminal the question
// says which folder, since the window's box showed it beside the question.
std::u16string CliRunUi::QuestionNamingTheFolder(const std::u16string& prompt) const {
  if (prompt != kCreateFolderQuestion || destination_.empty()) return prompt;
  return u"フォルダ " + destination_ + u" がありません。新規作成しますか？";
}

int CliRunUi::AnswerQuestion(const std::u16string& prompt) {
  if (answer_ == QuestionAnswer::Yes) {
    creationPending_ = true;
    return kAnswerYes;
  }
  errors_ << OneLine(QuestionNamingTheFolder(prompt)) << std::endl;
  if (answer_ == QuestionAnswer::No) return kAnswerNo;
  if (!StandardInputIsTerminal()) {
    errors_ << ToUtf8(kTakenAsNo) << std::endl;
    return kAnswerNo;
  }
  errors_ << "[y/N] " << std::flush;
  std::string reply;
  std::getline(std::cin, reply);
  return IsYesAnswer(reply) ? kAnswerYes : kAnswerNo;
}

}  // namespace velni::cli
