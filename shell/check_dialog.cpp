#include "shell/check_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/qt_text.hpp"

namespace velni {

CheckDialog::CheckDialog(const CheckList& list, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CheckDialog"));
  setWindowTitle(ToQString(list.title));
  auto* summary = new QLabel(ToQString(list.summary), this);
  summary->setObjectName(QStringLiteral("CheckSummary"));
  auto* problems = new QListWidget(this);
  problems->setObjectName(QStringLiteral("ProblemList"));
  for (const std::u16string& line : list.lines) problems->addItem(ToQString(line));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(problems);
  layout->addWidget(buttons);
  resize(720, 360);
}

}  // namespace velni
