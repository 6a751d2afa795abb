// Malformed source files: the run stops where the fault is, its one message names the
// file, the record and the field, and nothing changes: the destination keeps what an
// earlier run left there and the data folder's tables stay as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::ReadBytes;
using testing::RunCli;
using testing::TempFolder;
using testing::WriteCp932File;

// A boring that converts: two header fields, two layers of four fields, two list
// records of three fields in each of the three blocks, two remarks, two tests.
constexpr char kHeader[] = "1,2,2,0,4\nBH1,1\n";
constexpr char kLayers[] = "1.00,砂,,A\n2.00,砂,,B\n";
constexpr char kLists[] = "2,3,1\nP-1,1.15,A\n,,\n1.00,6/1,\n,,\n2.00,6/2,\n,,\n";
constexpr char kRemarks[] = "1,2,2\n1.00,表土\n2.00,砂\n";
constexpr char kTests[] = "100,2,5,0\n1.15,3,1,1,1\n2.15,5,1,2,2\n";

std::string Fields(int count) {
  std::string line = "1";
  for (int i = 2; i <= count; ++i) line += ",1";
  return line + "\n";
}

const std::set<std::string> kUpToTitleSheets{"CNT.TXT", "Titl01.txt", "Titl02.txt"};

std::set<std::string> With(std::set<std::string> names, std::initializer_list<const char*> more) {
  names.insert(more.begin(), more.end());
  return names;
}

const std::set<std::string> kUpToLayers = With(kUpToTitleSheets, {"X1.TXT", "X3.TXT"});
const std::set<std::string> kUpToLists = With(kUpToLayers, {"X11.TXT", "N9.TXT", "N8.TXT"});
const std::set<std::string> kUpToRemarks = With(kUpToLists, {"X12.TXT"});

struct MalformedCase {
  const char* why;
  std::string mainData;
  std::optional<std::string> remarks;  // nullopt: the file is missing
  std::optional<std::string> tests;
  const char* failingFile;             // MDT, KDT or NDT
  std::string failure;                 // what failed
  std::string where;                   // the record and field, empty when none
};

std::vector<MalformedCase> Cases() {
  const std::string main = std::string(kHeader) + kLayers + kLists;
  const std::string pastEnd = "ファイルの終わりを越えて読み込もうとしました。";
  const std::string subscript = "インデックスが有効範囲にありません。";
  const std::string notFound = "ファイルが見つかりません。";
  const std::string mismatch = "型が一致しません。";
  const std::string layerTwoName = "層データ 2 件目 (2 件中)、2 番目の項目";
  std::string longName;
  for (int i = 0; i < 201; ++i) longName += "砂";
  return {
      // Names the tables must not take stop the run before any table changes.
      {"soil name too long", std::string(kHeader) + "1.00,砂,,A\n2.00," + longName + ",,B\n" + kLists, kRemarks,
       kTests, "MDT", "土質名が長すぎます（201 文字。土質名表に登録できるのは 200 文字までです）。", layerTwoName},
      {"soil name with a control character", std::string(kHeader) + "1.00,砂,,A\n2.00,砂\x01礫,,B\n" + kLists,
       kRemarks, kTests, "MDT", "土質名に制御文字（U+0001）が含まれているため、土質名表に登録できません。",
       layerTwoName},
      {"main header record ends early", "1,2\n", kRemarks, kTests, "MDT", pastEnd, "ヘッダ 1 件目、3 番目の項目"},
      {"41 header fields", "1,41,0,0,0\n" + Fields(41), kRemarks, kTests, "MDT", subscript,
       "ヘッダ項目 1 件目、41 番目の項目"},
      {"header field count no number", "1,abc,0,0,0\n", kRemarks, kTests, "MDT", mismatch,
       "ヘッダ 1 件目、2 番目の項目"},
      // The layer count is tested only after the header fields have been read: the
      // failure still names the header record.
      {"layer count no number", "1,2,abc,0,4\nBH1,1\n" + std::string(kLayers) + kLists, kRemarks, kTests, "MDT",
       mismatch, "ヘッダ 1 件目、3 番目の項目"},
      {"layer record ends early", std::string(kHeader) + "1.00,砂,,A\n2.00,砂\n", kRemarks, kTests, "MDT", pastEnd,
       "層データ 2 件目 (2 件中)、3 番目の項目"},
      {"layer count above the layers there", "1,2,3,0,4\nBH1,1\n" + std::string(kLayers), kRemarks, kTests, "MDT",
       pastEnd, "層データ 3 件目 (3 件中)、1 番目の項目"},
      {"layer field count 41", "1,2,2,0,41\nBH1,1\n" + Fields(41), kRemarks, kTests, "MDT", subscript,
       "層データ 1 件目 (2 件中)、41 番目の項目"},
      {"list record ends early", std::string(kHeader) + kLayers + "2,3,1\nP-1,1.15,A\n,,\n1.00,6/1,\n,,\n2.00\n",
       kRemarks, kTests, "MDT", pastEnd, "リスト第3ブロック 1 件目 (2 件中)、2 番目の項目"},
      {"list record count no number", std::string(kHeader) + kLayers + "abc,3,1\n", kRemarks, kTests, "MDT",
       mismatch, "リスト見出し 1 件目、1 番目の項目"},
      {"list field count 41", std::string(kHeader) + kLayers + "2,41,1\n" + Fields(41), kRemarks, kTests, "MDT",
       subscript, "リスト第1ブロック 1 件目 (2 件中)、41 番目の項目"},
      {"remarks file missing", main, std::nullopt, kTests, "KDT", notFound, ""},
      {"remarks header ends early", main, "1,2\n", kTests, "KDT", pastEnd, "備考ヘッダ 1 件目、3 番目の項目"},
      {"remark count no number", main, "1,abc,2\n", kTests, "KDT", mismatch, "備考ヘッダ 1 件目、2 番目の項目"},
      {"remark ends early", main, "1,2,2\n1.00,表土\n2.00\n", kTests, "KDT", pastEnd,
       "備考データ 2 件目 (2 件中)、2 番目の項目"},
      {"remark count above the remarks there", main, "1,3,2\n1.00,表土\n2.00,砂\n", kTests, "KDT", pastEnd,
       "備考データ 3 件目 (3 件中)、1 番目の項目"},
      {"remark field count 41", main, "1,2,41\n" + Fields(41), kTests, "KDT", subscript,
       "備考データ 1 件目 (2 件中)、41 番目の項目"},
      {"penetration-test file missing", main, kRemarks, std::nullopt, "NDT", notFound, ""},
      {"test header ends early", main, kRemarks, "100,2,5\n", "NDT", pastEnd, "貫入試験ヘッダ 1 件目、4 番目の項目"},
      {"test field count no number", main, kRemarks, "100,2,abc,0\n", "NDT", mismatch,
       "貫入試験ヘッダ 1 件目、3 番目の項目"},
      {"test record ends early", main, kRemarks, "100,2,5,0\n1.15,3,1,1,1\n2.15,5,1\n", "NDT", pastEnd,
       "貫入試験データ 2 件目 (2 件中)、4 番目の項目"},
      {"test count above the tests there", main, kRemarks, "100,3,5,0\n1.15,3,1,1,1\n2.15,5,1,2,2\n", "NDT",
       pastEnd, "貫入試験データ 3 件目 (3 件中)、1 番目の項目"},
      {"test field count 41", main, kRemarks, "100,2,41,0\n" + Fields(41), "NDT", subscript,
       "貫入試験データ 1 件目 (2 件中)、41 番目の項目"},
  };
}

