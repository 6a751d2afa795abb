// Finding the borings of a survey: which names count, and the order of the walk.
#include "run/main_data_files.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;
using testing::TempFolder;
using testing::U;

TEST(IsMainDataFileName, MatchesMdtStarJdfWithoutRegardToCase) {
  const struct {
    const char* name;
    bool matches;
  } cases[] = {
      {"MDT0001.JDF", true},
      {"mdt0001.jdf", true},
      {"MdT12.jDf", true},
      {"MDT.JDF", true},            // the star matches nothing too
      {"MDT1.2.JDF", true},         // and dots
      {"KDT0001.JDF", false},       // a companion is no boring of its own
      {"NDT0001.JDF", false},
      {"XMDT0001.JDF", false},
      {"MDT0001.JDF.bak", false},
      {"MDT0001.TXT", false},
      {"MDT0001JDF", false},
      {"MDT.JD", false},
      {"ＭＤＴ0001.JDF", false},   // full-width letters are other characters
  };
  for (const auto& c : cases) EXPECT_EQ(IsMainDataFileName(U(c.name)), c.matches) << c.name;
}

TEST(MainDataFile, RelativePathAndStem) {
  const MainDataFile top{u"", u"MDT0001.JDF"};
  EXPECT_EQ(top.RelativePath(), u"MDT0001.JDF");
  EXPECT_EQ(top.Stem(), u"MDT0001");
  const MainDataFile below{testing::HostPath("site/B02"), u"mdt1.2.jdf"};
  EXPECT_EQ(below.RelativePath(), testing::HostPath("site/B02/mdt1.2.jdf"));
  EXPECT_EQ(below.Stem(), u"mdt1.2");
}

TEST(FindMainDataFiles, FilesFirstThenSubFoldersInNameOrderWithoutRegardToCase) {
  TempFolder survey;
  for (const char* file : {"b/MDT0003.JDF", "a/sub/MDT0002.JDF", "A2/mdt0009.jdf", "MDT0100.JDF", "a/MDT0001.JDF",
                           "a/KDT0001.JDF", "a/notes.txt", "c/empty/.keep", "d/DATA/bed0001.xml", "d/DATA/INDEX_D.XML"}) {
    testing::WriteBytes(survey / file, "1,0,0,0,0\r\n");
  }
  std::error_code noLinks;  // Wine makes no links: the order is checked all the same
  std::filesystem::create_directory_symlink(survey.Path(), survey / "b" / "loop", noLinks);

  std::vector<std::string> found;
  for (const auto& boring : FindMainDataFiles(testing::PathText(survey.Path()))) found.push_back(S(boring.RelativePath()));
  std::vector<std::string> expected{"MDT0100.JDF", "a/MDT0001.JDF", "a/sub/MDT0002.JDF", "A2/mdt0009.jdf",
                                    "b/MDT0003.JDF", "d/DATA/bed0001.xml"};
  for (std::string& path : expected) path = testing::HostSeparators(path);
  EXPECT_EQ(found, expected);
}

TEST(FindMainDataFiles, AMissingFolderHasNoBorings) {
  TempFolder survey;
  EXPECT_TRUE(FindMainDataFiles(testing::PathText(survey / "nowhere")).empty());
}

}  // namespace
}  // namespace velni
