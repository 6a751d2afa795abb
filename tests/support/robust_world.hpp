#pragma once
// A small world for robustness tests: a copy of the fixed data folder of the fuzz
// targets, a boring whose layers meet known, extended-only and new soil names, a
// destination and a program folder, all in one temporary folder. Runs go through
// ConversionRun with every question answered Yes.
#include <filesystem>
#include <string>

#include "run/conversion_run.hpp"

namespace velni::testing {

struct RunResult {
  RunOutcome outcome = RunOutcome::Refused;
  std::u16string message;  // the last message box, empty when none was shown
};

class RobustWorld {
 public:
  explicit RobustWorld(const std::filesystem::path& root);

  // Removes everything and lays the world out afresh.
  void Reset();
  RunResult Run() const;

  // The file named on the "ファイル: " line of a failure message, empty when none.
  static std::u16string NamedFile(const std::u16string& message);

  std::filesystem::path data;         // the data folder
  std::filesystem::path source;       // MDT0001.JDF
  std::filesystem::path destination;  // does not exist before the run
  std::filesystem::path program;      // a program folder (the marker goes beside the data folder)

 private:
  std::filesystem::path root_;
};

// The fixed data folder shared with the fuzz targets.
std::filesystem::path FixedDataFolder();

}  // namespace velni::testing
