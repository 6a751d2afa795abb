// velni2qx-cli with a delivered exchange file as its source: it converts (new soil
// names register as for any boring), a damaged one writes nothing and changes no
// table, and the check and the picture take it too.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/process.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/cp932.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::TempFolder;

class ExchangeSource : public ::testing::Test {
 protected:
  void SetUp() override {
    stdfs::copy(stdfs::path(VELNI_SOURCE_DIR) / "data" / "PATDAT", temp_ / "PATDAT", stdfs::copy_options::recursive);
    const auto exported = testing::RunCli({"--xml", (temp_ / "plain.xml").string(),
                                           (stdfs::path(VELNI_SOURCE_DIR) / "data" / "survey" / "kawabe" / "B01" / "MDT0101.JDF").string()});
    ASSERT_EQ(exported.exitStatus, 0) << exported.err;
    document_ = DecodeCp932(testing::ReadBytes(temp_ / "plain.xml"));
  }

  // The exported document with one text replaced, as a delivered file.
  stdfs::path Delivered(const std::u16string& from, const std::u16string& to) {
    std::u16string text = document_;
    text.replace(text.find(from), from.size(), to);
    testing::WriteBytes(temp_ / "BED0101.XML", EncodeCp932(text));
    return temp_ / "BED0101.XML";
  }

  testing::ProcessResult Convert(const stdfs::path& source) {
    return testing::RunCli({"--data-folder", (temp_ / "PATDAT").string(), "--yes", source.string(),
                            (temp_ / "OUT" / "B01").string()});
  }

  std::string Tables() {
    return testing::ReadBytes(temp_ / "PATDAT" / "KISHITU.TXT") + testing::ReadBytes(temp_ / "PATDAT" / "XKISHITU.TXT");
  }

  TempFolder temp_;
  std::u16string document_;
};

TEST_F(ExchangeSource, ConvertsAndRegistersNewSoilNames) {
  const auto result = Convert(Delivered(u">泥岩<", u">新しい泥岩<"));
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(testing::NamesIn(temp_ / "OUT" / "B01").size(), 10u);
  EXPECT_NE(Tables().find(EncodeCp932(u"新しい泥岩")), std::string::npos);
}

TEST_F(ExchangeSource, ADamagedFileWritesNothingAndChangesNoTable) {
  const std::string tables = Tables();
  const auto result = Convert(Delivered(u">2.30<", u">9.30<"));  // the second layer below the third
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_NE(result.err.find("BED0101.XML"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("より深くなっています"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("要素「工学的地質区分名現場土質名」 "), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(" 行 5 桁"), std::string::npos) << result.err;  // the layer's start tag, indented
  EXPECT_FALSE(stdfs::exists(temp_ / "OUT" / "B01" / "CNT.TXT"));
  EXPECT_EQ(Tables(), tables);
}

TEST_F(ExchangeSource, CheckAndPictureTakeIt) {
  const stdfs::path source = Delivered(u"", u"");
  const auto check = testing::RunCli({"--check", source.string()});
  EXPECT_EQ(check.exitStatus, 0) << check.err << check.out;
  const auto picture = testing::RunCli({"--picture", (temp_ / "b.svg").string(), source.string()});
  EXPECT_EQ(picture.exitStatus, 0) << picture.err;
  EXPECT_NE(testing::ReadBytes(temp_ / "b.svg").find("<svg"), std::string::npos);
}

TEST_F(ExchangeSource, ABatchTakesDeliveredFilesBesideMainDataFiles) {
  const stdfs::path survey = temp_ / "survey";
  stdfs::create_directories(survey / "BORING" / "DATA");
  stdfs::copy(Delivered(u"", u""), survey / "BORING" / "DATA" / "BED0101.XML");
  stdfs::copy(stdfs::path(VELNI_SOURCE_DIR) / "data" / "survey" / "kawabe" / "B01", survey / "B01");
  const auto batch = testing::RunCli({"--batch", "--data-folder", (temp_ / "PATDAT").string(), survey.string(),
                                      (temp_ / "OUT").string()});
  ASSERT_EQ(batch.exitStatus, 0) << batch.err;
  EXPECT_EQ(batch.out, "一括変換の結果: 全 2 件、正常終了 2 件、拒否 0 件、失敗 0 件\n");
  EXPECT_EQ(testing::NamesIn(temp_ / "OUT" / "BORING" / "DATA" / "BED0101").size(), 10u);
  const auto check = testing::RunCli({"--batch", "--check", "--data-folder", (temp_ / "PATDAT").string(),
                                      survey.string()});
  EXPECT_EQ(check.exitStatus, 0) << check.out;
  EXPECT_NE(check.out.find("BED0101.XML"), std::string::npos) << check.out;
}

}  // namespace
}  // namespace velni
