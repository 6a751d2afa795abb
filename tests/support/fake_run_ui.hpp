#pragma once
// A RunUi that records what the run showed and answers questions from a script.
#include <deque>
#include <string>
#include <vector>

#include "platform/run_ui.hpp"

namespace velni::testing {

struct ShownMessage {
  std::u16string prompt;
  int style;
  std::optional<std::u16string> title;
};

class FakeRunUi : public RunUi {
 public:
  // Answers for the Yes/No questions, in order; with none left the answer is No.
  std::deque<int> answers;

  std::vector<ShownMessage> messages;
  std::vector<std::u16string> messageLines;  // every caption Label3 was given
  std::vector<bool> pointerChanges;          // true = hourglass
  int yields = 0;
  int destinationSelections = 0;

  int ShowMessage(const std::u16string& prompt, int style,
                  const std::optional<std::u16string>& title) override;
  void SetMessageLine(const std::u16string& text) override { messageLines.push_back(text); }
  void SetBusyPointer(bool busy) override { pointerChanges.push_back(busy); }
  void YieldToWindowSystem() override { ++yields; }
  void SelectDestinationText() override { ++destinationSelections; }

  const std::u16string& LastMessageLine() const;
};

}  // namespace velni::testing
