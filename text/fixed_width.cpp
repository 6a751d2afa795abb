#include "text/fixed_width.hpp"

#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {

std::u16string RightAlign(std::u16string_view text, int width) {
  if (width <= 0) return {};
  const auto size = static_cast<std::size_t>(width);
  if (text.size() >= size) return std::u16string(text.substr(text.size() - size));
  return std::u16string(size - text.size(), u' ') + std::u16string(text);
}

std::u16string CounterField(std::int16_t counter) { return RightAlign(DoubleText(counter), 3); }

std::u16string TrimLeadingBlanks(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(u' ');
  return first == std::u16string_view::npos ? std::u16string() : std::u16string(text.substr(first));
}

std::u16string TrimTrailingBlanks(std::u16string_view text) {
  const std::size_t last = text.find_last_not_of(u' ');
  return last == std::u16string_view::npos ? std::u16string() : std::u16string(text.substr(0, last + 1));
}

std::u16string TrimBlanks(std::u16string_view text) { return TrimLeadingBlanks(TrimTrailingBlanks(text)); }

std::u16string LineEndsAsBlanks(std::u16string text) {
  for (char16_t& c : text) {
    if (c == u'\r' || c == u'\n') c = u' ';
  }
  return text;
}

void IncrementCounter(std::int16_t& counter) {
  if (counter == INT16_MAX) throw RunError(failure::kOverflow);
  ++counter;
}

}  // namespace velni
