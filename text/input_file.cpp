#include "text/input_file.hpp"

#include <string>

#include "text/cp932.hpp"
#include "text/number_text.hpp"
#include "text/record_position.hpp"
#include "text/run_error.hpp"

namespace velni {

namespace {

bool IsBlankOrTab(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsLineEndChar(char16_t c) { return c == u'\r' || c == u'\n'; }
bool EndsUnquotedField(char16_t c) { return c == u',' || IsLineEndChar(c); }

}  // namespace

InputFile InputFile::FromBytes(std::u16string name, std::string_view bytes) {
  InputFile file;
  file.path_ = std::move(name);
  file.Decode(bytes);
  return file;
}

void InputFile::Decode(std::string_view bytes) {
  length_ = static_cast<std::int64_t>(bytes.size());
  text_ = DecodeCp932(bytes);
}

void InputFile::ReadField(std::u16string& target) { target = ReadTextField(); }

std::u16string_view InputFile::ReadTextField() {
  bool quoted = false;
  return NextField(FieldKind::Text, quoted);
}

void InputFile::ReadField(NumOrText& target) {
  bool quoted = false;
  const std::u16string_view field = NextField(FieldKind::Other, quoted);
  if (quoted) {
    target = NumOrText::Text(std::u16string(field));
  } else if (field.empty()) {
    target = NumOrText();
  } else if (const auto number = ParseDouble(field)) {
    target = NumOrText::Number(*number);
  } else {
    target = NumOrText::Text(std::u16string(field));
  }
}

void InputFile::ReadField(float& target) {
  bool quoted = false;
  const std::u16string_view field = NextField(FieldKind::Other, quoted);
  const auto number = ParseSingle(field);
  target = number ? *number : static_cast<float>(LeadingNumber(field));
}

std::u16string InputFile::ReadLine() {
  ++field_;
  if (pos_ >= text_.size()) Fail(failure::kReadPastEnd);
  std::size_t end = pos_;
  while (end < text_.size() && !IsLineEndChar(text_[end])) ++end;
  std::u16string line = text_.substr(pos_, end - pos_);
  pos_ = end;
  SkipLineEnd();
  return line;
}

bool InputFile::AtEnd() const { return pos_ >= text_.size(); }

bool InputFile::AtEndOfRecords() const { return text_.find_first_not_of(u" \t\r\n", pos_) == std::u16string::npos; }

void InputFile::BeginRecord(std::u16string label, std::int64_t record, std::int64_t announced) {
  recordLabel_ = std::move(label);
  record_ = record;
  announced_ = announced;
  field_ = 0;
}

std::u16string InputFile::Where() const { return WhereField(field_); }

std::u16string InputFile::WhereField(std::int64_t field) const {
  if (recordLabel_.empty() && record_ == 0) return {};
  return RecordPosition(recordLabel_, record_, announced_, field);
}

void InputFile::Fail(const std::u16string& what) const { throw RunError(what, path_, Where()); }

void InputFile::FailAtField(const std::u16string& what, std::int64_t field) const {
  throw RunError(what, path_, WhereField(field));
}

std::u16string_view InputFile::NextField(FieldKind kind, bool& quoted) {
  ++field_;
  quoteRanToEnd_ = false;
  SkipBlanks();
  if (kind == FieldKind::Text) SkipEmptyLines();
  if (pos_ >= text_.size()) {
    if (!afterComma_) Fail(failure::kReadPastEnd);
    afterComma_ = false;
    return std::u16string_view(text_).substr(text_.size());  // empty, where the text ends
  }
  quoted = text_[pos_] == u'"';
  const std::u16string_view field = quoted ? TakeQuoted() : TakeUnquoted();
  FinishField();
  return field;
}

// Up to the closing mark; without one, to the end of the file.
std::u16string_view InputFile::TakeQuoted() {
  const std::size_t start = pos_ + 1;
  const std::size_t close = text_.find(u'"', start);
  quoteRanToEnd_ = close == std::u16string::npos;
  const std::size_t end = quoteRanToEnd_ ? text_.size() : close;
  pos_ = close == std::u16string::npos ? text_.size() : close + 1;
  return std::u16string_view(text_).substr(start, end - start);
}

// Up to the comma or line end, without the blanks and tabs just before it.
std::u16string_view InputFile::TakeUnquoted() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !EndsUnquotedField(text_[pos_])) ++pos_;
  std::size_t end = pos_;
  while (end > start && IsBlankOrTab(text_[end - 1])) --end;
  return std::u16string_view(text_).substr(start, end - start);
}

// Skips what follows the field up to its comma or line end and consumes that.
void InputFile::FinishField() {
  while (pos_ < text_.size() && !EndsUnquotedField(text_[pos_])) ++pos_;
  if (pos_ >= text_.size()) {
    atLineStart_ = false;
    afterComma_ = false;
  } else if (text_[pos_] == u',') {
    ++pos_;
    atLineStart_ = false;
    afterComma_ = true;
  } else {
    SkipLineEnd();
  }
}

// A line holding only blanks counts as empty.
void InputFile::SkipEmptyLines() {
  while (atLineStart_ && AtLineEnd()) {
    SkipLineEnd();
    SkipBlanks();
  }
}

bool InputFile::AtLineEnd() const { return pos_ < text_.size() && IsLineEndChar(text_[pos_]); }

// CR LF, a lone CR or a lone LF.
void InputFile::SkipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == u'\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n') ++pos_;
  } else if (pos_ < text_.size() && text_[pos_] == u'\n') {
    ++pos_;
  }
  atLineStart_ = true;
  afterComma_ = false;
}

void InputFile::SkipBlanks() {
  while (pos_ < text_.size() && IsBlankOrTab(text_[pos_])) ++pos_;
}

}  // namespace velni
