#include "readers/exchange_reader.hpp"

#include "platform/file_system.hpp"
#include "readers/exchange_sections.hpp"
#include "readers/xml_tree.hpp"

namespace velni {

bool IsExchangeFileName(std::u16string_view fileName) {
  if (fileName.size() < 4) return false;
  const std::u16string_view end = fileName.substr(fileName.size() - 4);
  return end[0] == u'.' && (end[1] | 0x20) == u'x' && (end[2] | 0x20) == u'm' && (end[3] | 0x20) == u'l';
}

Boring ReadExchangeBoring(std::string_view bytes, const std::u16string& path) {
  const XmlTree tree = ReadXmlTree(bytes, path);
  const ExchangeSource source{path, ExchangeNamesOf(tree, path)};
  const XmlNode& core = RequiredChild(source, tree.root, u"コア情報");
  Boring boring;
  boring.main.path = boring.remarks.path = boring.penetration.path = path;
  ReadExchangeTitle(source, tree.root, boring.main);
  ReadExchangeLayers(source, core, boring.main);
  ReadExchangeLists(source, core, boring.main);
  ReadExchangeRemarks(source, core, boring.remarks);
  ReadExchangeTests(source, core, boring.penetration);
  return boring;
}

Boring ReadExchangeFile(const std::u16string& path) { return ReadExchangeBoring(fs::ReadWholeFile(path), path); }

}  // namespace velni
