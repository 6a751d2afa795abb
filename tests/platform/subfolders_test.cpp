// Sub-folder listings: what the folder lists offer and what the data-folder walk
// may enter.
#include "platform/subfolders.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::TempFolder;
using testing::U;
namespace stdfs = std::filesystem;

class SubfoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"b", "A", "_x", "C"}) stdfs::create_directory(temp_ / name);
    testing::WriteBytes(temp_ / "a.txt", "x");
    std::error_code noLinks;  // Wine makes no links
    stdfs::create_directory_symlink(temp_ / "A", temp_ / "link", noLinks);
    linked_ = !noLinks;
  }

  std::u16string Folder() const { return testing::PathText(temp_.Path()); }

  TempFolder temp_;
  bool linked_ = false;
};

TEST_F(SubfoldersTest, FoldersOnlyInNameOrderIgnoringCaseWithoutDotsOrLinks) {
  const SubfolderListing listing = ReadSubfolders(Folder());
  EXPECT_TRUE(listing.readable);
  // Letters compare as capitals, so "_" (after "Z") sorts after every letter.
  EXPECT_EQ(listing.names, (std::vector<std::u16string>{u"A", u"b", u"C", u"_x"}));
}

TEST_F(SubfoldersTest, LinksToFoldersCountWhenFollowed) {
  if (!linked_) GTEST_SKIP() << "no link to a folder can be made here";
  const SubfolderListing listing = ReadSubfolders(Folder(), {.onVolume = std::nullopt, .followLinks = true});
  EXPECT_EQ(listing.names, (std::vector<std::u16string>{u"A", u"b", u"C", u"link", u"_x"}));
}

TEST_F(SubfoldersTest, OnItsOwnVolumeEveryFolderStays) {
  const SubfolderListing listing = ReadSubfolders(Folder(), {.onVolume = VolumeIdOf(Folder()), .followLinks = false});
  EXPECT_EQ(listing.names.size(), 4u);
}

TEST_F(SubfoldersTest, AFolderThatCannotBeListedIsNotReadable) {
  const SubfolderListing listing = ReadSubfolders(Folder() + u"/missing");
  EXPECT_FALSE(listing.readable);
  EXPECT_TRUE(listing.names.empty());
}

TEST(SubfoldersOnVolumeTest, FoldersOfAnotherVolumeAreLeftOut) {
  if (VolumeIdOf(u"/proc") == VolumeIdOf(u"/")) GTEST_SKIP() << "/proc is not mounted apart here";
  const SubfolderListing listing = ReadSubfolders(u"/", {.onVolume = VolumeIdOf(u"/"), .followLinks = false});
  EXPECT_EQ(std::count(listing.names.begin(), listing.names.end(), u"proc"), 0);
  const SubfolderListing all = ReadSubfolders(u"/");
  EXPECT_EQ(std::count(all.names.begin(), all.names.end(), u"proc"), 1);
}

}  // namespace
}  // namespace velni
