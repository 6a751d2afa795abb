#include "fuzz/entries/xml_tree_entry.hpp"

#include "readers/xml_tree.hpp"
#include "text/run_error.hpp"

namespace velni::fuzzing {
namespace {

constexpr char16_t kName[] = u"BED0001.XML";

int Depth(const XmlNode& node) {
  int deepest = 0;
  for (const XmlNode& child : node.children) deepest = std::max(deepest, Depth(child));
  return deepest + 1;
}

}  // namespace

std::string XmlTreeEntry(std::string_view input) {
  try {
    const XmlTree tree = ReadXmlTree(input, kName);
    if (Depth(tree.root) > 64) return "a tree deeper than the bound";
  } catch (const RunError& error) {
    if (error.Path() != kName || error.What().empty()) return "a refusal that does not name the file";
  }
  return {};
}

}  // namespace velni::fuzzing
