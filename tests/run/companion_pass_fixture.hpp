#pragma once
// A run context whose main data file sits in src/ of a temporary folder and whose
// output goes to out/, for testing the passes over the companion files.
#include <filesystem>
#include <set>
#include <string>

#include "readers/companion_path.hpp"
#include "readers/penetration_reader.hpp"
#include "readers/remarks_reader.hpp"
#include "run/passes.hpp"
#include "run/run_context.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni::testing {

class CompanionPassRun {
 public:
  CompanionPassRun() {
    std::filesystem::create_directories(folder_ / "src");
    std::filesystem::create_directories(folder_ / "out");
    run.SourcePath = U((folder_ / "src" / "MDT0001.JDF").string());
    run.SourceFileName = u"MDT0001.JDF";
    run.OutputFolder = U((folder_ / "out").string() + "/");
  }

  void WriteSource(const std::string& name, const std::string& utf8WithLf) {
    WriteCp932File(folder_ / "src" / name, utf8WithLf);
  }
  std::filesystem::path Output(const std::string& name) const { return folder_ / "out" / name; }

  // The names the destination folder holds.
  std::set<std::string> OutputNames() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "out")) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  // Each companion read into run.boring as the boring reader reads it, then its pass.
  void RunRemarks() {
    run.boring.remarks = ReadRemarksFile(CompanionPath(run.SourcePath, run.SourceFileName, kRemarksPrefix), buffer);
    RunRemarksPass(run);
  }
  void RunPenetration() {
    run.boring.penetration =
        ReadPenetrationFile(CompanionPath(run.SourcePath, run.SourceFileName, kPenetrationPrefix), buffer);
    RunPenetrationPass(run);
  }

  RunContext run;
  RecordFieldsSnapshot buffer{};

 private:
  TempFolder folder_;
};

}  // namespace velni::testing
