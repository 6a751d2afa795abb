#include "window/background_search.hpp"

#include <thread>

namespace velni {

BackgroundSearch::BackgroundSearch(Search search) : state_(std::make_shared<State>()) {
  std::thread([state = state_, search = std::move(search)] {
    const FolderVisit onVisit = [state](const std::u16string& folder, std::size_t visited) {
      const std::lock_guard<std::mutex> hold(state->lock);
      state->folder = folder;
      state->visited = visited;
      return !state->cancelled.load();
    };
    std::u16string found = search(onVisit);
    const std::lock_guard<std::mutex> hold(state->lock);
    state->result = state->cancelled.load() ? std::u16string() : std::move(found);
  }).detach();
}

BackgroundSearch::~BackgroundSearch() { Cancel(); }

std::optional<std::u16string> BackgroundSearch::Result() const {
  const std::lock_guard<std::mutex> hold(state_->lock);
  return state_->result;
}

std::pair<std::u16string, std::size_t> BackgroundSearch::Progress() const {
  const std::lock_guard<std::mutex> hold(state_->lock);
  return {state_->folder, state_->visited};
}

void BackgroundSearch::Cancel() { state_->cancelled = true; }

}  // namespace velni
