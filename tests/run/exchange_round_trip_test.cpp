// A boring exported to the exchange file and read back converts to the same ten
// files as the boring itself, for both versions: on the bundled survey (with the
// facts the exchange file has no element for blanked in the source) and on
// generated borings that hold only what the file can carry.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/exchange_document.hpp"
#include "readers/boring_reader.hpp"
#include "run/conversion_run.hpp"
#include "tests/support/fake_run_ui.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::PathText;

constexpr CalendarDate kExportDay{9999, 12, 31};
const char* const kTenFiles[] = {"CNT.TXT", "Titl01.txt", "Titl02.txt", "X1.TXT", "X3.TXT",
                                 "X11.TXT", "N9.TXT",     "N8.TXT",     "X12.TXT", "X5.TXT"};

// The company and two staff names live in header fields 24 to 26; the facts file says so.
SurveyFacts FactsNamingTheCompanyFields() {
  SurveyFacts facts;
  facts.company.headerField = 24;
  facts.staff[0].headerField = 25;
  facts.staff[1].headerField = 26;
  return facts;
}

using OutputFiles = std::map<std::string, std::string>;

// Converts `source` with a fresh copy of the bundled data folder, so that both
// conversions register the same new soil names under the same codes, into the
// same destination path (the control file names it).
OutputFiles Convert(const stdfs::path& work, const stdfs::path& source) {
  stdfs::remove_all(work / "PATDAT");
  stdfs::copy(stdfs::path(VELNI_SOURCE_DIR) / "data" / "PATDAT", work / "PATDAT", stdfs::copy_options::recursive);
  const stdfs::path destination = work / "DATA" / "SITE" / "B01";
  stdfs::remove_all(work / "DATA");
  stdfs::create_directories(destination);
  testing::FakeRunUi ui;
  const RunResult result =
      ConversionRun(RunRequest{PathText(source), PathText(destination), testing::FolderText(work / "PATDAT")}, ui);
  EXPECT_EQ(result.outcome, RunOutcome::Completed) << testing::PathUtf8(source);
  OutputFiles files;
  for (const char* name : kTenFiles) {
    files[name] = stdfs::exists(destination / name) ? testing::ReadBytes(destination / name) : "<none>";
  }
  return files;
}

void ExpectRoundTrip(const stdfs::path& work, const stdfs::path& source, const stdfs::path& compared) {
  const OutputFiles expected = Convert(work, compared);
  const Boring boring = ReadBoring(PathText(source), PathText(source.filename()));
  for (const ExchangeVersion version : {ExchangeVersion::V400, ExchangeVersion::V300}) {
    SCOPED_TRACE(version == ExchangeVersion::V400 ? "4.00" : "3.00");
    const stdfs::path xml = work / "xml" / "BED0001.XML";
    stdfs::create_directories(xml.parent_path());
    testing::WriteBytes(xml, ExchangeDocument(boring, version, FactsNamingTheCompanyFields(), kExportDay));
    const OutputFiles imported = Convert(work, xml);
    for (const char* name : kTenFiles) EXPECT_EQ(imported.at(name), expected.at(name)) << name;
  }
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
  if (!line.empty() && line.back() == ',') fields.emplace_back();
  return fields;
}

std::string Joined(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : ",") + fields[i];
  return line;
}

// The main data file with the header fields and layer fields that the exchange
// file has no element for made empty: header fields 2, 12, 13, 20 to 22 and 27 to
// 40, the layers' range text (field 4) and admixture (field 6).
void BlankWhatTheExchangeFileCannotCarry(const stdfs::path& mdt) {
  std::stringstream text(testing::ReadCp932File(mdt));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  const int layerCount = std::stoi(Split(lines[0])[2]);
  std::vector<std::string> header = Split(lines[1]);
  for (std::size_t field = 1; field <= header.size(); ++field) {
    const bool carried = field == 1 || (field >= 3 && field <= 11) || (field >= 14 && field <= 19) ||
                         (field >= 23 && field <= 26);
    if (!carried) header[field - 1].clear();
  }
  lines[1] = Joined(header);
  for (int layer = 0; layer < layerCount; ++layer) {
    std::vector<std::string> fields = Split(lines[2 + static_cast<std::size_t>(layer)]);
    fields[3].clear();
    fields[5].clear();
    lines[2 + static_cast<std::size_t>(layer)] = Joined(fields);
  }
  std::string joined;
  for (const std::string& line : lines) joined += line + "\n";
  testing::WriteCp932File(mdt, joined);
}

TEST(ExchangeRoundTrip, BundledSurveyConvertsAlikeThroughTheExchangeFile) {
  const stdfs::path survey = stdfs::path(VELNI_SOURCE_DIR) / "data" / "survey";
  for (const char* boring : {"kawabe/B01", "kawabe/B02", "kawabe/B03", "konan/No1", "konan/No2"}) {
    SCOPED_TRACE(boring);
    testing::TempFolder temp;
    const stdfs::path original = survey / boring;
    stdfs::copy(original, temp / "blanked");
    stdfs::path mdt;
    for (const auto& entry : stdfs::directory_iterator(original)) {
      if (entry.path().filename().string().rfind("MDT", 0) == 0) mdt = entry.path();
    }
    BlankWhatTheExchangeFileCannotCarry(temp / "blanked" / mdt.filename());
    ExpectRoundTrip(temp.Path(), mdt, temp / "blanked" / mdt.filename());
  }
}

// A boring of random layers, lists, remarks and tests holding only what the
// exchange file carries, every record with its own fields (no leftovers).
class GeneratedBoring {
 public:
  explicit GeneratedBoring(unsigned seed) : random_(seed) {}

