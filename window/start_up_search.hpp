#pragma once
// Start-up's wait for the data folder. The search runs on a thread of its own (a
// network volume that does not answer holds only that thread); meanwhile the
// window thread shows its progress when it takes more than a moment and answers
// Cancel at once.
#include <chrono>
#include <cstddef>
#include <string>

#include "window/background_search.hpp"

namespace velni {

// The progress window of the search, as the presenter drives it.
class SearchProgressView {
 public:
  virtual ~SearchProgressView() = default;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // "検索したフォルダ数: 7" and the folder being searched.
  virtual void ShowProgress(const std::u16string& countLine, const std::u16string& folder) = 0;
  // Whether the operator has pressed Cancel.
  virtual bool Cancelled() const = 0;
  // Lets the window system work for about `period`.
  virtual void Pump(std::chrono::milliseconds period) = 0;
};

inline constexpr char16_t kSearchProgressTitle[] = u"データフォルダの検索";
inline constexpr char16_t kSearchProgressHeading[] = u"データフォルダ PATDAT を検索しています…";
inline constexpr char16_t kSearchCancelCaption[] = u"キャンセル";

std::u16string SearchCountLine(std::size_t visited);

// Waits for `search`; the data folder found, or empty when there is none or the
// operator cancelled.
std::u16string WaitForSearch(BackgroundSearch& search, SearchProgressView& progress);

// The data folder in the order both programs share; when none of those is one, the
// volumes are searched, and the folder found is kept in the user's settings so
// that the command line uses it too.
std::u16string FindDataFolderAtStartUp(SearchProgressView& progress);

}  // namespace velni
