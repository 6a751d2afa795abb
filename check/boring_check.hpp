#pragma once
// Checking a boring before it is converted: every problem the conversion would meet
// or cause, read from the three source files and the data folder's tables. Nothing
// is written and no table changes.
#include <optional>
#include <string>

#include "check/check_problem.hpp"
#include "exchange/exchange_version.hpp"
#include "exchange/survey_facts.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {

// `dataFolderPath` with its final separator. `store` reads the soil-name tables
// (a batch shares one); without one the check reads them for itself. With
// `exchange`, the boring is also checked for export to the exchange XML of that
// version with the survey facts `facts` (CheckForExchange).
CheckProblems CheckBoring(const std::u16string& sourcePath, const std::u16string& dataFolderPath,
                          SoilNameStore* store = nullptr, std::optional<ExchangeVersion> exchange = std::nullopt,
                          const SurveyFacts& facts = {});

}  // namespace velni
