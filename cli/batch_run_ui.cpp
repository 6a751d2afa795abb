#include "cli/batch_run_ui.hpp"

#include <iostream>

#include "cli/cli_run_ui.hpp"

namespace velni::cli {

int BatchRunUi::ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>&) {
  if (style == kStyleQuestionYesNo) return kAnswerYes;
  shown_.push_back(prompt);
  return kAnswerOk;
}

void BatchRunUi::Notify(const std::u16string& text) { std::cerr << "\n" << OneLine(text) << std::endl; }

std::string BatchRunUi::ShownAsOneLine() const {
  std::u16string line;
  for (const auto& prompt : shown_) line += (line.empty() ? u"" : u" ") + prompt;
  return OneLine(line);
}

}  // namespace velni::cli
