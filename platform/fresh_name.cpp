#include "platform/fresh_name.hpp"

#include <random>

namespace velni::fs {

std::u16string FreshSuffix() {
  static constexpr char16_t kLetters[] = u"abcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, std::char_traits<char16_t>::length(kLetters) - 1);
  std::u16string suffix = u".";
  for (int i = 0; i < 8; ++i) suffix += kLetters[pick(random)];
  return suffix;
}

}  // namespace velni::fs
