#include "shell/check_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/qt_text.hpp"

namespace velni {
namespace {

QString Summary(const CheckProblems& problems) {
  const auto faults = std::count_if(problems.begin(), problems.end(),
                                    [](const CheckProblem& problem) { return problem.severity == Severity::Fault; });
  const auto warnings = static_cast<qsizetype>(problems.size()) - faults;
  return QStringLiteral("誤り %1 件、警告 %2 件").arg(faults).arg(warnings);
}

}  // namespace

CheckDialog::CheckDialog(const std::u16string& sourceName, CheckProblems problems, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("CheckDialog"));
  setWindowTitle(QStringLiteral("チェック - ") + ToQString(sourceName));
  // A fault stops the conversion: it heads the list, each kind in the order found.
  std::stable_partition(problems.begin(), problems.end(),
                        [](const CheckProblem& problem) { return problem.severity == Severity::Fault; });
  auto* summary = new QLabel(Summary(problems), this);
  summary->setObjectName(QStringLiteral("CheckSummary"));
  auto* list = new QListWidget(this);
  list->setObjectName(QStringLiteral("ProblemList"));
  for (const CheckProblem& problem : problems) list->addItem(ToQString(ProblemLine(problem)));
  if (problems.empty()) list->addItem(ToQString(kNoProblemsLine));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(list);
  layout->addWidget(buttons);
  resize(720, 360);
}

}  // namespace velni
