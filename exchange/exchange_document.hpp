#pragma once
// The boring exchange file (ボーリング交換用データ) of one boring: the element tree,
// the document, and the required elements that our data leaves empty.
#include <string>
#include <vector>

#include "exchange/exchange_version.hpp"
#include "exchange/survey_facts.hpp"
#include "exchange/xml_element.hpp"
#include "model/boring.hpp"
#include "model/survey_dates.hpp"

namespace velni {

// The day of the export: today on this computer's calendar.
CalendarDate ExportDayToday();

// The root ボーリング情報 with its DTD_version and every element in the order of
// the version's document type, with what the source cannot say from `facts`; an
// element neither has a value for is empty, as is a day of the survey after
// `exportDay`.
XmlElement BuildExchangeTree(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts = {},
                             const CalendarDate& exportDay = ExportDayToday());

// The whole file: code page 932, CR LF, declaration and document type.
std::string ExchangeDocument(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts = {},
                             const CalendarDate& exportDay = ExportDayToday());

// The required elements of the tree that are empty, each as its path below the
// root ("標題情報/調査基本情報/調査目的"), a repeated element with its place
// ("コア情報/標準貫入試験[2]/標準貫入試験_合計貫入量"), in document order. An element
// whose empty content is a proper value is not listed.
std::vector<std::u16string> EmptyRequiredElements(const XmlElement& root);

// The same for the file that would be exported: what the check mode warns of.
std::vector<std::u16string> EmptyRequiredExchangeElements(const Boring& boring, ExchangeVersion version,
                                                          const SurveyFacts& facts = {},
                                                          const CalendarDate& exportDay = ExportDayToday());

}  // namespace velni
