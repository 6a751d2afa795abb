#include "text/text_array.hpp"

#include <gtest/gtest.h>

#include "text/run_error.hpp"

namespace velni {
namespace {

TEST(TextArrayTest, BoundIsAHardLimit) {
  TextArray fields(3);
  EXPECT_EQ(fields.Upper(), 3);
  fields[3] = u"c";
  EXPECT_EQ(fields[3], u"c");
  EXPECT_EQ(fields[0], u"");
  for (int index : {4, -1, 1000}) {
    try {
      fields[index] = u"x";
      FAIL() << index;
    } catch (const RunError& e) {
      EXPECT_EQ(e.What(), failure::kSubscriptOutOfRange);
    }
  }
  const TextArray& constFields = fields;
  EXPECT_THROW(constFields[4], RunError);
}

}  // namespace
}  // namespace velni
