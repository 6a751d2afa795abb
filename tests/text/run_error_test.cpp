#include "text/run_error.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;

TEST(RunErrorTest, MessageNamesWhatFileAndWhere) {
  const RunError full(failure::kReadPastEnd, u"/d/MDT01.JDF", u"層データ 12 件目 (8 件中)、3 番目の項目");
  const std::string expected =
      "ファイルの終わりを越えて読み込もうとしました。\nファイル: /d/MDT01.JDF\n層データ 12 件目 (8 件中)、3 番目の項目";
  EXPECT_EQ(S(full.Message()), expected);
  EXPECT_EQ(std::string(full.what()), expected);

  EXPECT_EQ(S(RunError(failure::kFileNotFound, u"/d/L4.TXT").Message()), "ファイルが見つかりません。\nファイル: /d/L4.TXT");
  EXPECT_EQ(S(RunError(failure::kOverflow).Message()), "オーバーフローしました。");
}

TEST(RunErrorTest, PathAndWhereAddedLater) {
  const RunError bare(failure::kSubscriptOutOfRange);
  EXPECT_FALSE(bare.HasPath());
  const RunError named = bare.WithPath(u"/d/X1.TXT").WithWhere(u"2 件目");
  EXPECT_EQ(named.What(), failure::kSubscriptOutOfRange);
  EXPECT_EQ(named.Path(), u"/d/X1.TXT");
  EXPECT_EQ(named.Where(), u"2 件目");
  EXPECT_EQ(S(named.Message()), "インデックスが有効範囲にありません。\nファイル: /d/X1.TXT\n2 件目");
}

}  // namespace
}  // namespace velni
