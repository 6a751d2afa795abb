// Mended: only the last level of a path was resolved without regard to case, so the
// destination check passed "/TMP/x" through "/tmp" and the creation then failed on
// "/TMP", and "f/case" beside "f/Case" made a second folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;
using testing::U;

TEST(PathCaseTest, EveryLevelResolvesTheSameWayForTheTestAndTheCreation) {
  testing::TempFolder root;
  std::filesystem::create_directories(root / "f" / "Case");
  const std::u16string typed = testing::PathText(root / "F" / "case");

  EXPECT_EQ(S(fs::Resolve(typed + u"/new")), (root / "f" / "Case" / "new").string());
  EXPECT_TRUE(fs::IsFolder(typed));
  ASSERT_TRUE(fs::CreateFolder(typed + u"/new"));
  EXPECT_TRUE(std::filesystem::is_directory(root / "f" / "Case" / "new"));
  EXPECT_FALSE(std::filesystem::exists(root / "F"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root / "f"), {}), 1);  // no second folder
}

TEST(PathCaseTest, ANameThatExistsAsWrittenWinsAtEveryLevel) {
  testing::TempFolder root;
  std::filesystem::create_directories(root / "a" / "X");
  std::filesystem::create_directories(root / "A" / "x");
  EXPECT_EQ(S(fs::Resolve(testing::PathText(root / "A" / "X"))), (root / "A" / "x").string());
  EXPECT_EQ(S(fs::Resolve(testing::PathText(root / "a" / "x"))), (root / "a" / "X").string());
  EXPECT_EQ(S(fs::Resolve(testing::PathText(root / "b" / "c"))), (root / "b" / "c").string());  // nothing matches
}

}  // namespace
}  // namespace velni
