#pragma once
// What a run of a batch asks of the command line: nobody is there to answer, so
// missing destination folders are created (the question is answered Yes), and what
// the run shows is kept for the boring's one progress line instead of interleaving
// with the other borings' lines.
#include <string>
#include <vector>

#include "platform/run_ui.hpp"

namespace velni::cli {

class BatchRunUi : public RunUi {
 public:
  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) override;
  void SetMessageLine(const std::u16string&) override {}
  void SetBusyPointer(bool) override {}
  void YieldToWindowSystem() override {}
  void SelectDestinationText() override {}
  // A notice cannot wait for the boring's line: it goes to standard error at once.
  void Notify(const std::u16string& text) override;

  // Every message shown, on one line, in the order shown.
  std::string ShownAsOneLine() const;

 private:
  std::vector<std::u16string> shown_;
};

}  // namespace velni::cli
