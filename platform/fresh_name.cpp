#include "platform/fresh_name.hpp"

#include <random>

namespace velni::fs {

// Drawn afresh from the system on every call: an engine kept in memory would give
// every process forked from one parent the same names.
std::u16string FreshSuffix() {
  static constexpr char16_t kLetters[] = u"abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, std::char_traits<char16_t>::length(kLetters) - 1);
  std::u16string suffix = u".";
  for (int i = 0; i < 8; ++i) suffix += kLetters[pick(random)];
  return suffix;
}

}  // namespace velni::fs
