#include "tables/first_entry_map.hpp"

#include <utility>

namespace velni {

void FirstEntryMap::Reserve(std::size_t keys) {
  std::size_t slots = 64;
  while (slots < keys * 2) slots *= 2;
  if (slots > slots_.size()) Rehash(slots);
}

void FirstEntryMap::Grow() { Rehash(slots_.empty() ? 64 : slots_.size() * 2); }

// Each entry moved by its stored hash: no key is looked at again.
void FirstEntryMap::Rehash(std::size_t slots) {
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots));
  for (const Slot& slot : old) {
    if (slot.entry == kEmpty) continue;
    std::size_t at = slot.hash & Mask();
    while (slots_[at].entry != kEmpty) at = (at + 1) & Mask();
    slots_[at] = slot;
  }
}

}  // namespace velni
