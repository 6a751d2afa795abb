#include "tests/support/generated_survey.hpp"

#include <algorithm>
#include <fstream>

#include "text/cp932.hpp"
#include "text/utf.hpp"

namespace velni::testing {
namespace {

namespace stdfs = std::filesystem;

void WriteCp932(const stdfs::path& path, const std::string& utf8) {
  std::ofstream(path, std::ios::binary) << EncodeCp932(FromUtf8(utf8));
}

std::string Digits(int value, int width) {
  std::string text = std::to_string(value);
  return std::string(width - std::min<int>(width, static_cast<int>(text.size())), '0') + text;
}

std::string QualifiedName(int i) { return KnownSoilName(i) + "（礫混じり）"; }

// One layer in ten carries a name with "（", one of 100, of which the tables know
// 50 (the other 50 are new once); one in 250 a plain new name, one of 20.
std::string LayerName(std::mt19937& random, int knownNames, std::set<std::string>& newNames) {
  const unsigned roll = random() % 250;
  if (roll == 0) {
    const std::string name = "新土" + Digits(static_cast<int>(random() % 20), 3);
    newNames.insert(name);
    return name;
  }
  if (roll % 10 == 0) {
    const int qualified = 1 + static_cast<int>(random() % 100);
    if (qualified > 50) newNames.insert(QualifiedName(qualified));
    return QualifiedName(qualified);
  }
  return KnownSoilName(1 + static_cast<int>(random() % (knownNames - 50)));
}

}  // namespace

std::string KnownSoilName(int i) { return "既知土" + Digits(i, 5); }

// Codes 1001 upward (band B2), the last 50 names the first 50 with "（礫混じり）".
void MakeSoilTables(const stdfs::path& data, int entries) {
  std::string table;
  for (int i = 1; i <= entries; ++i) {
    const std::string name = i <= entries - 50 ? KnownSoilName(i) : QualifiedName(i - (entries - 50));
    // Band B2 has room for 2,999 codes: a large table shares them.
    table += std::to_string(1001 + (i - 1) % 2998) + "," + name + ",    ,    ,    ,0000\r\n";
  }
  WriteCp932(data / "KISHITU.TXT", table);
  WriteCp932(data / "XKISHITU.TXT", table);
}

void MakeGeneratedBoring(const stdfs::path& folder, const std::string& id, std::mt19937& random, int knownNames,
                         std::set<std::string>& newNames) {
  stdfs::create_directories(folder);
  const int layers = 90 + static_cast<int>(random() % 21);
  std::string main = "1,4," + std::to_string(layers) + ",0,6\r\nBH" + id + ",1,調査,所在地\r\n";
  for (int i = 1; i <= layers; ++i) {
    main += std::to_string(i) + ".00," + LayerName(random, knownNames, newNames) + ",灰,B～C,中位,記事\r\n";
  }
  main += "0,0,0\r\n";
  WriteCp932(folder / ("MDT" + id + ".JDF"), main);
  std::string remarks = "1,10,2\r\n";
  for (int i = 1; i <= 10; ++i) remarks += std::to_string(i * 3) + ".00,礫混じりの細砂。＠含水量は多い。\r\n";
  WriteCp932(folder / ("KDT" + id + ".JDF"), remarks);
  std::string tests = "100,30,5,0\r\n";
  for (int i = 1; i <= 30; ++i) tests += std::to_string(i) + ".15,50/15,18/10,20/10,12/5\r\n";
  WriteCp932(folder / ("NDT" + id + ".JDF"), tests);
}

std::set<std::string> MakeGeneratedSurvey(const stdfs::path& survey, int borings, int knownNames, unsigned seed) {
  std::mt19937 random(seed);
  std::set<std::string> newNames;
  for (int b = 0; b < borings; ++b) {
    const std::string id = Digits(b, 4);
    MakeGeneratedBoring(survey / ("site" + Digits(b / 50, 2)) / ("B" + id), id, random, knownNames, newNames);
  }
  return newNames;
}

}  // namespace velni::testing
