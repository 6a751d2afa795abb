#include "shell/search_progress_window.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QThread>
#include <QVBoxLayout>

#include "shell/qt_text.hpp"

namespace velni {
namespace {

constexpr int kFolderTextWidth = 420;

}  // namespace

SearchProgressWindow::SearchProgressWindow()
    : count_(new QLabel(this)),
      folder_(new QLabel(this)),
      cancel_(new QPushButton(ToQString(kSearchCancelCaption), this)) {
  setObjectName(QStringLiteral("SearchProgress"));
  setWindowTitle(ToQString(kSearchProgressTitle));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(ToQString(kSearchProgressHeading), this));
  layout->addWidget(count_);
  layout->addWidget(folder_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  folder_->setMinimumWidth(kFolderTextWidth);
  cancel_->setObjectName(QStringLiteral("Cancel"));
  connect(cancel_, &QPushButton::clicked, this, &SearchProgressWindow::reject);
}

void SearchProgressWindow::reject() {
  cancelled_ = true;
  QDialog::reject();
}

void SearchProgressWindow::ShowProgress(const std::u16string& countLine, const std::u16string& folder) {
  count_->setText(ToQString(countLine));
  folder_->setText(fontMetrics().elidedText(ToQString(folder), Qt::ElideMiddle, kFolderTextWidth));
}

void SearchProgressWindow::Pump(std::chrono::milliseconds period) {
  QApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(period.count()));
  QThread::msleep(static_cast<unsigned long>(period.count()));
}

}  // namespace velni
