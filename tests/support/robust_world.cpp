#include "tests/support/robust_world.hpp"

#include "fuzz/entries/scripted_run_ui.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni::testing {

namespace stdfs = std::filesystem;

namespace {

inline constexpr char16_t kFileLabel[] = u"ファイル: ";

// Four layers: a name of the soil-name table, one only in the extended table, and
// two new ones, so that a run looks up, copies, registers and appends.
constexpr char kMainData[] =
    "1,0,4,0,4\n"
    "1.00,砂,x,A\n"
    "2.00,シルト,x,B～C\n"
    "3.00,新しい土一,x,\n"
    "4.00,新しい土二,x,A\n"
    "0,0,0\n";
constexpr char kRemarks[] = "1,1,2\n1.00,注記\n";
constexpr char kPenetration[] = "100,1,5,0\n3.15,28,,,\n";

}  // namespace

stdfs::path FixedDataFolder() { return stdfs::path(VELNI_SOURCE_DIR) / "fuzz" / "data" / "PATDAT"; }

RobustWorld::RobustWorld(const stdfs::path& root)
    : data(root / "PATDAT"),
      source(root / "src" / "MDT0001.JDF"),
      destination(root / "out" / "B01"),
      program(root / "program"),
      root_(root) {
  Reset();
}

void RobustWorld::Reset() {
  stdfs::remove_all(root_);
  stdfs::create_directories(root_);
  CopyTree(FixedDataFolder(), data);
  stdfs::create_directories(program);
  WriteCp932File(source, kMainData);
  WriteCp932File(source.parent_path() / "KDT0001.JDF", kRemarks);
  WriteCp932File(source.parent_path() / "NDT0001.JDF", kPenetration);
}

RunResult RobustWorld::Run() const {
  const RunRequest request{testing::PathText(source), testing::PathText(destination), testing::FolderText(data)};
  fuzzing::ScriptedRunUi ui;
  RunResult result;
  result.outcome = ConversionRun(request, ui).outcome;
  if (!ui.shown.empty()) result.message = ui.shown.back().prompt;
  return result;
}

std::u16string RobustWorld::NamedFile(const std::u16string& message) {
  const std::size_t label = message.find(kFileLabel);
  if (label == std::u16string::npos) return {};
  const std::size_t start = label + std::char_traits<char16_t>::length(kFileLabel);
  return message.substr(start, message.find(u'\n', start) - start);
}

}  // namespace velni::testing
