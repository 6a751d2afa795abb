#pragma once
// --report FILE.json: one object per boring (what was converted where, how it
// ended, what was written, the counts, the soil names registered, the CNT.TXT lines)
// for the scripts that check a survey's conversion.
#include <string>
#include <vector>

#include "run/run_result.hpp"

namespace velni::cli {

struct ReportedBoring {
  std::u16string source;       // the main data file, absolute
  std::u16string destination;  // the destination folder, absolute
  std::string message;         // as shown on the command line, one line
  RunResult result;
};

// The report as JSON text: an array with one object per boring, in order.
std::string ReportJson(const std::vector<ReportedBoring>& borings);

// Writes the report through a work file renamed into place, so that a reader never
// sees half of one. False when it cannot be written.
bool WriteReport(const std::string& path, const std::vector<ReportedBoring>& borings);
// The same for any report text.
// "-" names standard output (the report, the exchange XML, an SVG picture).
inline constexpr char kStandardOutputName[] = "-";
bool WriteWholeFile(const std::string& path, const std::string& text);

inline constexpr char16_t kReportNotWritten[] = u"velni2qx-cli: 結果のファイルを書き込めません: ";

}  // namespace velni::cli
