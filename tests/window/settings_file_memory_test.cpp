// The folder lists' memory in the settings file: each key kept on its own line,
// the data-folder line and other lines left as they stand.
#include "window/settings_file_memory.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

TEST(SettingsFileMemoryTest, FoldersAreKeptBesideTheOtherLines) {
  testing::TempFolder temp;
  const auto file = temp / "conf" / "velni2qx.conf";
  FolderMemory memory = SettingsFileFolderMemory(testing::PathText(file));
  EXPECT_EQ(memory.recall(kSourceFolderKey), u"");  // no file yet

  memory.keep(kSourceFolderKey, u"/データ/B01");
  testing::WriteBytes(file, testing::ReadBytes(file) + "data-folder=/x/PATDAT/\r\n");
  memory.keep(kDestinationFolderKey, u"/out");
  memory.keep(kSourceFolderKey, u"/data/B02");
  EXPECT_EQ(memory.recall(kSourceFolderKey), u"/data/B02");
  EXPECT_EQ(memory.recall(kDestinationFolderKey), u"/out");
  EXPECT_EQ(testing::ReadBytes(file), "data-folder=/x/PATDAT/\nfolders/destination=/out\nfolders/source=/data/B02\n");
}

}  // namespace
}  // namespace velni
