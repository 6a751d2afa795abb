// The one order in which both programs choose their data folder.
#include "platform/data_folder_places.hpp"

#include <gtest/gtest.h>

#include "platform/user_places.hpp"
#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::TempFolder;
using testing::U;

class DataFolderPlacesTest : public ::testing::Test {
 protected:
  // Places under the temporary folder; each named folder is a data folder when
  // listed in `dataFolders`.
  DataFolderPlaces Places(std::initializer_list<const char*> dataFolders) {
    for (const char* folder : dataFolders) testing::MakeMinimalDataFolder(temp_ / folder);
    DataFolderPlaces places;
    places.given = testing::PathText(temp_ / "given");
    places.named = testing::PathText(temp_ / "named");
    places.programFolder = testing::PathText(temp_ / "bin");
    places.userDataFolder = testing::PathText(temp_ / "home/PATDAT");
    places.installedTemplate = testing::PathText(temp_ / "share/PATDAT");
    return places;
  }
  std::u16string Folder(const char* relative) { return testing::FolderText(temp_ / relative); }

  TempFolder temp_;
};

TEST_F(DataFolderPlacesTest, EachPlaceWinsOverTheOnesAfterIt) {
  DataFolderPlaces places = Places({"given", "named", "bin/PATDAT", "home/PATDAT"});
  EXPECT_EQ(ChooseDataFolder(places).folder, Folder("given"));
  places.given.reset();
  EXPECT_EQ(ChooseDataFolder(places).folder, Folder("named"));
  places.named.reset();
  EXPECT_EQ(ChooseDataFolder(places).folder, Folder("bin/PATDAT"));
  stdfs::remove_all(temp_ / "bin");
  EXPECT_EQ(ChooseDataFolder(places).folder, Folder("home/PATDAT"));
}

TEST_F(DataFolderPlacesTest, ANamedFolderThatIsNoDataFolderIsNeverPassedOver) {
  // Using the folder beside the program instead would give soil names other codes.
  DataFolderPlaces places = Places({"bin/PATDAT"});
  places.given.reset();
  const DataFolderChoice choice = ChooseDataFolder(places);
  EXPECT_EQ(choice.folder, u"");
  EXPECT_EQ(choice.refusedName, testing::PathText(temp_ / "named"));
}

TEST_F(DataFolderPlacesTest, TheUserFolderIsMadeFromTheTemplateAndKeptAfterwards) {
  DataFolderPlaces places = Places({"share/PATDAT"});
  places.given.reset();
  places.named.reset();
  testing::WriteBytes(temp_ / "share/PATDAT/L4.TXT", "1,A\r\n");
  EXPECT_EQ(ChooseDataFolder(places).folder, Folder("home/PATDAT"));
  EXPECT_EQ(testing::ReadBytes(temp_ / "home/PATDAT/L4.TXT"), testing::ReadBytes(temp_ / "share/PATDAT/L4.TXT"));
  // What the user's tables learned is never replaced by the template again.
  testing::WriteBytes(temp_ / "home/PATDAT/KISHITU.TXT", "learned");
  EXPECT_EQ(ChooseDataFolder(places).folder, Folder("home/PATDAT"));
  EXPECT_EQ(testing::ReadBytes(temp_ / "home/PATDAT/KISHITU.TXT"), "learned");
}

TEST_F(DataFolderPlacesTest, NoPlaceHoldsOne) {
  DataFolderPlaces places = Places({});
  places.given.reset();
  places.named.reset();
  EXPECT_EQ(ChooseDataFolder(places).folder, u"");
  EXPECT_FALSE(stdfs::exists(temp_ / "home/PATDAT/KISHITU.TXT"));
}

TEST_F(DataFolderPlacesTest, TheSettingIsWrittenKeepingOtherLinesAndReadBack) {
  const std::u16string file = testing::PathText(temp_ / "config/velni2qx.conf");
  testing::WriteBytes(temp_ / "config/velni2qx.conf", "other=1\ndata-folder=/old\n");
  ASSERT_TRUE(SaveDataFolderSetting(file, u"/srv/共有/PATDAT/"));
  EXPECT_EQ(testing::ReadBytes(temp_ / "config/velni2qx.conf"), "other=1\ndata-folder=/srv/共有/PATDAT/\n");
  EXPECT_EQ(DataFolderSetting(file), u"/srv/共有/PATDAT/");
}

// The user's own places are the host's: the XDG folders on POSIX, %APPDATA% and
// %LOCALAPPDATA% on Windows, and the installed template where the host's install
// puts it.
TEST(UserPlacesTest, TheHostsFoldersOfTheUser) {
  const std::string base = testing::HostSeparators("/base/");
  const char* variables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "APPDATA", "LOCALAPPDATA"};
  std::vector<std::optional<std::u16string>> before;
  for (const char* name : variables) before.push_back(EnvironmentVariable(name));
  testing::SetEnvironment("XDG_CONFIG_HOME", base + "config");
  testing::SetEnvironment("XDG_DATA_HOME", base + "data");
  testing::SetEnvironment("APPDATA", base + "Roaming");
  testing::SetEnvironment("LOCALAPPDATA", base + "Local");
  const bool windows = base != "/base/";
  EXPECT_EQ(testing::S(UserSettingsFile()),
            base + testing::HostSeparators(windows ? "Roaming/velni2qx/velni2qx.conf" : "config/velni2qx/velni2qx.conf"));
  EXPECT_EQ(testing::S(UserDataFolder()),
            base + testing::HostSeparators(windows ? "Local/velni2qx/PATDAT" : "data/velni2qx/PATDAT"));
  EXPECT_EQ(testing::S(InstalledTemplateFolder(U(base + "bin"))),
            base + testing::HostSeparators(windows ? "bin/template/PATDAT" : "share/velni2qx/PATDAT"));
  for (std::size_t i = 0; i < before.size(); ++i) {
    testing::SetEnvironment(variables[i], before[i] ? std::optional(testing::S(*before[i])) : std::nullopt);
  }
}

}  // namespace
}  // namespace velni
