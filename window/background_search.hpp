#pragma once
// Start-up's look for the data folder on a thread of its own: a volume that does
// not answer (a dead network share) then holds only that thread, while the window
// thread keeps showing the progress and answers Cancel at once.
#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "window/data_folder_search.hpp"

namespace velni {

class BackgroundSearch {
 public:
  // The search: given the visit to call once per folder, the data folder with its
  // final separator, or empty.
  using Search = std::function<std::u16string(const FolderVisit& onVisit)>;

  explicit BackgroundSearch(Search search);
  // A search still held by a volume is left to end on its own; nothing it uses
  // goes away with this object.
  ~BackgroundSearch();

  // The result once the search has ended.
  std::optional<std::u16string> Result() const;
  // The folder being searched and how many have been visited.
  std::pair<std::u16string, std::size_t> Progress() const;
  // Ends the search as "not found": its next visit stops it.
  void Cancel();

 private:
  struct State {
    mutable std::mutex lock;
    std::optional<std::u16string> result;
    std::u16string folder;
    std::size_t visited = 0;
    std::atomic<bool> cancelled{false};
  };
  std::shared_ptr<State> state_;
};

}  // namespace velni