std::set<std::string> FileNames(const stdfs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : stdfs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// Every table of the data folder with its bytes (the lock file is no table).
std::map<std::string, std::string> Tables(const stdfs::path& folder) {
  std::map<std::string, std::string> tables;
  for (const auto& name : FileNames(folder)) {
    if (name != "KISHITU.LCK") tables[name] = ReadBytes(folder / name);
  }
  return tables;
}

class MalformedInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeMinimalDataFolder(data_);
    stdfs::create_directories(dest_);
  }

  void WriteBoring(const MalformedCase& c) {
    stdfs::remove_all(src_);
    WriteCp932File(src_ / "MDT0001.JDF", c.mainData);
    if (c.remarks) WriteCp932File(src_ / "KDT0001.JDF", *c.remarks);
    if (c.tests) WriteCp932File(src_ / "NDT0001.JDF", *c.tests);
  }

  testing::ProcessResult Convert() {
    return RunCli({"--data-folder", data_.string(), (src_ / "MDT0001.JDF").string(), dest_.string()});
  }

  TempFolder temp_;
  stdfs::path data_ = temp_ / "PATDAT";
  stdfs::path src_ = temp_ / "src";
  stdfs::path dest_ = temp_ / "out";
};

TEST_F(MalformedInputTest, TheWellFormedBoringConverts) {
  WriteBoring({"well formed", std::string(kHeader) + kLayers + kLists, kRemarks, kTests, "", "", ""});
  const auto result = Convert();
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(FileNames(dest_), With(kUpToRemarks, {"X5.TXT"}));
}

TEST_F(MalformedInputTest, EachFaultIsNamedByFileRecordAndFieldAndStopsTheRunThere) {
  for (const auto& c : Cases()) {
    SCOPED_TRACE(c.why);
    stdfs::remove_all(dest_);
    stdfs::create_directories(dest_);
    testing::WriteBytes(dest_ / "CNT.TXT", "earlier boring\r\n");
    WriteBoring(c);
    const auto tablesBefore = Tables(data_);

    const auto result = Convert();
    EXPECT_EQ(result.exitStatus, 2);
    const std::string file = (src_ / (std::string(c.failingFile) + "0001.JDF")).string();
    EXPECT_EQ(result.err,
              "velni2qx-cli: 変換を中止しました。 " + c.failure + " ファイル: " + file + (c.where.empty() ? "" : " " + c.where) + "\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(FileNames(dest_), std::set<std::string>{"CNT.TXT"});
    EXPECT_EQ(ReadBytes(dest_ / "CNT.TXT"), "earlier boring\r\n");
    EXPECT_EQ(Tables(data_), tablesBefore);
  }
}

// Mended: the boring is read whole before a soil name is looked up, so a layer that
// fails after a new soil name registers nothing (the tables once kept the name).
TEST_F(MalformedInputTest, AReadFailureAfterANewSoilNameLeavesTheTablesAsTheyWere) {
  WriteBoring({"", std::string(kHeader) + "1.00,砂質ローム,,A\n2.00\n", kRemarks, kTests, "", "", ""});
  const auto kishituBefore = ReadBytes(data_ / "KISHITU.TXT");
  const auto extendedBefore = ReadBytes(data_ / "XKISHITU.TXT");

  const auto result = Convert();
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(ReadBytes(data_ / "KISHITU.TXT"), kishituBefore);
  EXPECT_EQ(ReadBytes(data_ / "XKISHITU.TXT"), extendedBefore);
  EXPECT_FALSE(stdfs::exists(data_ / "XKISHITU.TMP"));
}

}  // namespace
}  // namespace velni
