// 相対密度稠度 from layer field 5, which holds either the relative density of a sand or
// gravel (ゆるい, 密) or the consistency of a clay or silt (軟らかい, 硬い). The word
// tells which; a word both use (中位) goes by the soil name of its layer.
#include <initializer_list>
#include <string_view>

#include "exchange/core_elements.hpp"
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

// Consecutive layers of one state (the same word, read as the same kind) make one
// run, ending at the bottom of its last layer; a layer without a state ends a run and
// starts none (as the colour runs).
void AddDensityRuns(const MainData& main, XmlElement& core) {
  int ordinal = 0;
  std::u16string previous;
  XmlElement* run = nullptr;
  for (const SourceRecord& record : main.layers) {
    const std::u16string state = OwnField(record, main.layerFieldCount, layer_field::kDensity);
    const std::u16string bottom = OwnField(record, main.layerFieldCount, layer_field::kDepth);
    const char16_t* kind =
        IsConsistency(state, OwnField(record, main.layerFieldCount, layer_field::kSoilName)) ? u"相対稠度_状態" : u"相対密度_状態";
    const std::u16string key = kind + (u'=' + state);
    if (state.empty()) {
      run = nullptr;
    } else if (run != nullptr && key == previous) {
      run->children[0].text = bottom;
    } else {
      run = &core.Add(u"相対密度稠度");
      run->ordinal = ++ordinal;
      run->AddText(u"相対密度稠度_下端深度", bottom);
      run->AddText(kind, state);
    }
    previous = key;
  }
}

}  // namespace velni
