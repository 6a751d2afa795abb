#include "platform/known_folder.hpp"

#include <map>
#include <mutex>
#include <utility>

namespace velni::fs {
namespace {

// Workers of one batch resolve names side by side.
std::mutex& Guard() {
  static std::mutex guard;
  return guard;
}

std::map<std::u16string, std::optional<std::vector<std::u16string>>>& Known() {
  static std::map<std::u16string, std::optional<std::vector<std::u16string>>> known;
  return known;
}

}  // namespace

KnownFolder::KnownFolder(std::u16string folder, Entries entries) : folder_(std::move(folder)) {
  const std::lock_guard<std::mutex> hold(Guard());
  auto& slot = Known()[folder_];
  if (entries == Entries::None) slot.emplace();
}

KnownFolder::~KnownFolder() {
  const std::lock_guard<std::mutex> hold(Guard());
  Known().erase(folder_);
}

std::optional<std::vector<std::u16string>> KnownEntries(const std::u16string& folder,
                                                        const std::function<std::vector<std::u16string>()>& list) {
  {
    const std::lock_guard<std::mutex> hold(Guard());
    const auto found = Known().find(folder);
    if (found == Known().end()) return std::nullopt;
    if (found->second) return found->second;
  }
  std::vector<std::u16string> names = list();
  const std::lock_guard<std::mutex> hold(Guard());
  const auto found = Known().find(folder);
  if (found != Known().end() && !found->second) found->second = names;
  return names;
}

}  // namespace velni::fs
