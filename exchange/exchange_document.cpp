#include "exchange/exchange_document.hpp"

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

XmlElement BuildExchangeTree(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts) {
  const ExchangeNames& names = NamesOf(version);
  XmlElement root{u"ボーリング情報", {{u"DTD_version", names.version}}, {}, {}, false, 0};
  AddBasicInformation(facts, names, root);
  AddTitleInformation(boring.main, facts, names, root);
  AddCoreInformation(boring, names, root);
  return root;
}

std::string ExchangeDocument(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts) {
  return WriteXmlDocument(BuildExchangeTree(boring, version, facts), NamesOf(version).systemId);
}

std::vector<std::u16string> EmptyRequiredElements(const XmlElement& root) {
  std::vector<std::u16string> empty;
  CollectEmpty(root, {}, empty);
  return empty;
}

std::vector<std::u16string> EmptyRequiredExchangeElements(const Boring& boring, ExchangeVersion version,
                                                          const SurveyFacts& facts) {
  return EmptyRequiredElements(BuildExchangeTree(boring, version, facts));
}

}  // namespace velni
