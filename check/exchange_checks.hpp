#pragma once
// Everything the check mode says about exporting a boring to the exchange XML, in
// one place: the command line asks this with --check --xml-version.
#include "check/check_problem.hpp"
#include "exchange/exchange_document.hpp"
#include "exchange/exchange_version.hpp"
#include "exchange/survey_facts.hpp"
#include "model/boring.hpp"

namespace velni {

// The warnings for exporting `boring` (read whole) in `version` with the survey
// facts that apply to it (in a batch with its count and place already set), on the
// day of the export.
CheckProblems CheckForExchange(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts,
                               const CalendarDate& exportDay = ExportDayToday());

}  // namespace velni
