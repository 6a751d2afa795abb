// The core branch, in the order of the document type: layers, colour runs,
// observations, penetration tests, density runs, samples, water levels, drilling.
#include <cstdint>

#include "exchange/core_elements.hpp"
#include "exchange/exchange_parts.hpp"
#include "exchange/exchange_values.hpp"
#include "exchange/own_field.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "writers/penetration.hpp"

namespace velni {
namespace {

// Fields of a layer record and of a test record.
constexpr std::int64_t kDepth = 1;
constexpr std::int64_t kSoilName = 2;
constexpr std::int64_t kColour = 3;
constexpr std::int64_t kMainEntry = 2;
constexpr std::int64_t kFirstPartialEntry = 3;

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
    AddLayer(names, OwnField(record, main.layerFieldCount, kDepth),
             OwnField(record, main.layerFieldCount, kSoilName), ordinal, core);
  }
  if (ordinal == 0) AddLayer(names, {}, {}, ordinal, core);
}

// Consecutive layers of one colour make one run, which ends at the bottom of its
// last layer; a layer without a colour ends a run and starts none.
void AddColours(const MainData& main, XmlElement& core) {
  int ordinal = 0;
  std::u16string previous;
  XmlElement* run = nullptr;
  for (const SourceRecord& record : main.layers) {
    const std::u16string colour = OwnField(record, main.layerFieldCount, kColour);
    const std::u16string bottom = OwnField(record, main.layerFieldCount, kDepth);
    if (colour.empty()) {
      run = nullptr;
    } else if (run != nullptr && colour == previous) {
      run->children[0].text = bottom;
    } else {
      run = &AddRepeated(core, u"色調", ordinal);
      run->AddText(u"色調_下端深度", bottom);
      run->AddText(u"色調_色調名", colour);
    }
    previous = colour;
  }
}

void AddEntry(const std::u16string& prefix, const TestEntry& entry, XmlElement& test) {
  test.AddText(prefix + u"打撃回数", entry.blows);
  test.AddText(prefix + u"貫入量", entry.penetration);
}

void AddTest(const PenetrationFile& file, const SourceRecord& record, const ExchangeNames& names, int& ordinal,
             XmlElement& core) {
  const bool mm = names.penetrationInMillimetres;
  XmlElement& test = AddRepeated(core, u"標準貫入試験", ordinal);
  test.AddText(u"標準貫入試験_開始深度", OwnField(record, file.fieldCount, kDepth));
  for (std::int64_t i = 0; i < 3; ++i) {
    const std::u16string field = OwnField(record, file.fieldCount, kFirstPartialEntry + i);
    if (const auto entry = SplitTestEntry(field, CentimetresText(kPartialDrivePenetration), mm)) {
      AddEntry(std::u16string(names.increments[i]), *entry, test);
    }
  }
  const auto total = SplitTestEntry(OwnField(record, file.fieldCount, kMainEntry),
                                    CentimetresText(kMainDrivePenetration), mm);
  AddEntry(u"標準貫入試験_合計", total.value_or(TestEntry{}), test);
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
