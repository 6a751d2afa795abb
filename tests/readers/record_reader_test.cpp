// Reading records of a source file into the run's record buffer.
#include "readers/record_reader.hpp"

#include <gtest/gtest.h>

#include "text/run_error.hpp"

namespace velni {
namespace {


TEST(LoopCountTest, WholePartOfTheCountRoundedAsTheSystemRoundsItsIntegers) {
  const InputFile file = InputFile::FromBytes(u"f", "x");
  struct Case {
    NumOrText count;
    std::int64_t expected;
  } cases[] = {
      {NumOrText(), 0},
      {NumOrText::Number(0), 0},
      {NumOrText::Number(-3), 0},
      {NumOrText::Number(8), 8},
      {NumOrText::Number(2.5), 2},
      {NumOrText::Number(3.5), 4},
      {NumOrText::Text(u"12"), 12},  // a quoted count that reads as a number
  };
  for (const auto& c : cases) EXPECT_EQ(LoopCount(c.count, file), c.expected);
}

TEST(LoopCountTest, ACountThatIsAWordIsATypeMismatchNamingTheFile) {
  const InputFile file = InputFile::FromBytes(u"/in/MDT01.JDF", "x");
  try {
    LoopCount(NumOrText::Text(u"abc"), file);
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kTypeMismatch);
    EXPECT_NE(error.Path().find(u"MDT01.JDF"), std::u16string::npos);
  }
  EXPECT_THROW(IsNonZero(NumOrText::Text(u"abc"), file), RunError);
  EXPECT_FALSE(IsNonZero(NumOrText(), file));
  EXPECT_TRUE(IsNonZero(NumOrText::Number(-1), file));
}

TEST(ReadRecordFieldsTest, FillsFromIndexOneAndLeavesLaterFieldsAlone) {
  InputFile file = InputFile::FromBytes(u"f", "a,b\r\nc\r\n");
  RecordFieldsSnapshot fields{};
  fields[3] = u"kept";
  ReadRecordFields(file, fields, 2);
  EXPECT_EQ(fields[1], u"a");
  EXPECT_EQ(fields[2], u"b");
  EXPECT_EQ(fields[3], u"kept");
}

TEST(ReadRecordFieldsTest, AFieldBeyondTheBufferNamesRecordAndField) {
  std::string record;
  for (int i = 1; i <= 41; ++i) record += std::to_string(i) + ",";
  InputFile file = InputFile::FromBytes(u"MDT01.JDF", record + "\r\n");
  RecordFieldsSnapshot fields{};
  file.BeginRecord(u"層データ", 1, 1);
  try {
    ReadRecordFields(file, fields, 41);
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kSubscriptOutOfRange);
    EXPECT_EQ(error.Where(), u"層データ 1 件目 (1 件中)、41 番目の項目");
  }
}

}  // namespace
}  // namespace velni
