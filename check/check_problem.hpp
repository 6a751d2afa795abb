#pragma once
// One problem that checking a boring found: what the conversion would do with it
// (fail or be refused, or convert with something probably wrong) and where it is.
#include <cstdint>
#include <string>
#include <vector>

namespace velni {

enum class Severity {
  Fault,    // the conversion would fail or be refused
  Warning,  // it would convert, but something is probably wrong or will be cut
};

struct CheckProblem {
  Severity severity = Severity::Warning;
  std::u16string file;   // the source file or table concerned; empty when none
  std::u16string where;  // record and field, when known
  std::u16string message;
};

using CheckProblems = std::vector<CheckProblem>;

// The line the command line prints: "誤り" or "警告", the file, where, the message.
std::u16string ProblemLine(const CheckProblem& problem);

bool HasFault(const CheckProblems& problems);

// "層データ 3 件目、2 番目の項目" (the field left out when 0), as the readers name places.
std::u16string RecordPlace(const std::u16string& label, std::int64_t record, std::int64_t field = 0);

}  // namespace velni
