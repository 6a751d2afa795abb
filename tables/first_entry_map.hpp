#pragma once
// From a name to the number of the first entry that carries it, for the index of a
// large soil-name table: open addressing over entry numbers, so that the map keeps
// no name of its own (no copy per entry, no allocation per entry) and its keys stay
// right when the text that holds them grows. The caller says where an entry's key
// stands (`keyOf`).
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace velni {

class FirstEntryMap {
 public:
  template <typename KeyOf>
  std::optional<std::uint32_t> Find(std::u16string_view key, const KeyOf& keyOf) const {
    if (slots_.empty()) return std::nullopt;
    const std::uint32_t hash = HashOf(key);
    for (std::size_t at = hash & Mask(); slots_[at].entry != kEmpty; at = (at + 1) & Mask()) {
      if (slots_[at].hash == hash && keyOf(slots_[at].entry) == key) return slots_[at].entry;
    }
    return std::nullopt;
  }

  // Room for `keys` keys without growing on the way.
  void Reserve(std::size_t keys);

  // Adds `entry` under `key` unless an earlier entry holds the key already.
  template <typename KeyOf>
  void AddFirst(std::u16string_view key, std::uint32_t entry, const KeyOf& keyOf) {
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    const std::uint32_t hash = HashOf(key);
    std::size_t at = hash & Mask();
    for (; slots_[at].entry != kEmpty; at = (at + 1) & Mask()) {
      if (slots_[at].hash == hash && keyOf(slots_[at].entry) == key) return;
    }
    slots_[at] = {hash, entry};
    ++used_;
  }

 private:
  static constexpr std::uint32_t kEmpty = UINT32_MAX;
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t entry = kEmpty;
  };

  static std::uint32_t HashOf(std::u16string_view key) {
    return static_cast<std::uint32_t>(std::hash<std::u16string_view>{}(key));
  }
  std::size_t Mask() const { return slots_.size() - 1; }
  void Grow();
  void Rehash(std::size_t slots);

  std::vector<Slot> slots_;
  std::size_t used_ = 0;
};

}  // namespace velni
