#pragma once
// What one conversion run did: the window keeps it instead of a global flag, and
// the command line reports it per boring.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velni {

enum class RunOutcome {
  Completed,  // every pass done: "変換が正常に終了しました。"
  Refused,    // a check at the start said no; nothing was read or written
  Failed,     // a run-time failure, shown in one message box
};

// A soil name that this run gave a new code.
struct NewSoilName {
  std::u16string name;
  std::u16string code;
};

struct RunResult {
  RunOutcome outcome = RunOutcome::Failed;
  // The refusal or failure as shown to the operator; empty when completed.
  std::u16string message;
  // Names of the output files this run wrote into the destination, in order.
  std::vector<std::u16string> filesWritten;
  std::int64_t layers = 0;
  std::int64_t listRecords = 0;
  std::int64_t remarks = 0;
  std::int64_t tests = 0;
  std::vector<NewSoilName> newSoilNames;
  // CNT.TXT lines 1 to 3 (levels 2 to 4 of the destination).
  std::array<std::u16string, 3> controlLines;
};

}  // namespace velni
