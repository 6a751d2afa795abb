// The core branch, in the order of the document type: layers, colour runs,
// observations, penetration tests, density runs, samples, water levels, drilling.
#include <array>
#include <cstdint>
#include <optional>

#include "exchange/core_elements.hpp"
#include "exchange/exchange_parts.hpp"
#include "exchange/exchange_values.hpp"
#include "exchange/layer_runs.hpp"
#include "exchange/own_field.hpp"
#include "model/record_positions.hpp"
#include "model/test_entries.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

// The penetration of an entry written without one, in centimetres, as X5.TXT
// takes it.
std::u16string CentimetresText(double centimetres) { return DecimalText(static_cast<std::int64_t>(centimetres)); }

constexpr char16_t kOneSoilGroup[] = u"1";

XmlElement& AddRepeated(XmlElement& core, const char16_t* name, int& ordinal) {
  XmlElement& element = core.Add(name);
  element.ordinal = ++ordinal;
  return element;
}

void AddLayer(const ExchangeNames& names, const std::u16string& bottom, const std::u16string& soil, int& ordinal,
              XmlElement& core) {
  XmlElement& layer = AddRepeated(core, names.layer, ordinal);
  layer.AddText(names.layerBottom, bottom);
  layer.AddText(names.layerName, soil);
  XmlElement& group = layer.Add(names.rockGroup);
  // Every layer of the source names one soil, that is one soil group.
  group.AddText(names.rockGroupCode, soil.empty() ? u"" : kOneSoilGroup);
  group.Add(names.rockSoilCode).emptyAllowed = true;
}

// At least one layer element: a boring without layers gets one, empty.
void AddLayers(const MainData& main, const ExchangeNames& names, XmlElement& core) {
  int ordinal = 0;
  for (const SourceRecord& record : main.layers) {
    AddLayer(names, OwnField(record, main.layerFieldCount, layer_field::kDepth),
             OwnField(record, main.layerFieldCount, layer_field::kSoilName), ordinal, core);
  }
  if (ordinal == 0) AddLayer(names, {}, {}, ordinal, core);
}

void AddColours(const MainData& main, XmlElement& core) {
  AddLayerRuns(main, u"色調", u"色調_下端深度", [&main](const SourceRecord& record) {
    return LayerValue{u"色調_色調名", OwnField(record, main.layerFieldCount, layer_field::kColour)};
  }, core);
}

void AddEntry(const std::u16string& prefix, const TestEntry& entry, XmlElement& test) {
  test.AddText(prefix + u"打撃回数", entry.blows);
  test.AddText(prefix + u"貫入量", entry.penetration);
}

// An increment as the source gives it, but for a left-out last penetration that the
// total gives.
std::optional<TestEntry> IncrementEntry(const std::u16string& field, const TestEntries& read, std::size_t i,
                                        bool inMillimetres) {
  const std::u16string given = read.penetrationFromTotal == i
                                   ? TrimBlanks(field) + u"/" + PlainNumberText(read.increments[i]->penetration)
                                   : field;
  return SplitTestEntry(given, CentimetresText(kPartialDrivePenetration), inMillimetres);
}

void AddTest(const PenetrationFile& file, const SourceRecord& record, const ExchangeNames& names, int& ordinal,
             XmlElement& core) {
  const bool mm = names.penetrationInMillimetres;
  XmlElement& test = AddRepeated(core, u"標準貫入試験", ordinal);
  test.AddText(u"標準貫入試験_開始深度", OwnField(record, file.fieldCount, test_field::kDepth));
  std::array<std::u16string, test_field::kPartialEntries> partials;
  for (std::size_t i = 0; i < partials.size(); ++i) {
    partials[i] = OwnField(record, file.fieldCount, test_field::kFirstPartialEntry + i);
  }
  const std::u16string main = OwnField(record, file.fieldCount, test_field::kMainEntry);
  const TestEntries read = ReadTestEntries(main, partials);
  for (std::size_t i = 0; i < partials.size(); ++i) {
    if (const auto entry = IncrementEntry(partials[i], read, i, mm)) {
      AddEntry(std::u16string(names.increments[i]), *entry, test);
    }
  }
  const auto total = SplitTestEntry(main, CentimetresText(kMainDrivePenetration), mm);
  AddEntry(u"標準貫入試験_合計", total.value_or(TestEntry{}), test);
  if (IsSelfSinking(read.total)) test.AddText(u"標準貫入試験_備考", u"自沈");
}

}  // namespace

void AddCoreInformation(const Boring& boring, const ExchangeNames& names, XmlElement& root) {
  XmlElement& core = root.Add(u"コア情報");
  AddLayers(boring.main, names, core);
  AddColours(boring.main, core);
  AddObservations(boring.remarks, core);
  int ordinal = 0;
  for (const SourceRecord& record : boring.penetration.tests) {
    AddTest(boring.penetration, record, names, ordinal, core);
  }
  AddDensityRuns(boring.main, core);
  AddSamples(boring.main, core);
  AddWaterLevels(boring.main, names, core);
  AddDrillingProgress(boring.main, names, core);
}

}  // namespace velni
