#include "cli/batch_summary.hpp"

#include <algorithm>
#include <ostream>

namespace velni::cli {

namespace {

long CountOf(const std::vector<BoringResult>& results, RunOutcome outcome) {
  return std::count_if(results.begin(), results.end(), [&](const BoringResult& r) { return r.outcome == outcome; });
}

}  // namespace

void WriteBatchSummary(const std::vector<BoringResult>& results, const SurveyWording& wording, std::ostream& out) {
  out << wording.heading << ": 全 " << results.size() << " 件、" << wording.doneWord << " "
      << CountOf(results, RunOutcome::Completed)
      << " 件、拒否 " << CountOf(results, RunOutcome::Refused) << " 件、失敗 " << CountOf(results, RunOutcome::Failed)
      << " 件\n";
  for (std::size_t i = 0; i < results.size(); ++i) {
    const auto& result = results[i];
    if (result.outcome == RunOutcome::Completed) continue;
    out << (result.outcome == RunOutcome::Refused ? "拒否" : "失敗") << " [" << i + 1 << "/" << results.size() << "] "
        << result.source << ": " << result.message << "\n";
  }
  out.flush();
}

bool AllConverted(const std::vector<BoringResult>& results) {
  return std::all_of(results.begin(), results.end(),
                     [](const BoringResult& r) { return r.outcome == RunOutcome::Completed; });
}

}  // namespace velni::cli
