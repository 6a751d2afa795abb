#pragma once
// What a conversion run shows, shown in the main window's view. Beyond passing the
// run's calls on, the window says more than a bare message box can: the question
// to create the destination names the folder, a refused destination names the rule
// that refused it, and the message line does not say the run is converting while a
// box waits for the operator.
#include <optional>
#include <string>

#include "platform/run_ui.hpp"
#include "run/run_result.hpp"
#include "window/main_window_view.hpp"

namespace velni {

class WindowRunUi : public RunUi {
 public:
  // `destination` is the folder the run is asked to write to, as typed.
  WindowRunUi(MainWindowView& view, std::u16string destination);
  ~WindowRunUi() override;
  WindowRunUi(const WindowRunUi&) = delete;
  WindowRunUi& operator=(const WindowRunUi&) = delete;

  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) override;
  void SetMessageLine(const std::u16string& text) override;
  void SetBusyPointer(bool busy) override;
  void YieldToWindowSystem() override;
  void SelectDestinationText() override;

  // Shows the refusal of the destination held back until the run said why.
  void Finish(const RunResult& result);

 private:
  struct HeldBox {
    int style;
    std::optional<std::u16string> title;
  };

  MainWindowView& view_;
  std::u16string destination_;
  std::u16string messageLine_;
  std::optional<HeldBox> refusedDestination_;
  bool busy_ = false;
};

// The question to create the destination, naming the folder.
std::u16string CreateFolderQuestion(const std::u16string& folder);

}  // namespace velni
