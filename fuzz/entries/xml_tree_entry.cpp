#include "fuzz/entries/xml_tree_entry.hpp"

#include "model/record_positions.hpp"
#include "readers/exchange_reader.hpp"
#include "readers/xml_tree.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni::fuzzing {
namespace {

constexpr char16_t kName[] = u"BED0001.XML";

int Depth(const XmlNode& node) {
  int deepest = 0;
  for (const XmlNode& child : node.children) deepest = std::max(deepest, Depth(child));
  return deepest + 1;
}

// A document read as a boring: refused naming the file, or layers whose bottoms
// never go up.
std::string ExchangeEntry(std::string_view input) {
  try {
    const Boring boring = ReadExchangeBoring(input, kName);
    double above = 0;
    for (const SourceRecord& layer : boring.main.layers) {
      const double bottom = ParseDouble(layer.fields[layer_field::kDepth]).value_or(-1);
      if (bottom < above) return "a boring read with a layer deeper than the next";
      above = bottom;
    }
  } catch (const RunError& error) {
    if (error.Path() != kName || error.What().empty()) return "an exchange refusal that does not name the file";
  }
  return {};
}

}  // namespace

std::string XmlTreeEntry(std::string_view input) {
  try {
    const XmlTree tree = ReadXmlTree(input, kName);
    if (Depth(tree.root) > 64) return "a tree deeper than the bound";
    return ExchangeEntry(input);
  } catch (const RunError& error) {
    if (error.Path() != kName || error.What().empty()) return "a refusal that does not name the file";
  }
  return {};
}

}  // namespace velni::fuzzing
