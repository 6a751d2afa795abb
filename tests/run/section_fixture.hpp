#pragma once
// A run positioned after the main data file header: the rest of the file, the data
// folder with its soil-name tables and an output folder.
#include <filesystem>
#include <optional>
#include <string>

#include "run/run_context.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni::testing {

class SectionRun {
  TempFolder folder_;

 public:
  // `rest`: what follows the header fields, UTF-8 with "\n".
  explicit SectionRun(const std::string& rest) {
    std::filesystem::create_directories(folder_ / "PATDAT");
    std::filesystem::create_directories(folder_ / "out");
    WriteCp932File(folder_ / "PATDAT" / "KISHITU.TXT", "1001,砂,    ,    ,    ,0000\n");
    WriteCp932File(folder_ / "PATDAT" / "XKISHITU.TXT", "");
    WriteCp932File(folder_ / "MDT01.JDF", rest);
    run.DataFolderPath = U((folder_ / "PATDAT").string() + "/");
    run.ProgramFolder = U(folder_.Path().string());
    run.OutputFolder = U((folder_ / "out").string() + "/");
    run.Source.emplace(U((folder_ / "MDT01.JDF").string()));
    run.SoilNames = &soilNames_.emplace(SoilTableFolders{run.DataFolderPath, run.ProgramFolder});
  }

  // The output file as UTF-8 with "\n", or "(none)" when it was not created.
  std::string Output(const std::string& name) const {
    const auto path = folder_ / "out" / name;
    return std::filesystem::exists(path) ? ReadCp932File(path) : "(none)";
  }
  std::string NextSourceField() {
    std::u16string field;
    run.Source->ReadField(field);
    return S(field);
  }

  RunContext run;

 private:
  std::optional<SoilNameStore> soilNames_;
};

}  // namespace velni::testing
