#pragma once
// The required elements of the exchange XML that a boring leaves empty even with
// the survey facts: the export writes them empty, and a delivery check would refuse
// the file.
#include "check/check_problem.hpp"
#include "exchange/exchange_version.hpp"
#include "exchange/survey_facts.hpp"
#include "model/boring.hpp"

namespace velni {

// One warning per such element, naming the main data file and the element's path
// below the root, in document order.
CheckProblems CheckRequiredExchangeElements(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts);

}  // namespace velni
