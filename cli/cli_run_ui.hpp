#pragma once
// The command line's answer to what a run asks of its front end: message boxes
// become lines on standard error, and the one question is answered by the options
// or on the terminal.
#include <iosfwd>
#include <string>

#include "cli/verbosity.hpp"
#include "platform/run_ui.hpp"

namespace velni::cli {

enum class QuestionAnswer { Ask, Yes, No };

inline constexpr char16_t kCreatedPrefix[] = u"作成しました: ";
inline constexpr char16_t kTakenAsNo[] = u"応答する端末がないため「いいえ」として扱いました。";

class CliRunUi : public RunUi {
 public:
  // `destination`: the folder that --yes reports as created.
  CliRunUi(QuestionAnswer answer, std::ostream& errors, Verbosity verbosity = Verbosity::Normal,
           std::u16string destination = {});

  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) override;
  void SetMessageLine(const std::u16string&) override {}
  void SetBusyPointer(bool busy) override;
  void YieldToWindowSystem() override {}
  void SelectDestinationText() override {}
  void Notify(const std::u16string& text) override;

 private:
  int AnswerQuestion(const std::u16string& prompt);
  std::u16string QuestionNamingTheFolder(const std::u16string& prompt) const;

  QuestionAnswer answer_;
  std::ostream& errors_;
  Verbosity verbosity_;
  std::u16string destination_;
  // --yes answered: the folders are reported once the run has created them (it
  // goes busy next), never when their creation failed (a message comes next).
  bool creationPending_ = false;
};

// A prompt as one line: its line breaks become blanks.
std::string OneLine(const std::u16string& prompt);

}  // namespace velni::cli
