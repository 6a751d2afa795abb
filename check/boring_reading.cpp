#include "check/boring_reading.hpp"

#include <functional>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "readers/companion_path.hpp"
#include "readers/exchange_reader.hpp"
#include "readers/main_data_reader.hpp"
#include "readers/penetration_reader.hpp"
#include "readers/remarks_reader.hpp"
#include "run/run_messages.hpp"
#include "text/fixed_width.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

constexpr char16_t kMissingCompanion[] = u"対になるファイルがありません（主データファイルと同じフォルダに必要です）。";

// Runs one reader; a failure becomes the file's fault and the file counts as unread.
bool ReadOne(const std::function<void()>& read, const std::u16string& path, CheckProblems& problems) {
  try {
    read();
    return true;
  } catch (const RunError& error) {
    problems.push_back({Severity::Fault, error.HasPath() ? error.Path() : path, error.Where(), error.What()});
    return false;
  }
}

bool CompanionPresent(const std::u16string& path, CheckProblems& problems) {
  if (fs::IsFile(fs::Resolve(path))) return true;
  problems.push_back({Severity::Fault, path, u"", kMissingCompanion});
  return false;
}

}  // namespace

CheckedBoring ReadBoringForCheck(const std::u16string& sourcePath, CheckProblems& problems) {
  CheckedBoring checked;
  if (TrimBlanks(sourcePath).empty() || !fs::IsFile(sourcePath)) {
    problems.push_back({Severity::Fault, sourcePath, u"", kNoSourceMessage});
    return checked;
  }
  if (IsExchangeFileName(FileNameOf(sourcePath))) {  // one document holds all three
    checked.mainRead = checked.remarksRead = checked.penetrationRead =
        ReadOne([&] { checked.boring = ReadExchangeFile(sourcePath); }, sourcePath, problems);
    return checked;
  }
  // The companions read on from the buffer the main data file left, as in a run.
  RecordFieldsSnapshot buffer{};
  Boring& boring = checked.boring;
  checked.mainRead = ReadOne([&] { boring.main = ReadMainDataFile(sourcePath, buffer); }, sourcePath, problems);

  const std::u16string name = FileNameOf(sourcePath);
  const std::u16string remarksPath = CompanionPath(sourcePath, name, kRemarksPrefix);
  const std::u16string testsPath = CompanionPath(sourcePath, name, kPenetrationPrefix);
  if (CompanionPresent(remarksPath, problems)) {
    checked.remarksRead =
        ReadOne([&] { boring.remarks = ReadRemarksFile(remarksPath, buffer); }, remarksPath, problems);
  }
  if (CompanionPresent(testsPath, problems)) {
    checked.penetrationRead =
        ReadOne([&] { boring.penetration = ReadPenetrationFile(testsPath, buffer); }, testsPath, problems);
  }
  return checked;
}

}  // namespace velni
