// The index must answer every lookup exactly as reading the table from its
// beginning does, on tables as editors and earlier versions leave them.
#include "tables/soil_table_index.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "files/open_files.hpp"
#include "platform/file_system.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/cp932.hpp"
#include "text/input_file.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::U;

// The plain reading: every entry of the table in file order, the first in the band
// whose match name or whole name equals the wanted one (a registered name by its
// whole name only).
std::optional<SoilEntry> ScanTable(const std::u16string& path, std::size_t band, const std::u16string& wanted) {
  InputFile table = ReadInputFile(path);
  std::optional<SoilEntry> taken;
  for (std::int64_t record = 1; !table.AtEndOfRecords(); ++record) {
    table.BeginRecord(u"土質名表", record);
    SoilEntry entry;
    for (auto& field : entry.fields) table.ReadField(field);
    if (taken || BandOf(entry) != band) continue;
    if (entry.Name() == wanted) taken = entry;
    if (!taken && !IsRegisteredWholeName(entry) && MatchName(entry.Name()) == wanted) {
      entry.fields[1] = MatchName(entry.Name());
      taken = entry;
    }
  }
  return taken;
}

const std::vector<std::string> kCodes = {"5001", "5499", "1001", "0512", "3999", "4000", "abc", "0", "-3", "999",
                                         "1000", "2000", "2001", "1e3", "2000.5", "00005001", "+1001", "1001x"};
const std::vector<std::string> kNames = {"砂", "砂（細粒分混じり）", "砂（円礫）", "礫", "\"砂,礫\"", "（礫）",
                                         "砂(礫)", "ＳＡＮＤ", "\" 砂 \"", "粘土", "砂,礫"};
const std::vector<std::u16string> kWanted = {u"砂", u"砂（細粒分混じり）", u"砂（円礫）", u"礫", u"砂,礫", u"",
                                             u"砂(礫)", u"ＳＡＮＤ", u" 砂 ", u"粘土", u"シルト"};

std::string RandomTable(std::mt19937& random) {
  const auto pick = [&random](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  std::string table;
  const int lines = static_cast<int>(random() % 12);
  for (int line = 0; line < lines; ++line) {
    switch (random() % 10) {
      case 0: table += (random() % 2) ? "\r\n" : "   \r\n"; break;                   // blank lines
      case 1: table += pick(kCodes) + "," + pick(kNames) + ",a,b,c\r\n"; break;       // five fields
      case 2: table += pick(kCodes) + "," + pick(kNames) + ",a,b,c,d,e\r\n"; break;   // seven fields
      case 3: table += pick(kCodes) + "," + pick(kNames) + ",a,b,c,d,\r\n"; break;    // a comma at the end
      default: table += pick(kCodes) + "," + pick(kNames) + ",    ,    ,    ,0000\r\n";
    }
  }
  if (random() % 6 == 0 && !table.empty()) table.resize(table.size() - 2);  // no final line end
  if (random() % 12 == 0) table += "1001,\"砂";                             // a quotation left open
  return table;
}

void ExpectSameAnswers(const SoilTableIndex& index, const std::u16string& path) {
  for (std::size_t band = 0; band < 3; ++band) {
    for (const auto& wanted : kWanted) {
      const auto scanned = ScanTable(path, band, wanted);
      const auto found = index.Find(band, wanted);
      ASSERT_EQ(found.has_value(), scanned.has_value()) << "band " << band;
      if (found) {
        EXPECT_EQ(found->fields, scanned->fields);
      }
    }
  }
}

TEST(SoilTableIndexTest, AnswersAsThePlainReadingOnRandomTables) {
  testing::TempFolder temp;
  const std::u16string path = temp.Text() + u"KISHITU.TXT";
  std::mt19937 random(20261208);
  int compared = 0;
  for (int round = 0; round < 600; ++round) {
    const std::string table = RandomTable(random);
    SCOPED_TRACE(table);
    testing::WriteBytes(temp / "KISHITU.TXT", EncodeCp932(U(table)));
    std::optional<SoilTableIndex> index;
    std::u16string indexFailure, scanFailure;
    try {
      index = SoilTableIndex::Read(path);
    } catch (const RunError& error) {
      indexFailure = error.Message();
    }
    try {
      ScanTable(path, 0, u"");
    } catch (const RunError& error) {
      scanFailure = error.Message();
    }
    ASSERT_EQ(indexFailure, scanFailure);
    if (!index) continue;
    ExpectSameAnswers(*index, path);
    // An appended entry is taken in only where a fresh reading would read it so.
    const SoilEntry appended{{U(kCodes[random() % kCodes.size()]), kWanted[random() % kWanted.size()], u"    ",
                              u"    ", u"    ", u"0000"}};
    fs::AppendLine(path, EncodeCp932(SoilEntryLine(appended) + u"\r\n"));
    if (index->TakeAppended(appended)) {
      ExpectSameAnswers(*index, path);
      ++compared;
    }
  }
  EXPECT_GT(compared, 150);
}

// Thousands of entries, many sharing a name within a band and across bands: the
// first in file order must stay the one found while the index grows.
TEST(SoilTableIndexTest, AnswersAsThePlainReadingOnALargeTable) {
  testing::TempFolder temp;
  const std::u16string path = temp.Text() + u"KISHITU.TXT";
  std::mt19937 random(50000);
  std::string table;
  for (int line = 0; line < 3000; ++line) {
    const std::string name = "土" + std::to_string(random() % 700) + (random() % 4 == 0 ? "（礫）" : "");
    table += kCodes[random() % kCodes.size()] + "," + name + ",a" + std::to_string(line) + ",b,c,d\r\n";
  }
  testing::WriteBytes(temp / "KISHITU.TXT", EncodeCp932(U(table)));
  const SoilTableIndex index = SoilTableIndex::Read(path);
  for (int name = 0; name < 700; name += 37) {
    for (const std::u16string& wanted : {U("土" + std::to_string(name)), U("土" + std::to_string(name) + "（礫）")}) {
      for (std::size_t band = 0; band < 3; ++band) {
        const auto scanned = ScanTable(path, band, wanted);
        const auto found = index.Find(band, wanted);
        ASSERT_EQ(found.has_value(), scanned.has_value());
        if (found) {
          EXPECT_EQ(found->fields, scanned->fields);
        }
      }
    }
  }
}

}  // namespace
}  // namespace velni
