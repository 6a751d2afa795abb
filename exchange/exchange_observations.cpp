// 観察記事 from the remarks file: a remark describes the ground from the depth of the
// remark before it down to its own depth, as the boring-log picture places it.
#include <optional>

#include "exchange/core_elements.hpp"
#include "exchange/own_field.hpp"
#include "exchange/remark_text.hpp"
#include "model/record_positions.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

constexpr char16_t kSurface[] = u"0.00";

}  // namespace

void AddObservations(const RemarksFile& remarks, XmlElement& core) {
  int ordinal = 0;
  std::u16string top = kSurface;
  double topValue = 0;
  for (const SourceRecord& record : remarks.records) {
    const std::u16string depth = OwnField(record, remarks.fieldCount, remark_field::kDepth);
    const std::u16string remark = OwnField(record, remarks.fieldCount, remark_field::kText);
    if (!remark.empty()) {  // as the conversion, which writes no row for it
      XmlElement& element = core.Add(u"観察記事");
      element.ordinal = ++ordinal;
      element.AddText(u"観察記事_上端深度", top);
      element.AddText(u"観察記事_下端深度", depth);
      element.AddText(u"観察記事_記事", ExchangeRemarkText(remark));
    }
    // A depth that is no number, or not below the last, starts no new interval:
    // the picture skips such a remark the same way.
    const std::optional<double> value = ParseDouble(depth);
    if (value && *value > topValue) {
      top = depth;
      topValue = *value;
    }
  }
}

}  // namespace velni
