#pragma once
// --batch --xml: one exchange file per boring of a survey, at
// DIR/<its folder below the survey folder>/<its name without .JDF>.XML, the same
// places the batch conversion gives its output folders.
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/verbosity.hpp"
#include "exchange/exchange_version.hpp"

namespace velni::cli {

struct XmlBatchOptions {
  std::string sourceFolder;
  std::string outputFolder;
  ExchangeVersion version = ExchangeVersion::V400;
  Verbosity verbosity = Verbosity::Normal;
  std::optional<std::string> surveyFacts;  // the facts file, looked for by its name from each boring upwards
};

// ボーリング総数 and ボーリング連番 are the batch's count and order.
// One line per boring on `errors`, the summary on `out`. Returns the exit status:
// completed when every boring was exported, failed when any was not, refused when
// the survey folder holds no boring at all.
int RunXmlBatch(const XmlBatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
