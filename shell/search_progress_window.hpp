#pragma once
// Shown while start-up walks the volumes for the data folder, which can take
// minutes: how many folders have been searched, the one being searched, and a
// Cancel button that ends the search as "not found".
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <cstddef>
#include <string>

namespace velni {

class BackgroundSearch;

class SearchProgressWindow : public QDialog {
  Q_OBJECT

 public:
  SearchProgressWindow();

  // One visited folder: shows the window on the first, refreshes its texts a few
  // times a second and lets the window system work; false once cancelled.
  bool Visit(const std::u16string& folder, std::size_t visited);
  bool Cancelled() const { return cancelled_; }
  // Waits for a search running on its own thread, showing the window when it takes
  // more than a moment; Cancel ends the wait at once, whatever the search is held by.
  // The data folder found, or empty.
  std::u16string WaitFor(BackgroundSearch& search);

 public slots:
  void reject() override;

 private:
  void Refresh(const std::u16string& folder, std::size_t visited);

  QLabel* count_;
  QLabel* folder_;
  QPushButton* cancel_;
  QElapsedTimer sinceRefresh_;
  QElapsedTimer sinceYield_;
  bool cancelled_ = false;
};

}  // namespace velni
