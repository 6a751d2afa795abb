#include "check/soil_name_check.hpp"

#include <algorithm>

#include "model/record_positions.hpp"
#include "tables/soil_code_forecast.hpp"
#include "tables/soil_entry.hpp"

namespace velni {
namespace {

struct NewName {
  std::u16string name;
  const SourceRecord* firstLayer;
};

}  // namespace

void CheckSoilNames(const MainData& main, SoilNameStore& store, CheckProblems& problems) {
  std::vector<NewName> newNames;
  for (const SourceRecord& layer : main.layers) {
    const std::u16string& raw = layer.fields[layer_field::kSoilName];
    if (raw.empty() || store.FindCode(raw)) continue;
    const std::u16string where = RecordPlace(record_label::kLayer, layer.number, layer_field::kSoilName);
    if (const auto why = WhyNotStorable(raw)) {
      problems.push_back({Severity::Fault, main.path, where, *why});
      continue;
    }
    const std::u16string name = SoilNameOnOneLine(raw);
    const bool seen = std::any_of(newNames.begin(), newNames.end(), [&](const NewName& n) { return n.name == name; });
    if (!seen) newNames.push_back({name, &layer});
  }
  std::vector<std::u16string> names;
  for (const NewName& n : newNames) names.push_back(n.name);
  const std::vector<std::u16string> codes =
      ForecastSoilCodes(store.Folders().dataFolderPath + kExtendedTableName, names);
  for (std::size_t i = 0; i < newNames.size(); ++i) {
    problems.push_back({Severity::Warning, main.path,
                        RecordPlace(record_label::kLayer, newNames[i].firstLayer->number, layer_field::kSoilName),
                        u"土質名「" + names[i] + u"」は土質名表にありません。変換するとコード " + codes[i] +
                            u" で登録されます。"});
  }
}

}  // namespace velni
