#pragma once
// A RunUi for unattended runs: answers Yes to every question and keeps what the run
// showed, so that its end can be judged afterwards.
#include <string>
#include <vector>

#include "platform/run_ui.hpp"

namespace velni::fuzzing {

class ScriptedRunUi : public RunUi {
 public:
  struct Shown {
    std::u16string prompt;
    int style;
  };

  std::vector<Shown> shown;
  std::u16string messageLine;

  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>&) override {
    shown.push_back({prompt, style});
    return style == kStyleQuestionYesNo ? kAnswerYes : kAnswerOk;
  }
  void SetMessageLine(const std::u16string& text) override { messageLine = text; }
  void SetBusyPointer(bool) override {}
  void YieldToWindowSystem() override {}
  void SelectDestinationText() override {}
};

}  // namespace velni::fuzzing
