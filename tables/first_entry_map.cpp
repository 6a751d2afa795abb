#include "tables/first_entry_map.hpp"

#include <utility>

namespace velni {

// Twice the room, each entry moved by its stored hash: no key is looked at again.
void FirstEntryMap::Grow() {
  std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 64 : slots_.size() * 2));
  for (const Slot& slot : old) {
    if (slot.entry == kEmpty) continue;
    std::size_t at = slot.hash & Mask();
    while (slots_[at].entry != kEmpty) at = (at + 1) & Mask();
    slots_[at] = slot;
  }
}

}  // namespace velni
