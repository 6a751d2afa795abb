#include "text/input_file.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;
using testing::U;

// One read and what it must give: T text field, N number-or-text field, F
// single-precision field, L line.
struct Read {
  char kind;
  std::string expected;
};

std::string Describe(const NumOrText& value) {
  if (value.IsEmpty()) return "empty";
  if (value.IsText()) return "text " + S(value.AsText());
  char number[32];
  std::snprintf(number, sizeof number, "%g", *value.AsNumber());
  return std::string("num ") + number;
}

std::string ReadOne(InputFile& file, char kind) {
  switch (kind) {
    case 'T': {
      std::u16string text;
      file.ReadField(text);
      return S(text);
    }
    case 'N': {
      NumOrText value;
      file.ReadField(value);
      return Describe(value);
    }
    case 'F': {
      float value = -1;
      file.ReadField(value);
      char number[32];
      std::snprintf(number, sizeof number, "%g", value);
      return number;
    }
    default:
      return S(file.ReadLine());
  }
}

constexpr char16_t kName[] = u"IN.TXT";

InputFile Bytes(const std::string& bytes) { return InputFile::FromBytes(kName, bytes); }

TEST(InputFileTest, FieldRules) {
  const struct {
    const char* why;
    std::string bytes;
    std::vector<Read> reads;
  } cases[] = {
      {"quoted field holding a comma", "\"a,b\",c\r\n", {{'T', "a,b"}, {'T', "c"}}},
      {"two commas give an empty field", "1,,3\r\n", {{'T', "1"}, {'T', ""}, {'T', "3"}}},
      {"a record spans line ends", "1,2\r\n3\r\n", {{'T', "1"}, {'T', "2"}, {'T', "3"}}},
      {"empty and blank lines skipped for text", "a\r\n\r\n   \r\nb\r\n", {{'T', "a"}, {'T', "b"}}},
      {"an empty line is an empty number-or-text field", "a\r\n\r\nb", {{'T', "a"}, {'N', "empty"}, {'N', "text b"}}},
      {"empty field after a comma at a line end", "a,\r\n\r\nb", {{'T', "a"}, {'T', ""}, {'T', "b"}}},
      {"lone CR ends a line", "a\rb\rc", {{'T', "a"}, {'T', "b"}, {'T', "c"}}},
      {"lone LF ends a line", "a\nb\n", {{'T', "a"}, {'T', "b"}}},
      {"CR LF then LF is an empty line", "a\r\n\nb", {{'T', "a"}, {'T', "b"}}},
      {"blanks and tabs around an unquoted field", " \t ab  \t,a b ,c", {{'T', "ab"}, {'T', "a b"}, {'T', "c"}}},
      {"quoted field keeps blanks, drops what follows it", "\" a \" x,c", {{'T', " a "}, {'T', "c"}}},
      {"quoted field without its closing mark", "\"abc,\r\ndef", {{'T', "abc,\r\ndef"}}},
      {"trailing comma at the end of the file", "a,", {{'T', "a"}, {'T', ""}}},
      {"number-or-text", "0012,1.50,abc,\"12\",,  7  ,1e3,-.5\r\n",
       {{'N', "num 12"}, {'N', "num 1.5"}, {'N', "text abc"}, {'N', "text 12"}, {'N', "empty"},
        {'N', "num 7"}, {'N', "num 1000"}, {'N', "num -0.5"}}},
      {"0012 as text keeps its zeros", "0012\r\n", {{'T', "0012"}}},
      {"single-precision fields", "12.5,abc,3x,\r\n", {{'F', "12.5"}, {'F', "0"}, {'F', "3"}, {'F', "0"}}},
      {"line after a field", "a,b c\r\nline, two\r\nlast", {{'T', "a"}, {'L', "b c"}, {'L', "line, two"}, {'L', "last"}}},
      {"empty line read as a line", "\r\nx", {{'L', ""}, {'L', "x"}}},
      {"code page 932 text", "\x82\x60\xA6,\x95\x5C\r\n", {{'T', "Ａｦ"}, {'T', "表"}}},
  };
  for (const auto& c : cases) {
    InputFile file = Bytes(c.bytes);
    for (std::size_t i = 0; i < c.reads.size(); ++i)
      EXPECT_EQ(ReadOne(file, c.reads[i].kind), c.reads[i].expected) << c.why << ", read " << i + 1;
    EXPECT_TRUE(file.AtEndOfRecords()) << c.why;
  }
}

RunError FailureOf(InputFile& file, char kind) {
  try {
    ReadOne(file, kind);
  } catch (const RunError& e) {
    return e;
  }
  ADD_FAILURE() << "no failure";
  return RunError(u"");
}

TEST(InputFileTest, ReadPastEndNamesFileRecordAndField) {
  InputFile file = Bytes("1,2\r\n");
  file.BeginRecord(u"層データ", 12, 8);
  ReadOne(file, 'T');
  ReadOne(file, 'T');
  const RunError e = FailureOf(file, 'T');
  EXPECT_EQ(e.What(), failure::kReadPastEnd);
  EXPECT_EQ(e.Path(), kName);
  EXPECT_EQ(S(e.Where()), "層データ 12 件目 (8 件中)、3 番目の項目");
}

TEST(InputFileTest, ReadPastEndForEveryKindOfRead) {
  for (char kind : {'T', 'N', 'F', 'L'}) {
    InputFile file = Bytes("a\r\n\r\n");
    ReadOne(file, 'T');
    if (kind != 'T') ReadOne(file, kind);  // the empty line itself is a field or a line
    EXPECT_EQ(FailureOf(file, kind).What(), failure::kReadPastEnd) << kind;
  }
}

TEST(InputFileTest, WhereBeforeAndWithoutAnnouncedCount) {
  InputFile file = Bytes("a\r\n");
  EXPECT_EQ(file.Where(), u"");
  file.BeginRecord(u"備考", 2);
  EXPECT_EQ(S(file.Where()), "備考 2 件目");
  ReadOne(file, 'T');
  EXPECT_EQ(S(file.Where()), "備考 2 件目、1 番目の項目");
  file.BeginRecord(u"備考", 3);
  EXPECT_EQ(S(file.Where()), "備考 3 件目");
}

TEST(InputFileTest, EndTests) {
  InputFile file = Bytes("a\r\n \r\n\t\r\n");
  EXPECT_FALSE(file.AtEndOfRecords());
  ReadOne(file, 'T');
  EXPECT_FALSE(file.AtEnd());
  EXPECT_TRUE(file.AtEndOfRecords());
  InputFile empty = Bytes("");
  EXPECT_TRUE(empty.AtEnd());
  EXPECT_TRUE(empty.AtEndOfRecords());
}

TEST(InputFileTest, LengthInBytes) {
  InputFile file = Bytes("\x82\x60,b\r\n");
  EXPECT_EQ(file.Length(), 6);
  EXPECT_EQ(ReadOne(file, 'T'), "Ａ");
}

}  // namespace
}  // namespace velni
