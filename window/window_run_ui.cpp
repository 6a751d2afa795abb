#include "window/window_run_ui.hpp"

#include <utility>

#include "run/run_messages.hpp"
#include "text/fixed_width.hpp"

namespace velni {

std::u16string CreateFolderQuestion(const std::u16string& folder) {
  return u"フォルダ " + folder + u" がありません。新規作成しますか？";
}

WindowRunUi::WindowRunUi(MainWindowView& view, std::u16string destination)
    : view_(view), destination_(TrimBlanks(destination)) {}

WindowRunUi::~WindowRunUi() { SetBusyPointer(false); }

int WindowRunUi::ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) {
  // The run learns which rule refused the destination only after it has shown the
  // box; the box waits for that.
  if (prompt == kInvalidPathMessage) {
    refusedDestination_ = HeldBox{style, title};
    return kAnswerOk;
  }
  const bool wasBusy = messageLine_ == kBusyMessage;
  if (wasBusy) view_.SetMessageLine(u"");
  const bool creation = prompt == kCreateFolderQuestion;
  const int answer = view_.ShowMessage(creation ? CreateFolderQuestion(destination_) : prompt, style, title);
  if (wasBusy && answer == kAnswerYes) view_.SetMessageLine(kBusyMessage);
  return answer;
}

void WindowRunUi::Finish(const RunResult& result) {
  if (!refusedDestination_) return;
  const std::u16string& shown = result.outcome == RunOutcome::Refused ? result.message : kInvalidPathMessage;
  view_.ShowMessage(shown, refusedDestination_->style, refusedDestination_->title);
  refusedDestination_.reset();
}

void WindowRunUi::SetMessageLine(const std::u16string& text) {
  messageLine_ = text;
  view_.SetMessageLine(text);
}

void WindowRunUi::SetBusyPointer(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  view_.SetBusyPointer(busy);
}

void WindowRunUi::YieldToWindowSystem() { view_.YieldToWindowSystem(); }

void WindowRunUi::SelectDestinationText() { view_.SelectDestinationText(); }

}  // namespace velni
