#include "exchange/exchange_document.hpp"

#include <ctime>

#include "exchange/exchange_parts.hpp"
#include "exchange/xml_writer.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

void CollectEmpty(const XmlElement& element, const std::u16string& path, std::vector<std::u16string>& empty) {
  for (const XmlElement& child : element.children) {
    std::u16string step = child.name;
    if (child.ordinal > 0) step += u'[' + DecimalText(child.ordinal) + u']';
    const std::u16string childPath = path.empty() ? step : path + u'/' + step;
    if (child.IsLeaf()) {
      if (child.text.empty() && !child.emptyAllowed) empty.push_back(childPath);
    } else {
      CollectEmpty(child, childPath, empty);
    }
  }
}

}  // namespace

CalendarDate ExportDayToday() {
  const std::time_t now = std::time(nullptr);
  const std::tm local = *std::localtime(&now);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

XmlElement BuildExchangeTree(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts,
                             const CalendarDate& exportDay) {
  const ExchangeNames& names = NamesOf(version);
  XmlElement root{u"ボーリング情報", {{u"DTD_version", names.version}}, {}, {}, false, 0};
  AddBasicInformation(facts, names, root);
  AddTitleInformation(boring.main, facts, names, exportDay, root);
  AddCoreInformation(boring, names, root);
  return root;
}

std::string ExchangeDocument(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts,
                             const CalendarDate& exportDay) {
  return WriteXmlDocument(BuildExchangeTree(boring, version, facts, exportDay), NamesOf(version).systemId);
}

std::vector<std::u16string> EmptyRequiredElements(const XmlElement& root) {
  std::vector<std::u16string> empty;
  CollectEmpty(root, {}, empty);
  return empty;
}

std::vector<std::u16string> EmptyRequiredExchangeElements(const Boring& boring, ExchangeVersion version,
                                                          const SurveyFacts& facts, const CalendarDate& exportDay) {
  return EmptyRequiredElements(BuildExchangeTree(boring, version, facts, exportDay));
}

}  // namespace velni
