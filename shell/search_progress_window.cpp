#include "shell/search_progress_window.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QThread>
#include <QVBoxLayout>

#include "shell/background_search.hpp"

#include "shell/qt_text.hpp"

namespace velni {
namespace {

// Often enough that the window answers at once, seldom enough that the walk is
// not slowed by the window system.
constexpr qint64 kYieldMilliseconds = 20;
constexpr qint64 kRefreshMilliseconds = 250;
constexpr int kFolderTextWidth = 420;
// A data folder found at once (beside the program) shows no window at all.
constexpr qint64 kShowAfterMilliseconds = 300;

}  // namespace

SearchProgressWindow::SearchProgressWindow()
    : count_(new QLabel(this)), folder_(new QLabel(this)), cancel_(new QPushButton(QStringLiteral("キャンセル"), this)) {
  setObjectName(QStringLiteral("SearchProgress"));
  setWindowTitle(QStringLiteral("データフォルダの検索"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("データフォルダ PATDAT を検索しています…"), this));
  layout->addWidget(count_);
  layout->addWidget(folder_);
  layout->addWidget(cancel_, 0, Qt::AlignRight);
  folder_->setMinimumWidth(kFolderTextWidth);
  cancel_->setObjectName(QStringLiteral("Cancel"));
  connect(cancel_, &QPushButton::clicked, this, &SearchProgressWindow::reject);
}

bool SearchProgressWindow::Visit(const std::u16string& folder, std::size_t visited) {
  if (!isVisible() && !cancelled_) {
    show();
    Refresh(folder, visited);
  }
  if (sinceRefresh_.hasExpired(kRefreshMilliseconds)) Refresh(folder, visited);
  if (!sinceYield_.isValid() || sinceYield_.hasExpired(kYieldMilliseconds)) {
    QApplication::processEvents();
    sinceYield_.start();
  }
  return !cancelled_;
}

void SearchProgressWindow::reject() {
  cancelled_ = true;
  QDialog::reject();
}

void SearchProgressWindow::Refresh(const std::u16string& folder, std::size_t visited) {
  count_->setText(QStringLiteral("検索したフォルダ数: %1").arg(visited));
  folder_->setText(fontMetrics().elidedText(ToQString(folder), Qt::ElideMiddle, kFolderTextWidth));
  sinceRefresh_.start();
}

std::u16string SearchProgressWindow::WaitFor(BackgroundSearch& search) {
  QElapsedTimer waiting;
  waiting.start();
  for (;;) {
    if (auto result = search.Result()) {
      hide();
      return *result;
    }
    if (cancelled_) {
      search.Cancel();
      return {};
    }
    if (!isVisible() && waiting.hasExpired(kShowAfterMilliseconds)) show();
    if (isVisible() && (!sinceRefresh_.isValid() || sinceRefresh_.hasExpired(kRefreshMilliseconds))) {
      const auto [folder, visited] = search.Progress();
      Refresh(folder, visited);
    }
    QApplication::processEvents(QEventLoop::AllEvents, kYieldMilliseconds);
    QThread::msleep(kYieldMilliseconds);
  }
}

}  // namespace velni
