#pragma once
// Shown while start-up walks the drives for the data folder: how many folders have
// been searched, the one being searched, and Cancel.
#include <windows.h>

#include "window/start_up_search.hpp"

namespace velni::win32 {

class SearchProgressWindow : public SearchProgressView {
 public:
  SearchProgressWindow();
  ~SearchProgressWindow() override;
  SearchProgressWindow(const SearchProgressWindow&) = delete;
  SearchProgressWindow& operator=(const SearchProgressWindow&) = delete;

  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void ShowProgress(const std::u16string& countLine, const std::u16string& folder) override;
  bool Cancelled() const override { return cancelled_; }
  void Pump(std::chrono::milliseconds period) override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  HWND count_ = nullptr;
  HWND folder_ = nullptr;
  bool cancelled_ = false;
};

}  // namespace velni::win32
