#include "platform/subfolders.hpp"

#include <algorithm>
#include <utility>

namespace velni {
namespace {

std::u16string CapitalsOf(std::u16string name) {
  for (char16_t& c : name) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return name;
}

}  // namespace

void SortNamesIgnoringCase(std::vector<std::u16string>& names) {
  std::vector<std::pair<std::u16string, std::u16string>> keyed;
  keyed.reserve(names.size());
  for (std::u16string& name : names) keyed.emplace_back(CapitalsOf(name), std::move(name));
  std::sort(keyed.begin(), keyed.end());
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = std::move(keyed[i].second);
}

}  // namespace velni
