// The picture window's behaviour: the picture of a boring saved in each format or
// as exchange XML, a failure said, and the check list, faults first; an unreadable
// boring still opens.
#include "window/picture_presenter.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "exchange/exchange_file.hpp"
#include "tests/support/planted_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::U;

class PicturePresenterTest : public ::testing::Test, public PictureWindowView {
 protected:
  void SetUp() override {
    testing::WriteCheckDataFolder(temp_ / "PATDAT");
    store_ = std::make_unique<SoilNameStore>(SoilTableFolders{temp_.Text() + u"PATDAT/"});
  }
  void ShowMessage(const std::u16string& prompt, int) override { messages_.push_back(prompt); }
  PicturePresenter& Open(const testing::PlantedBoring& boring = {}) {
    stdfs::create_directories(temp_ / "src");
    return OpenFile(testing::WritePlantedBoring(temp_ / "src", boring));
  }
  PicturePresenter& OpenFile(const stdfs::path& source) {
    picture_ = std::make_unique<PicturePresenter>(
        PictureSource{U(source.string()), temp_.Text() + u"PATDAT/", store_.get()}, *this);
    return *picture_;
  }

  testing::TempFolder temp_;
  std::unique_ptr<SoilNameStore> store_;
  std::unique_ptr<PicturePresenter> picture_;
  std::vector<std::u16string> messages_;
};

TEST_F(PicturePresenterTest, SavingWritesEachFormat) {
  PicturePresenter& picture = Open();
  EXPECT_TRUE(picture.ReadFailure().empty());
  EXPECT_FALSE(picture.Picture().labels.empty());
  EXPECT_TRUE(picture.CanSave());
  for (const char* name : {"b.pdf", "b.svg", "b.png"}) {
    const stdfs::path path = temp_ / name;
    EXPECT_TRUE(picture.SaveTo(U(path.string()))) << name;
    EXPECT_TRUE(stdfs::exists(path) && stdfs::file_size(path) > 0) << name;
  }
  EXPECT_TRUE(messages_.empty());
}

TEST_F(PicturePresenterTest, AFileThatCannotBeWrittenIsSaidNotReportedSaved) {
  PicturePresenter& picture = Open();
  const std::u16string path = U((temp_ / "missing" / "b.png").string());
  EXPECT_FALSE(picture.SaveTo(path));
  EXPECT_EQ(messages_, std::vector<std::u16string>{kCannotWritePictureFile + path});
}

