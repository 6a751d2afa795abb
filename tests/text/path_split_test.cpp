#include "platform/host_path.hpp"
#include "text/path_split.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/temp_folder.hpp"
#include "text/cp932.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;

TEST(PathSplitTest, PiecesAtIndicesFromOne) {
  const struct {
    std::u16string text;
    std::u16string delimiters;
    std::vector<std::u16string> pieces;
  } cases[] = {
      {u"C:\\DATA\\MDT01.JDF", u"\\", {u"C:", u"DATA", u"MDT01.JDF"}},
      {u"C:\\DATA\\", u"\\", {u"C:", u"DATA", u""}},
      {u"\\A", u"\\", {u"", u"A"}},
      {u"A\\\\B", u"\\", {u"A", u"", u"B"}},
      {u"a/b\\c", u"\\/", {u"a", u"b", u"c"}},
      {u"C:\\表\\ソ", u"\\", {u"C:", u"表", u"ソ"}},
      {u"/WORK/DATA/SITE1/B01/", u"/", {u"", u"WORK", u"DATA", u"SITE1", u"B01", u""}},
      {u"", u"\\", {u""}},
  };
  for (const auto& c : cases) {
    const int count = CountDelimiters(c.text, c.delimiters);
    EXPECT_EQ(count + 1, static_cast<int>(c.pieces.size())) << S(c.text);
    TextArray pieces(256);
    SplitByDelimiters(c.text, c.delimiters, pieces);
    for (std::size_t i = 0; i < c.pieces.size(); ++i)
      EXPECT_EQ(S(pieces[static_cast<int>(i) + 1]), S(c.pieces[i])) << S(c.text) << " piece " << i + 1;
  }
}

TEST(PathSplitTest, TrailByte5CIsNoSeparator) {
  const std::u16string path = u"C:\\表\\ソ\\能";
  const std::string bytes = EncodeCp932(path);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\\'), 6);
  EXPECT_EQ(CountDelimiters(path, u"\\"), 3);
}

TEST(PathSplitTest, HostSeparator) {
  EXPECT_EQ(CountDelimiters(testing::HostPath("/WORK/DATA/"), kPathSeparatorText), 3);
}

TEST(PathSplitTest, LaterElementsKeepWhatTheyHeld) {
  TextArray pieces(4);
  pieces[3] = u"old";
  SplitByDelimiters(u"a\\b", u"\\", pieces);
  EXPECT_EQ(pieces[1], u"a");
  EXPECT_EQ(pieces[2], u"b");
  EXPECT_EQ(pieces[3], u"old");
}

TEST(PathSplitTest, MorePiecesThanTheArrayHolds) {
  TextArray pieces(2);
  try {
    SplitByDelimiters(u"a\\b\\c", u"\\", pieces);
    FAIL() << "no subscript failure";
  } catch (const RunError& e) {
    EXPECT_EQ(e.What(), failure::kSubscriptOutOfRange);
  }
  EXPECT_EQ(pieces[2], u"b");
}

TEST(PathSplitTest, Overflow) {
  EXPECT_EQ(CountDelimiters(std::u16string(32767, u'\\'), u"\\"), 32767);
  EXPECT_THROW(CountDelimiters(std::u16string(32768, u'\\'), u"\\"), RunError);
  EXPECT_THROW(CountDelimiters(std::u16string(20000, u'\\'), u"\\\\"), RunError);  // counted per delimiter
  TextArray pieces(1);
  EXPECT_THROW(SplitByDelimiters(std::u16string(32768, u'A'), u"\\", pieces), RunError);
}

}  // namespace
}  // namespace velni
