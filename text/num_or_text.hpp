#pragma once
// A source field read as "number or text": a field that reads as a number becomes
// that number (007 becomes 7), a quoted field or any other text stays text, and an
// empty field is empty.
#include <optional>
#include <string>

namespace velni {

class NumOrText {
 public:
  NumOrText() = default;
  static NumOrText Number(double value);
  static NumOrText Text(std::u16string text);

  bool IsEmpty() const { return kind_ == Kind::Empty; }
  bool IsNumber() const { return kind_ == Kind::Number; }
  bool IsText() const { return kind_ == Kind::Text; }

  // The value as a number: empty is 0, a text that reads as a number is that
  // number, any other text has none.
  std::optional<double> AsNumber() const;
  // The value as the system writes it: a number in its text form, a text as is.
  std::u16string AsText() const;
  // The value written as an item: a number in its text form followed by one blank
  // (the field 0012 comes back as " 12 "), a text as is, empty as nothing.
  std::u16string AsItem() const;

 private:
  enum class Kind { Empty, Number, Text };
  Kind kind_ = Kind::Empty;
  double number_ = 0;
  std::u16string text_;
};

}  // namespace velni