// The export writes the exchange file of the chosen version, with the facts of the
// file of the default name above the boring; a folder that is not there is said
// with the file, never reported as saved.
TEST_F(PicturePresenterTest, TheExchangeXmlIsSavedOrItsFailureSaid) {
  PicturePresenter& picture = Open();
  testing::WriteBytes(temp_ / "survey-facts.txt", "調査目的 = 窓の設計\n");
  const stdfs::path path = temp_ / "b.XML";
  EXPECT_TRUE(picture.SaveExchangeTo(U(path.string()), ExchangeVersion::V300));
  const std::string bytes = testing::ReadBytes(path);
  EXPECT_NE(bytes.find(testing::Cp932Bytes("<調査目的>窓の設計</調査目的>")), std::string::npos);
  EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n", 0), 0u);
  EXPECT_NE(bytes.find("BED0300.DTD"), std::string::npos);
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(picture.SaveExchangeTo(U((temp_ / "missing" / "b.XML").string()), ExchangeVersion::V400));
  EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(PicturePresenterTest, TheCheckListsFaultsFirst) {
  testing::PlantedBoring boring;
  // The depth warning is found before the refused soil name of layer 1.
  boring.layers = "3.00,砂\x01,灰,A\n2.00,砂,灰,A\n";
  const CheckList list = Open(boring).Check();
  ASSERT_EQ(list.lines.size(), 2u);
  EXPECT_EQ(list.lines[0].rfind(u"誤り: ", 0), 0u);
  EXPECT_NE(list.lines[0].find(u"層データ 1 件目、2 番目"), std::u16string::npos) << testing::S(list.lines[0]);
  EXPECT_EQ(list.lines[1].rfind(u"警告: ", 0), 0u);
  EXPECT_NE(list.lines[1].find(u"深くなっていません"), std::u16string::npos) << testing::S(list.lines[1]);
  EXPECT_EQ(list.summary, u"誤り 1 件、警告 1 件");
}

TEST_F(PicturePresenterTest, AnUnreadableBoringOpensEmptyWithItsFaultListed) {
  testing::PlantedBoring boring;
  boring.layerCount = 3;  // the header promises a layer the file does not have
  PicturePresenter& picture = Open(boring);
  EXPECT_FALSE(picture.ReadFailure().empty());
  EXPECT_TRUE(picture.Picture().labels.empty());
  EXPECT_FALSE(picture.CanSave());
  EXPECT_EQ(picture.StatusLine().rfind(u"読み込めません", 0), 0u);
  const CheckList list = picture.Check();
  ASSERT_FALSE(list.lines.empty());
  EXPECT_EQ(list.lines[0].rfind(u"誤り: ", 0), 0u);
  EXPECT_NE(list.lines[0].find(u"層データ 3"), std::u16string::npos) << testing::S(list.lines[0]);
}

// A delivered exchange file opens as a main data file does: its picture, its check,
// and its export in the other version, never over itself.
TEST_F(PicturePresenterTest, ADeliveredExchangeFileIsDrawnCheckedAndSavedInTheOtherVersion) {
  stdfs::create_directories(temp_ / "dlv");
  const stdfs::path xml = temp_ / "dlv" / "BED0001.XML";
  ExportExchangeFile(U(testing::WritePlantedBoring(temp_ / "src", {}).string()), U(xml.string()), ExchangeVersion::V400);
  const std::string delivered = testing::ReadBytes(xml);
  PicturePresenter& picture = OpenFile(xml);
  EXPECT_TRUE(picture.ReadFailure().empty()) << testing::S(picture.ReadFailure());
  EXPECT_FALSE(picture.Picture().labels.empty());
  const CheckList list = picture.Check();
  EXPECT_EQ(list.title, u"チェック - BED0001.XML");
  EXPECT_EQ(list.summary.rfind(u"誤り 0 件", 0), 0u) << testing::S(list.summary);

  EXPECT_NE(picture.SuggestedExchangePath(), U(xml.string()));
  const stdfs::path other = temp_ / "dlv" / "BED0001_300.XML";
  EXPECT_TRUE(picture.SaveExchangeTo(U(other.string()), ExchangeVersion::V300));
  EXPECT_NE(testing::ReadBytes(other).find("BED0300.DTD"), std::string::npos);
  EXPECT_TRUE(messages_.empty());
  EXPECT_FALSE(picture.SaveExchangeTo(U((temp_ / "dlv" / "bed0001.xml").string()), ExchangeVersion::V300));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find(u"変換元の交換用データ"), std::u16string::npos) << testing::S(messages_[0]);
  EXPECT_EQ(testing::ReadBytes(xml), delivered);
}

// The export is refused over any file it reads, whatever the letter case (mended:
// the window wrote wherever the dialog said, the boring's own files included).
TEST_F(PicturePresenterTest, TheExportIsRefusedOverAFileItReads) {
  testing::WriteBytes(temp_ / "survey-facts.txt", "調査目的 = 窓の設計\n");
  PicturePresenter& picture = Open();
  const struct {
    stdfs::path typed;
    stdfs::path file;  // the file it reaches
    std::u16string what;
  } cases[] = {
      {temp_ / "src" / "mdt0001.jdf", temp_ / "src" / "MDT0001.JDF", u"変換元の主データファイル"},
      {temp_ / "src" / "NDT0001.JDF", temp_ / "src" / "NDT0001.JDF", u"変換元の試験ファイル"},
      {temp_ / "PATDAT" / "kishitu.txt", temp_ / "PATDAT" / "KISHITU.TXT", u"データフォルダの土質名表"},
      {temp_ / "survey-facts.txt", temp_ / "survey-facts.txt", u"調査の事実のファイル"},
  };
  for (const auto& refused : cases) {
    const std::u16string typed = testing::PathText(refused.typed);
    const std::string before = testing::ReadBytes(refused.file);
    messages_.clear();
    EXPECT_FALSE(picture.SaveExchangeTo(typed, ExchangeVersion::V400)) << refused.typed;
    ASSERT_EQ(messages_.size(), 1u) << refused.typed;
    EXPECT_EQ(messages_[0].rfind(u"保存先 " + typed + u" は" + refused.what, 0), 0u) << testing::S(messages_[0]);
    EXPECT_EQ(testing::ReadBytes(refused.file), before) << refused.file;
  }
}

}  // namespace
}  // namespace velni
