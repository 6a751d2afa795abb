#pragma once
// Exporting one boring to its exchange file: read whole, then written whole.
#include <string>
#include <vector>

#include "exchange/exchange_version.hpp"
#include "exchange/survey_facts.hpp"

namespace velni {

// Reads the boring of the main data file `sourcePath` (with its companions) and
// writes its exchange file to `outputPath` through a work file renamed into place,
// so a failure leaves no half file and an older file stays as it was. Nothing else
// is written and no table is read. A failure is thrown as a RunError naming the
// file (and, when reading, the record and field). Returns the required elements
// left empty. `facts` give what the source cannot say.
std::vector<std::u16string> ExportExchangeFile(const std::u16string& sourcePath, const std::u16string& outputPath,
                                               ExchangeVersion version, const SurveyFacts& facts = {});

}  // namespace velni
