#include "tests/support/fake_run_ui.hpp"

namespace velni::testing {

int FakeRunUi::ShowMessage(const std::u16string& prompt, int style,
                           const std::optional<std::u16string>& title) {
  messages.push_back({prompt, style, title});
  if (style != kStyleQuestionYesNo) return kAnswerOk;
  if (answers.empty()) return kAnswerNo;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

const std::u16string& FakeRunUi::LastMessageLine() const {
  static const std::u16string none;
  return messageLines.empty() ? none : messageLines.back();
}

}  // namespace velni::testing
