#include "exchange/exchange_file.hpp"

#include "exchange/exchange_document.hpp"
#include "exchange/xml_writer.hpp"
#include "platform/durable_file.hpp"
#include "platform/host_path.hpp"
#include "readers/boring_reader.hpp"

namespace velni {

std::vector<std::u16string> ExportExchangeFile(const std::u16string& sourcePath, const std::u16string& outputPath,
                                               ExchangeVersion version, const SurveyFacts& facts) {
  const Boring boring = ReadAnyBoring(sourcePath, FileNameOf(sourcePath));
  const XmlElement tree = BuildExchangeTree(boring, version, facts);
  fs::ReplaceDurably(outputPath, FileNameOf(outputPath) + u".tmp", WriteXmlDocument(tree, NamesOf(version).systemId));
  return EmptyRequiredElements(tree);
}

}  // namespace velni
