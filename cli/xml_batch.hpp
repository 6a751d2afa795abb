#pragma once
// --batch --xml: one exchange file per boring of a survey, at
// DIR/<its folder below the survey folder>/<its name without .JDF>.XML, the same
// places the batch conversion gives its output folders.
#include <iosfwd>
#include <string>

#include "cli/verbosity.hpp"
#include "exchange/exchange_version.hpp"

namespace velni::cli {

struct XmlBatchOptions {
  std::string sourceFolder;
  std::string outputFolder;
  ExchangeVersion version = ExchangeVersion::V400;
  Verbosity verbosity = Verbosity::Normal;
};

// One line per boring on `errors`, the summary on `out`. Returns the exit status:
// completed when every boring was exported, failed when any was not, refused when
// the survey folder holds no boring at all.
int RunXmlBatch(const XmlBatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
