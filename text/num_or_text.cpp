#include "text/num_or_text.hpp"

#include <utility>

#include "text/number_text.hpp"

namespace velni {

NumOrText NumOrText::Number(double value) {
  NumOrText result;
  result.kind_ = Kind::Number;
  result.number_ = value;
  return result;
}

NumOrText NumOrText::Text(std::u16string text) {
  NumOrText result;
  result.kind_ = Kind::Text;
  result.text_ = std::move(text);
  return result;
}

std::optional<double> NumOrText::AsNumber() const {
  switch (kind_) {
    case Kind::Empty:
      return 0.0;
    case Kind::Number:
      return number_;
    case Kind::Text:
      break;
  }
  return ParseDouble(text_);
}

std::u16string NumOrText::AsText() const {
  switch (kind_) {
    case Kind::Empty:
      return {};
    case Kind::Number:
      return DoubleText(number_);
    case Kind::Text:
      break;
  }
  return text_;
}

std::u16string NumOrText::AsItem() const { return IsNumber() ? DoubleText(number_) + u" " : AsText(); }

}  // namespace velni
