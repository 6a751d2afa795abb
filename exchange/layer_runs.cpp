#include "exchange/layer_runs.hpp"

#include "exchange/own_field.hpp"
#include "model/record_positions.hpp"

namespace velni {

void AddLayerRuns(const MainData& main, const char16_t* run, const char16_t* bottom,
                  const std::function<LayerValue(const SourceRecord&)>& valueOf, XmlElement& core) {
  int ordinal = 0;
  LayerValue previous;
  XmlElement* open = nullptr;
  for (const SourceRecord& record : main.layers) {
    const LayerValue value = valueOf(record);
    const std::u16string depth = OwnField(record, main.layerFieldCount, layer_field::kDepth);
    if (value.value.empty()) {
      open = nullptr;
    } else if (open != nullptr && value.element == previous.element && value.value == previous.value) {
      open->children[0].text = depth;
    } else {
      open = &core.Add(run);
      open->ordinal = ++ordinal;
      open->AddText(bottom, depth);
      open->AddText(value.element, value.value);
    }
    previous = value;
  }
}

}  // namespace velni
