#pragma once
// A code-page-932 text file, held in memory, read field by field or line by line.
//
// Field rules: blanks and tabs before a field are skipped (an empty line too when a
// text field is sought); a field that starts with a double quotation mark runs to
// the next one, with anything after it up to the next comma or line end skipped;
// otherwise a field runs to the next comma or line end (blanks before that end are
// not part of it). A record may span line ends. CR LF, a lone CR or a lone LF end a
// line.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "text/num_or_text.hpp"

namespace velni {

class InputFile {
 public:
  // The reading of `bytes` (the whole file, see files/ for files on disk); `name`
  // is what failures name.
  static InputFile FromBytes(std::u16string name, std::string_view bytes);

  // A text field (empty lines before it skipped).
  void ReadField(std::u16string& target);
  // The same without a copy: the field as it stands in Text(), valid while the text
  // lives (a large table is indexed by where its fields stand).
  std::u16string_view ReadTextField();
  // An unquoted numeric field is a number (double precision), an empty unquoted
  // field is empty, anything else (a quoted field too, even "") is text.
  void ReadField(NumOrText& target);
  // A single-precision field: its number, or its leading number when the field is
  // not a number as a whole (0 when it does not begin with one).
  void ReadField(float& target);

  // The rest of the current line without its line end (counted as one field of
  // the record for Where()).
  std::u16string ReadLine();

  // True when no byte is left.
  bool AtEnd() const;
  // True when only blanks, tabs and line ends are left: the end of a table that an
  // editor saved with empty lines after its last record.
  bool AtEndOfRecords() const;

  // True when the last field read ended its line or the file without a comma after
  // it or a quotation left open: a line appended to the file would be read as a
  // record of its own.
  bool EndsBetweenRecords() const { return !afterComma_ && !quoteRanToEnd_; }

  // Size of the file in bytes.
  std::int64_t Length() const { return length_; }
  const std::u16string& Path() const { return path_; }
  // The decoded text that the fields are read from.
  const std::u16string& Text() const { return text_; }
  // Hands the decoded text over whole; nothing is read after it.
  std::u16string TakeText() { return std::move(text_); }

  // Names the record about to be read, so that a failure inside it says where:
  // for example label "層データ", record 12 of 8 announced. Fields are counted from 1
  // within the record.
  void BeginRecord(std::u16string label, std::int64_t record, std::int64_t announced = 0);
  // The position text of a failure at the current field (empty before any record).
  std::u16string Where() const;
  // The same for another field of the current record (a field the record
  // announces but the buffer has no room for).
  std::u16string WhereField(std::int64_t field) const;
  // The run-time failure `what` at the current position of this file.
  [[noreturn]] void Fail(const std::u16string& what) const;
  [[noreturn]] void FailAtField(const std::u16string& what, std::int64_t field) const;

 private:
  InputFile() = default;
  void Decode(std::string_view bytes);
  enum class FieldKind { Text, Other };
  std::u16string_view NextField(FieldKind kind, bool& quoted);
  std::u16string_view TakeQuoted();
  std::u16string_view TakeUnquoted();
  void FinishField();
  void SkipEmptyLines();
  bool AtLineEnd() const;
  void SkipLineEnd();
  void SkipBlanks();

  std::u16string path_;
  std::u16string text_;
  std::size_t pos_ = 0;
  std::int64_t length_ = 0;
  // Where the next field starts: at the start of a line (an empty line there is
  // skipped for a text field), or right after a comma (so an empty field is due
  // even at the end of the file).
  bool atLineStart_ = true;
  bool afterComma_ = false;
  bool quoteRanToEnd_ = false;

  std::u16string recordLabel_;
  std::int64_t record_ = 0;
  std::int64_t announced_ = 0;
  std::int64_t field_ = 0;
};

}  // namespace velni
