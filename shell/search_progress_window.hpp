#pragma once
// Shown while start-up walks the volumes for the data folder, which can take
// minutes: how many folders have been searched, the one being searched, and a
// Cancel button that ends the search as "not found".
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "window/start_up_search.hpp"

namespace velni {

class SearchProgressWindow : public QDialog, public SearchProgressView {
  Q_OBJECT

 public:
  SearchProgressWindow();

  void Show() override { show(); }
  void Hide() override { hide(); }
  bool Visible() const override { return isVisible(); }
  void ShowProgress(const std::u16string& countLine, const std::u16string& folder) override;
  bool Cancelled() const override { return cancelled_; }
  void Pump(std::chrono::milliseconds period) override;

 public slots:
  void reject() override;

 private:
  QLabel* count_;
  QLabel* folder_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

}  // namespace velni
