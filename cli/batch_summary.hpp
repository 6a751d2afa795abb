#pragma once
// The end of a batch: how many borings converted, how many were refused or failed,
// and each of those with its message, so that an operator can fix the input.
#include <iosfwd>
#include <string>
#include <vector>

#include "run/conversion_run.hpp"

namespace velni::cli {

struct BoringResult {
  std::string source;   // the main data file (or unreadable folder) below the survey folder
  RunOutcome outcome = RunOutcome::Failed;
  std::string message;  // what the run showed, on one line
  RunResult run;        // what the run did (empty when it was never started)
  std::u16string sourcePath;       // absolute
  std::u16string destinationPath;  // absolute
};

// How a batch command names itself and a boring done in its summary.
struct SurveyWording {
  const char* heading;
  const char* doneWord;
};
inline constexpr SurveyWording kConversionWording{"一括変換の結果", "正常終了"};

// "一括変換の結果: 全 3 件、正常終了 2 件、拒否 0 件、失敗 1 件", then each boring not done.
void WriteBatchSummary(const std::vector<BoringResult>& results, const SurveyWording& wording, std::ostream& out);

bool AllConverted(const std::vector<BoringResult>& results);

}  // namespace velni::cli
