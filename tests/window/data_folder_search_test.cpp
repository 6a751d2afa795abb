// Start-up's search for the data folder over temporary folder trees standing for
// the program's folder and the machine's volumes.
#include "window/data_folder_search.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;
using testing::TempFolder;
using testing::U;
namespace stdfs = std::filesystem;

class DataFolderSearchTest : public ::testing::Test {
 protected:
  stdfs::path Make(const std::string& folder) {
    stdfs::create_directories(temp_ / folder);
    return temp_ / folder;
  }
  // A data folder: its marker file with `marker` bytes in it.
  void MakeDataFolder(const std::string& folder, const std::string& marker = "5001,砂\r\n",
                      const std::string& markerName = "kishitu.txt") {
    testing::WriteBytes(Make(folder) / markerName, marker);
  }
  std::u16string Text(const std::string& folder) const { return U((temp_ / folder).string()); }

  std::u16string Find(const std::vector<std::string>& volumes, const std::string& program) {
    DataFolderSearch search;
    search.programFolder = Text(program);
    for (const std::string& volume : volumes) search.volumeRoots.push_back(Text(volume));
    search.onVisit = [this](const std::u16string& folder, std::size_t) {
      visited_.push_back(folder);
      return true;
    };
    if (readable_) search.volumeReadable = readable_;
    if (endAfter_ > 0) {
      search.onVisit = [this](const std::u16string& folder, std::size_t count) {
        visited_.push_back(folder);
        return count < endAfter_;
      };
    }
    return FindDataFolder(search);
  }

  TempFolder temp_;
  std::vector<std::u16string> visited_;
  std::function<bool(const std::u16string&)> readable_;
  std::size_t endAfter_ = 0;
};

TEST_F(DataFolderSearchTest, BesideTheProgramWinsWithoutAWalk) {
  MakeDataFolder("vol/app/PATDAT");
  MakeDataFolder("vol/PATDAT");
  EXPECT_EQ(Find({"vol"}, "vol/app"), Text("vol/app/PATDAT/"));
  EXPECT_TRUE(visited_.empty());
}

TEST_F(DataFolderSearchTest, AnEmptyMarkerIsNoMatchBesideTheProgramNorInTheWalk) {
  MakeDataFolder("vol/app/PATDAT", "");
  MakeDataFolder("vol/zz/PATDAT");
  EXPECT_EQ(Find({"vol"}, "vol/app"), Text("vol/zz/PATDAT/"));
  EXPECT_NE(std::find(visited_.begin(), visited_.end(), Text("vol/app/")), visited_.end());
}

TEST_F(DataFolderSearchTest, TheFirstInADepthFirstWalkInNameOrderWins) {
  // Name order ignores case: "a" comes before "B", and all of "a" before "B".
  MakeDataFolder("vol/B/PATDAT");
  MakeDataFolder("vol/a/x/PATDAT");
  Make("vol/prog");
  EXPECT_EQ(Find({"vol"}, "vol/prog"), Text("vol/a/x/PATDAT/"));
}

TEST_F(DataFolderSearchTest, ARootLevelDataFolderWinsOverADeeperOne) {
  MakeDataFolder("vol/A/PATDAT");
  MakeDataFolder("vol/PATDAT");
  EXPECT_EQ(Find({"vol"}, "elsewhere"), Text("vol/PATDAT/"));
}

TEST_F(DataFolderSearchTest, NamesAreMatchedWithoutRegardToCase) {
  MakeDataFolder("vol/x/patdat", "x", "KISHITU.TXT");
  EXPECT_EQ(Find({"vol"}, "elsewhere"), Text("vol/x/patdat/"));
  MakeDataFolder("app/Patdat", "x", "Kishitu.Txt");
  EXPECT_EQ(Find({"vol"}, "app"), Text("app/Patdat/"));
}

TEST_F(DataFolderSearchTest, DotEntriesAndLinksAreNeverEntered) {
  // Reached through "..", or through a link, each of these would be found.
  MakeDataFolder("PATDAT");
  MakeDataFolder("outside/PATDAT");
  Make("vol/a/b");
  Make("vol/c");
  stdfs::create_directory_symlink(temp_ / "outside", temp_ / "vol/link");
  stdfs::create_directory_symlink(temp_ / "vol", temp_ / "vol/a/loop");
  EXPECT_EQ(Find({"vol"}, "elsewhere"), u"");
  EXPECT_EQ(visited_, (std::vector<std::u16string>{Text("vol/"), Text("vol/a/"), Text("vol/a/b/"), Text("vol/c/")}));
}

TEST_F(DataFolderSearchTest, TheProgramsOwnVolumeIsWalkedFirst) {
  MakeDataFolder("v1/PATDAT");
  MakeDataFolder("v2/q/PATDAT");
  Make("v2/app");
  EXPECT_EQ(Find({"v1", "v2"}, "v2/app"), Text("v2/q/PATDAT/"));
}

TEST_F(DataFolderSearchTest, AVolumeThatCannotBeReadIsSkipped) {
  MakeDataFolder("v1/PATDAT");
  MakeDataFolder("v2/PATDAT");
  readable_ = [this](const std::u16string& root) { return root != Text("v1"); };
  EXPECT_EQ(Find({"gone", "v1", "v2"}, "elsewhere"), Text("v2/PATDAT/"));
}

TEST_F(DataFolderSearchTest, NoDataFolderAnywhereGivesNone) {
  Make("v1/a");
  Make("v2/b");
  MakeDataFolder("v2/b/PATDAT", "");
  EXPECT_EQ(Find({"v1", "v2"}, "v1/a"), u"");
  EXPECT_EQ(visited_.size(), 5u);
}

TEST_F(DataFolderSearchTest, EndingTheSearchGivesNoneAndWalksNoFurther) {
  Make("v1/a/b");
  MakeDataFolder("v1/z/PATDAT");
  MakeDataFolder("v2/PATDAT");
  endAfter_ = 2;
  EXPECT_EQ(Find({"v1", "v2"}, "elsewhere"), u"");
  EXPECT_EQ(visited_.size(), 2u);
}

TEST(FolderPartTest, UpToAndIncludingTheLastSeparator) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"/a/PATDAT", u"/a/"}, {u"/PATDAT", u"/"}, {u"/a/b/", u"/a/b/"}, {u"PATDAT", u""}, {u"", u""},
      {u"C:PATDAT", u""},  // a colon is an ordinary character in a POSIX name
  };
  for (const auto& [path, part] : cases) EXPECT_EQ(FolderPart(path), part) << S(path);
}

}  // namespace
}  // namespace velni
