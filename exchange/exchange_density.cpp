// 相対密度稠度 from layer field 5, which holds either the relative density of a sand or
// gravel (ゆるい, 密) or the consistency of a clay or silt (軟らかい, 硬い). The word
// tells which; a word both use (中位) goes by the soil name of its layer.
#include <initializer_list>
#include <string_view>

#include "exchange/core_elements.hpp"
#include "exchange/layer_runs.hpp"
#include "exchange/own_field.hpp"
#include "model/record_positions.hpp"

namespace velni {
namespace {

bool HasAny(const std::u16string& text, std::initializer_list<const char16_t*> parts) {
  for (const char16_t* part : parts) {
    if (text.find(part) != std::u16string::npos) return true;
  }
  return false;
}

// The soil a name is of is its last word: シルト混じり砂 is a sand, 砂質シルト a silt.
bool IsCohesiveSoil(const std::u16string& soilName) {
  for (std::u16string_view soil : {u"粘土", u"シルト", u"ローム", u"粘性土", u"腐植土", u"有機質土"}) {
    if (std::u16string_view(soilName).ends_with(soil)) return true;
  }
  return false;
}

bool IsConsistency(const std::u16string& state, const std::u16string& soilName) {
  if (HasAny(state, {u"ゆる", u"緩", u"密"})) return false;
  if (HasAny(state, {u"軟", u"やわ", u"硬", u"かた", u"固"})) return true;
  return IsCohesiveSoil(soilName);
}

}  // namespace

// Runs of one state: the same word, read as the same kind.
void AddDensityRuns(const MainData& main, XmlElement& core) {
  AddLayerRuns(main, u"相対密度稠度", u"相対密度稠度_下端深度", [&main](const SourceRecord& record) {
    const std::u16string state = OwnField(record, main.layerFieldCount, layer_field::kDensity);
    const bool consistency = IsConsistency(state, OwnField(record, main.layerFieldCount, layer_field::kSoilName));
    return LayerValue{consistency ? u"相対稠度_状態" : u"相対密度_状態", state};
  }, core);
}

}  // namespace velni
