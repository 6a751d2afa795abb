#pragma once
// The three branches of the exchange tree, each filled from the boring.
#include "exchange/exchange_version.hpp"
#include "exchange/survey_facts.hpp"
#include "exchange/xml_element.hpp"
#include "model/boring.hpp"

namespace velni {

void AddBasicInformation(const SurveyFacts& facts, const ExchangeNames& names, XmlElement& root);
void AddTitleInformation(const MainData& main, const SurveyFacts& facts, const ExchangeNames& names,
                         XmlElement& root);
void AddCoreInformation(const Boring& boring, const ExchangeNames& names, XmlElement& root);

}  // namespace velni
