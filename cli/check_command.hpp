#pragma once
// velni2qx-cli --check: every problem of each boring, one line each on standard
// output; nothing written, no table changed.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange_version.hpp"

namespace velni::cli {

inline constexpr int kExitCheckClean = 0;
inline constexpr int kExitCheckWarnings = 1;
inline constexpr int kExitCheckFaults = 2;

struct CheckOptions {
  std::vector<std::string> sources;  // main data files, or with `batch` one survey folder
  bool batch = false;
  std::u16string dataFolderPath;  // with its final separator
  std::optional<std::string> report;
  bool quiet = false;
  // Also check for export to the exchange XML of this version.
  std::optional<ExchangeVersion> exchange;
  // The survey facts file for that export: as --xml takes it (single or batch).
  std::optional<std::string> surveyFacts;
};

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
