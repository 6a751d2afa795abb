// The layers of an exchange file into the layer records of the main data file:
// bottom depth, soil name, the colour of the 色調 run and the state of the
// 相対密度稠度 run each layer lies in.
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "model/record_positions.hpp"
#include "readers/exchange_sections.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

// The fields of a layer record: depth, soil name, colour, range text, state,
// admixture (range text and admixture have no element and stay empty).
constexpr std::int64_t kLayerFieldCount = 6;

// A run of layers: its bottom and what it says of them; its top is the bottom of
// the run before it.
struct Run {
  double bottom = 0;
  std::u16string value;
};

double DepthValue(const std::u16string& depth) { return ParseDouble(depth).value_or(0); }

// The runs of `name`, each with the first of `valueNames` that it holds.
std::vector<Run> RunsOf(const ExchangeSource& source, const XmlNode& core, std::u16string_view name,
                        std::u16string_view bottomName, std::initializer_list<std::u16string_view> valueNames) {
  std::vector<Run> runs;
  for (const XmlNode* node : ChildrenOf(core, name)) {
    Run run{DepthValue(RequiredDepth(source, *node, bottomName)), {}};
    for (std::u16string_view valueName : valueNames) {
      if (run.value.empty()) run.value = ChildText(*node, valueName);
    }
    runs.push_back(std::move(run));
  }
  return runs;
}

// The value of the first run reaching down to the layer's bottom.
std::u16string ValueAt(const std::vector<Run>& runs, double bottom) {
  for (const Run& run : runs) {
    if (run.bottom >= bottom) return run.value;
  }
  return {};
}

SourceRecord LayerRecord(const ExchangeSource& source, const XmlNode& layer, std::int64_t number) {
  SourceRecord record;
  record.number = number;
  record.fields[layer_field::kDepth] = RequiredDepth(source, layer, source.names.layerBottom);
  record.fields[layer_field::kSoilName] = TrimBlanks(RequiredChild(source, layer, source.names.layerName).text);
  return record;
}

// A layer whose bottom lies below the next layer's cannot be drawn or listed.
void RefuseDeeper(const ExchangeSource& source, const std::vector<const XmlNode*>& nodes,
                  const std::vector<SourceRecord>& layers) {
  for (std::size_t i = 1; i < layers.size(); ++i) {
    if (DepthValue(layers[i - 1].fields[layer_field::kDepth]) > DepthValue(layers[i].fields[layer_field::kDepth])) {
      RefuseElement(source, *nodes[i - 1],
                    u"層の下端深度 " + layers[i - 1].fields[layer_field::kDepth] + u" が次の層の下端深度 " +
                        layers[i].fields[layer_field::kDepth] + u" より深くなっています。");
    }
  }
}

// The one empty layer that stands for a boring without layers (the format wants one).
bool IsNoLayer(const ExchangeSource& source, const std::vector<const XmlNode*>& nodes) {
  return nodes.size() == 1 && ChildText(*nodes[0], source.names.layerBottom).empty() &&
         ChildText(*nodes[0], source.names.layerName).empty();
}

}  // namespace

void ReadExchangeLayers(const ExchangeSource& source, const XmlNode& core, MainData& main) {
  const std::vector<const XmlNode*> nodes = ChildrenOf(core, source.names.layer);
  if (nodes.empty()) RequiredChild(source, core, source.names.layer);
  if (IsNoLayer(source, nodes)) return;
  for (const XmlNode* node : nodes) {
    main.layers.push_back(LayerRecord(source, *node, static_cast<std::int64_t>(main.layers.size()) + 1));
  }
  RefuseDeeper(source, nodes, main.layers);
  const std::vector<Run> colours = RunsOf(source, core, u"色調", u"色調_下端深度", {u"色調_色調名"});
  const std::vector<Run> states = RunsOf(source, core, u"相対密度稠度", u"相対密度稠度_下端深度",
                                         {u"相対密度_状態", u"相対稠度_状態"});
  for (SourceRecord& layer : main.layers) {
    const double bottom = DepthValue(layer.fields[layer_field::kDepth]);
    layer.fields[layer_field::kColour] = ValueAt(colours, bottom);
    layer.fields[layer_field::kDensity] = ValueAt(states, bottom);
  }
  main.hasLayerSection = true;
  main.layerFieldCount = kLayerFieldCount;
  main.header.layerCount = NumOrText::Number(static_cast<double>(main.layers.size()));
  main.header.layerFieldCount = NumOrText::Number(kLayerFieldCount);
}

}  // namespace velni
