#pragma once
// The three branches of the exchange tree, each filled from the boring.
#include "exchange/exchange_version.hpp"
#include "exchange/survey_facts.hpp"
#include "exchange/xml_element.hpp"
#include "model/boring.hpp"
#include "model/survey_dates.hpp"

namespace velni {

void AddBasicInformation(const SurveyFacts& facts, const ExchangeNames& names, XmlElement& root);
// Days of the survey after `exportDay` are written empty.
void AddTitleInformation(const MainData& main, const SurveyFacts& facts, const ExchangeNames& names,
                         const CalendarDate& exportDay,
                         XmlElement& root);
void AddCoreInformation(const Boring& boring, const ExchangeNames& names, XmlElement& root);

}  // namespace velni
