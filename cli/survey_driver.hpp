#pragma once
// Every batch command walks a survey the same way: the borings below the source
// folder (main data files and delivered exchange files), each planned to its place
// below the destination folder, refused alike when there is nothing to do, each
// boring's outcome on the progress line and the batch's summary at the end. The
// commands differ only in what they do to one boring.
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch_plan.hpp"
#include "cli/batch_summary.hpp"
#include "cli/verbosity.hpp"
#include "run/main_data_files.hpp"

namespace velni::cli {

inline constexpr char16_t kNoSourceFolderMessage[] = u"変換元フォルダがありません: ";
inline constexpr char16_t kNoBoringFileMessage[] =
    u"変換元フォルダに柱状図のファイル (MDT*.JDF、BED*.XML) がありません: ";
inline constexpr char16_t kUnreadableFolderPrefix[] = u"フォルダを読めないため、中の柱状図を扱えません: ";

struct SurveyBatch {
  std::u16string sourceFolder;  // absolute
  std::vector<PlannedBoring> plan;
  std::vector<UnreadableFolder> unreadable;
};

// The borings below `sourceFolder`, each planned below `destinationFolder`; the
// reason there are none (a missing folder, no boring file) when the survey holds
// nothing to do.
struct ListedSurvey {
  SurveyBatch survey;
  std::u16string refusal;
};
ListedSurvey ListSurveyBatch(const std::string& sourceFolder, const std::string& destinationFolder);

// The same, with the refusal said on `errors` as a command refuses; none then.
std::optional<SurveyBatch> OpenSurvey(const std::string& sourceFolder, const std::string& destinationFolder,
                                      std::ostream& errors);

// Told each boring's result by its place in the plan, from one thread.
using FinishedBoring = std::function<void(std::size_t, BoringResult)>;
// What a batch does to its planned borings (every one, in order of the plan).
using SurveyAction = std::function<void(const std::vector<PlannedBoring>&, const FinishedBoring&)>;
// Does one boring, given its place in the plan; a boring the plan refused is never
// given to it.
using BoringAction = std::function<BoringResult(std::size_t, const PlannedBoring&)>;

// The action taken one boring after the other.
SurveyAction EachBoring(BoringAction action);

// The start of a boring's result, named as the operator names it.
BoringResult ResultFor(const PlannedBoring& planned);
// The result of a boring that the plan refused.
BoringResult RefusedByPlan(const PlannedBoring& planned);

// Unreadable folders first, as failures, then the plan through `action`; the
// progress on `errors`. Every result, in that order.
std::vector<BoringResult> DriveSurvey(const SurveyBatch& survey, const SurveyAction& action, Verbosity verbosity,
                                      std::ostream& errors);

// The summary on `out`, left out when quiet and every boring was done.
void SummariseSurvey(const std::vector<BoringResult>& results, const SurveyWording& wording, Verbosity verbosity,
                     std::ostream& out);

}  // namespace velni::cli