  stdfs::path Write(const stdfs::path& folder) {
    stdfs::create_directories(folder);
    testing::WriteCp932File(folder / "MDT0001.JDF", MainData());
    testing::WriteCp932File(folder / "KDT0001.JDF", Remarks());
    testing::WriteCp932File(folder / "NDT0001.JDF", Tests());
    return folder / "MDT0001.JDF";
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  template <std::size_t N>
  std::string OneOf(const char* const (&choices)[N]) {
    return choices[Pick(0, static_cast<int>(N) - 1)];
  }
  std::string Depth(int centimetres) {
    std::string cm = std::to_string(centimetres % 100);
    return std::to_string(centimetres / 100) + "." + (cm.size() < 2 ? "0" : "") + cm;
  }
  std::string Angle(int degrees) {
    const int minutes = Pick(0, 59), seconds = Pick(0, 59);
    const std::string decimals = OneOf({"", "5", "25", "125"});
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d%02d%s", degrees, minutes, seconds, decimals.c_str());
    return text;
  }

  std::string Header() {
    std::vector<std::string> h(33);
    h[1] = "BH" + std::to_string(Pick(1, 30));
    h[3] = OneOf({"河辺橋調査", "港南地区", "黒川地区調査"});
    h[4] = "北河市";
    h[5] = "建設部";
    h[6] = std::to_string(Pick(1, 64));
    h[7] = std::to_string(startMonth_ = Pick(1, 6));
    h[8] = std::to_string(Pick(1, 28));
    h[9] = h[6];
    h[10] = std::to_string(startMonth_ + 1);
    h[11] = std::to_string(Pick(1, 28));
    h[14] = Angle(Pick(24, 45));
    h[15] = Angle(Pick(123, 149));
    h[16] = Depth(Pick(0, 9999));
    h[17] = Depth(Pick(100, 9999));
    h[18] = OneOf({"ロータリー式", "パーカッション式"});
    h[19] = "YBM-05";
    h[23] = OneOf({"鉛直", "水平", "75"});
    h[24] = "北河地質株式会社";
    h[25] = "山本";
    h[26] = "佐々木";
    h.erase(h.begin());
    return Joined(h);
  }

  std::string MainData() {
    const int layers = Pick(0, 8);  // none: the file's one empty layer
    std::string text = "1,32," + std::to_string(layers) + ",0,6\n" + Header() + "\n";
    int bottom = 0;
    for (int i = 0; i < layers; ++i) {
      bottom += Pick(10, 400);
      text += Depth(bottom) + "," + OneOf({"砂", "粘土", "シルト混じり砂", "新しい土質" , "砂礫"}) + "," +
              OneOf({"暗灰", "灰", "暗褐"}) + ",," + OneOf({"", "ゆるい", "中位", "硬い"}) + ",\n";
    }
    const int records = Pick(0, 4);
    text += std::to_string(records) + ",3," + (records == 0 ? "0" : "1") + "\n";
    for (int block = 0; block < 3; ++block) {
      for (int i = 0; i < records; ++i) text += ListRecord(block, i) + "\n";
    }
    return text;
  }

  std::string ListRecord(int block, int i) {
    if (Pick(0, 3) == 0) return ",,";  // no line
    const std::string depth = Depth(Pick(1, 3000));
    if (block == 0) return "P-" + std::to_string(i + 1) + "," + depth + "," + OneOf({"A", "C"});
    return depth + "," + std::to_string(startMonth_ + 1) + "/" + std::to_string(Pick(1, 28)) + ",";
  }

  std::string Remarks() {
    const int count = Pick(0, 5);
    std::string text = "1," + std::to_string(count) + ",2\n";
    int depth = 0;
    for (int i = 0; i < count; ++i) {
      depth += Pick(10, 500);
      text += Depth(depth) + "," + OneOf({"盛土。＠植物根を混入する。", "粒径の揃った細砂。", "礫径2～30mm。"}) + "\n";
    }
    return text;
  }

  // Three 10 cm increments adding up to the whole drive, or two whose last stopped
  // short of 10 cm, with the whole drive over their sum.
  std::string TestRecord(int depth) {
    const int a = Pick(0, 20), b = Pick(0, 20);
    if (Pick(0, 1) == 0) {
      const int c = Pick(0, 20);
      return Depth(depth) + "," + std::to_string(a + b + c) + "," + std::to_string(a) + "," + std::to_string(b) + "," +
             std::to_string(c);
    }
    const int short_ = Pick(1, 9);
    return Depth(depth) + "," + std::to_string(a + b) + "/" + std::to_string(10 + short_) + "," + std::to_string(a) +
           "," + std::to_string(b) + "/" + std::to_string(short_) + ",";
  }

  std::string Tests() {
    const int count = Pick(0, 6);
    std::string text = "100," + std::to_string(count) + ",5,0\n";
    for (int i = 0; i < count; ++i) text += TestRecord(115 + 100 * i) + "\n";
    return text;
  }

  std::mt19937 random_;
  int startMonth_ = 1;
};

TEST(ExchangeRoundTrip, GeneratedBoringsConvertAlikeThroughTheExchangeFile) {
  for (unsigned seed = 1; seed <= 16; ++seed) {
    SCOPED_TRACE(seed);
    testing::TempFolder temp;
    const stdfs::path mdt = GeneratedBoring(seed).Write(temp / "src");
    ExpectRoundTrip(temp.Path(), mdt, mdt);
  }
}

}  // namespace
}  // namespace velni
