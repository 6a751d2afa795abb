#pragma once
// The problems a check found in one boring, one line each, faults first, in a
// dialog of its own beside the picture window.
#include <QDialog>
#include <string>

#include "check/check_problem.hpp"

namespace velni {

inline constexpr char16_t kNoProblemsLine[] = u"問題はありません。";

class CheckDialog : public QDialog {
  Q_OBJECT

 public:
  CheckDialog(const std::u16string& sourceName, CheckProblems problems, QWidget* parent);
};

}  // namespace velni
