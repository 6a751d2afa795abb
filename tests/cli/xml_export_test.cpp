// velni2qx-cli --xml: only the exchange files are written, in the places and
// version asked for.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <tuple>

#include "tests/support/process.hpp"
#include "tests/support/temp_folder.hpp"
#include "tests/support/xml_sequence.hpp"
#include "text/cp932.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::TempFolder;

const stdfs::path kSurvey = stdfs::path(VELNI_SOURCE_DIR) / "data" / "survey";

std::set<std::string> FilesBelow(const stdfs::path& folder) {
  std::set<std::string> files;
  for (const auto& entry : stdfs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(stdfs::relative(entry.path(), folder).generic_string());
  }
  return files;
}

TEST(XmlExport, OneBoringWritesOnlyItsFileInTheVersionAsked) {
  TempFolder temp;
  const auto result = testing::RunCli({"--xml", (temp / "B01.XML").string(), "--xml-version", "3.00",
                                       (kSurvey / "kawabe" / "B01" / "MDT0101.JDF").string()});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(FilesBelow(temp.Path()), std::set<std::string>{"B01.XML"});
  const auto document = testing::ReadXml(DecodeCp932(testing::ReadBytes(temp / "B01.XML")));
  EXPECT_EQ(document.elements[0].attributes, u" DTD_version=\"3.00\"");
}

TEST(XmlExport, BatchMirrorsTheSurvey) {
  TempFolder temp;
  const auto result = testing::RunCli({"--batch", "--xml", (temp / "xml").string(), kSurvey.string()});
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(FilesBelow(temp / "xml"),
            (std::set<std::string>{"kawabe/B01/MDT0101.XML", "kawabe/B02/MDT0102.XML", "kawabe/B03/MDT0103.XML",
                                   "konan/No1/MDT0201.XML", "konan/No2/MDT0202.XML"}));
}

std::u16string ElementText(const stdfs::path& xml, std::u16string_view name) {
  for (const auto& element : testing::ReadXml(DecodeCp932(testing::ReadBytes(xml))).elements) {
    if (element.name == name) return element.text;
  }
  return u"(none)";
}

// A batch numbers the borings by its own count and order; each boring takes the
// facts file of the given name nearest above it, else the file as given.
TEST(XmlExport, BatchNumbersTheBoringsAndTakesTheNearestFacts) {
  TempFolder temp;
  stdfs::copy(kSurvey, temp / "survey", stdfs::copy_options::recursive);
  testing::WriteCp932File(temp / "survey" / "kawabe" / "facts.txt", "調査目的 = 河辺橋の設計\n");
  testing::WriteBytes(temp / "facts.txt", "# UTF-8\n調査目的 = 全体\nボーリング総数 = 99\n");
  const auto result = testing::RunCli({"--batch", "--xml", (temp / "xml").string(), "--survey-facts",
                                       (temp / "facts.txt").string(), (temp / "survey").string()});
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const std::tuple<const char*, const char16_t*, const char16_t*> expected[] = {
      {"kawabe/B01/MDT0101.XML", u"1", u"河辺橋の設計"}, {"kawabe/B02/MDT0102.XML", u"2", u"河辺橋の設計"},
      {"kawabe/B03/MDT0103.XML", u"3", u"河辺橋の設計"}, {"konan/No1/MDT0201.XML", u"4", u"全体"},
      {"konan/No2/MDT0202.XML", u"5", u"全体"},
  };
  for (const auto& [file, number, purpose] : expected) {
    EXPECT_EQ(ElementText(temp / "xml" / file, u"ボーリング総数"), u"5") << file;
    EXPECT_EQ(ElementText(temp / "xml" / file, u"ボーリング連番"), number) << file;
    EXPECT_EQ(ElementText(temp / "xml" / file, u"調査目的"), purpose) << file;
  }
}

TEST(XmlExport, AMalformedFactsFileStopsNamingItsLineAndWritesNothing) {
  TempFolder temp;
  testing::WriteBytes(temp / "facts.txt", "調査目的 = 設計\n調査会社 山本\n");
  const auto result = testing::RunCli({"--xml", (temp / "B01.XML").string(), "--survey-facts",
                                       (temp / "facts.txt").string(),
                                       (kSurvey / "kawabe" / "B01" / "MDT0101.JDF").string()});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find((temp / "facts.txt").string()), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("2 行目"), std::string::npos) << result.err;
  EXPECT_FALSE(stdfs::exists(temp / "B01.XML"));
}

TEST(XmlExport, AFileThatCannotBeReadWritesNothingAndSaysWhere) {
  TempFolder temp;
  testing::WriteCp932File(temp / "MDT0001.JDF", "1,32,7,0,6\nBH1\n");
  const auto result = testing::RunCli({"--xml", (temp / "out.XML").string(), (temp / "MDT0001.JDF").string()});
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("MDT0001.JDF"), std::string::npos) << result.err;
  EXPECT_FALSE(stdfs::exists(temp / "out.XML"));
}

TEST(XmlExport, OptionsThatDoNotApplyAreUsageErrors) {
  EXPECT_EQ(testing::RunCli({"--xml", "a.XML", "--xml-version", "5.00", "MDT.JDF"}).exitStatus, 64);
  EXPECT_EQ(testing::RunCli({"--xml", "a.XML", "--yes", "MDT.JDF"}).exitStatus, 64);
  EXPECT_EQ(testing::RunCli({"--xml", "a.XML", "MDT.JDF", "DEST"}).exitStatus, 64);
}

}  // namespace
}  // namespace velni
