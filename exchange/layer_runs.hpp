#pragma once
// Runs of layers that share one value (a colour, a density): consecutive layers of one
// value make one run, which ends at the bottom of its last layer; a layer without a
// value ends a run and starts none.
#include <functional>
#include <string>

#include "exchange/xml_element.hpp"
#include "model/boring.hpp"

namespace velni {

// The child element that names a layer's value, and the value (empty: no run).
struct LayerValue {
  std::u16string element;
  std::u16string value;
};

// Each run is a `run` element holding `bottom` (its bottom depth) and the value's element.
void AddLayerRuns(const MainData& main, const char16_t* run, const char16_t* bottom,
                  const std::function<LayerValue(const SourceRecord&)>& valueOf, XmlElement& core);

}  // namespace velni
