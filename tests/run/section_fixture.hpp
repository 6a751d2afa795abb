#pragma once
// A run positioned after the main data file header: the rest of the file (read into
// the run's boring by the section readers), the data folder with its soil-name
// tables and an output folder.
#include <filesystem>
#include <optional>
#include <string>

#include <optional>

#include "files/open_files.hpp"
#include "readers/main_data_reader.hpp"
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
    run.OutputFolder = U((folder_ / "out").string() + "/");
    source.emplace(ReadInputFile(U((folder_ / "MDT01.JDF").string())));
    run.SoilNames = &soilNames_.emplace(SoilTableFolders{run.DataFolderPath});
  }

  // The sections read from the file into run.boring, as the boring reader reads them.
  void ReadLayers() { ReadLayerSection(*source, buffer, run.boring.main); }
  void ReadLists() { ReadListSection(*source, buffer, run.boring.main); }

  // The output file as UTF-8 with "\n", or "(none)" when it was not created.
  std::string Output(const std::string& name) const {
    const auto path = folder_ / "out" / name;
    return std::filesystem::exists(path) ? ReadCrLfLines(path) : "(none)";
  }
  std::string NextSourceField() {
    std::u16string field;
    source->ReadField(field);
    return S(field);
  }

  RunContext run;
  std::optional<InputFile> source;
  RecordFieldsSnapshot buffer{};  // the record buffer, as the header fields left it

 private:
  std::optional<SoilNameStore> soilNames_;
};

}  // namespace velni::testing
