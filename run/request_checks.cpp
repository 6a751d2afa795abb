#include "run/request_checks.hpp"

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "platform/path_limit.hpp"
#include "run/conversion_run.hpp"
#include "text/check_folder_path.hpp"
#include "text/fixed_width.hpp"
#include "text/path_split.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

PathCheckHooks HooksFor(RunUi& ui, std::u16string& reason) {
  PathCheckHooks hooks;
  hooks.showMessage = [&ui](const std::u16string& prompt, int style) { ui.ShowMessage(prompt, style); };
  hooks.volumeReady = [](const std::u16string& volume) {
    return fs::IsFolder(VolumeFolder(volume, kNativePathStyle));
  };
  hooks.refused = [&reason](PathRule rule, const std::u16string& refused) { reason = PathRuleText(rule, refused); };
  return hooks;
}

void EndWithEmptyMessageLine(RunUi& ui) { ui.SetMessageLine(u""); }

// The prefixes of the checked destination, one per level: piece 1, then piece 1,
// separator, piece 2, and so on; the last is the whole path with its separator.
template <typename Visit>
bool ForEachPrefix(RunContext& run, Visit visit) {
  const int levels = CountDelimiters(run.CheckedDestination, kPathSeparatorText);
  SplitByDelimiters(run.CheckedDestination, kPathSeparatorText, run.PathPieces);
  std::u16string prefix = run.PathPieces[1];
  for (int i = 2; i <= levels + 1; ++i) {
    prefix += kPathSeparator;
    prefix += run.PathPieces[i];
    if (!visit(prefix)) return false;
  }
  return true;
}

}  // namespace

bool CheckDestinationPath(RunContext& run, RunUi& ui) {
  run.CheckedDestination = run.DestinationText;
  std::u16string reason;
  if (CheckFolderPath(run.CheckedDestination, kNativePathStyle, HooksFor(ui, reason))) return true;
  run.RefusalMessage = std::u16string(kInvalidPathMessage) + u"\n" + reason;
  ui.ShowMessage(kInvalidPathMessage, kStyleExclamation, run.DestinationText);
  ui.SelectDestinationText();
  EndWithEmptyMessageLine(ui);
  return false;
}

bool CheckSourceFile(RunContext& run, RunUi& ui) {
  if (!TrimBlanks(run.SourcePath).empty() && fs::IsFile(run.SourcePath)) return true;
  // A path no file can have is said as such: "not selected" would send the operator looking for the file.
  const std::u16string message = IsPathTooLong(run.SourcePath)
                                     ? std::u16string(failure::kPathTooLong) + u" " + run.SourcePath
                                     : std::u16string(kNoSourceMessage);
  run.RefusalMessage = message;
  ui.ShowMessage(message, kStyleOk);
  EndWithEmptyMessageLine(ui);
  return false;
}

bool EnsureDestinationFolders(RunContext& run, RunUi& ui) {
  const bool allExist = ForEachPrefix(run, [](const std::u16string& prefix) { return fs::Exists(prefix); });
  if (allExist) return true;
  if (ui.ShowMessage(kCreateFolderQuestion, kStyleQuestionYesNo) != kAnswerYes) {
    run.RefusalMessage = kFolderNotCreated + run.CheckedDestination;
    EndWithEmptyMessageLine(ui);
    return false;
  }
  ForEachPrefix(run, [&run](const std::u16string& prefix) {
    if (fs::Exists(prefix)) return true;
    if (!fs::CreateFolder(prefix)) throw RunError(kCannotCreateFolder, prefix);
    run.CreatedFolders.push_back(prefix);
    return true;
  });
  return true;
}

void RemoveCreatedFolders(const RunContext& run) {
  for (auto folder = run.CreatedFolders.rbegin(); folder != run.CreatedFolders.rend(); ++folder) {
    fs::RemoveFolder(*folder);
  }
}

}  // namespace velni
