#include "check/layer_checks.hpp"

#include <algorithm>
#include <optional>

#include "check/header_facts.hpp"
#include "model/record_positions.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "writers/range_line.hpp"

namespace velni {
namespace {

void Warn(CheckProblems& problems, const MainData& main, const SourceRecord& layer, std::size_t field,
          const std::u16string& message) {
  problems.push_back({Severity::Warning, main.path, RecordPlace(record_label::kLayer, layer.number, field), message});
}

void CheckRangePart(const std::u16string& part, const CodeTable& l4, const MainData& main,
                    const SourceRecord& layer, CheckProblems& problems) {
  for (std::size_t i = 0; i < std::min(part.size(), kCodedRangeCharacters); ++i) {
    const std::u16string key(1, part[i]);
    if (!l4.Has(key)) Warn(problems, main, layer, layer_field::kRangeText, u"範囲の「" + key + u"」は L4.TXT にありません。");
  }
}

}  // namespace

void CheckLayerDepths(const MainData& main, CheckProblems& problems) {
  const std::optional<double> total = TotalDepth(main);
  std::optional<double> previous;
  for (const SourceRecord& layer : main.layers) {
    const std::u16string& text = layer.fields[layer_field::kDepth];
    const std::optional<double> depth = ParseDouble(TrimBlanks(text));
    if (!depth) {
      Warn(problems, main, layer, layer_field::kDepth, u"深度「" + text + u"」が数値ではありません。");
      continue;
    }
    if (previous && *depth <= *previous) {
      Warn(problems, main, layer, layer_field::kDepth, u"深度 " + text + u" m が上の層の深度より深くなっていません。");
    }
    if (total && *depth > *total) {
      Warn(problems, main, layer, layer_field::kDepth,
           u"深度 " + text + u" m がヘッダの総掘進長 " + TrimBlanks(main.headerFields[kTotalDepthField]) +
               u" m より深くなっています。");
    }
    previous = depth;
  }
}

void CheckRangeKeys(const MainData& main, const CodeTable& l4, CheckProblems& problems) {
  for (const SourceRecord& layer : main.layers) {
    const std::u16string& text = layer.fields[layer_field::kRangeText];
    if (TrimBlanks(text).empty()) continue;
    const RangeParts parts = SplitRange(text);
    CheckRangePart(parts.before, l4, main, layer, problems);
    CheckRangePart(parts.after, l4, main, layer, problems);
  }
}

void CheckListKeys(const MainData& main, const CodeTable& l10, CheckProblems& problems) {
  for (const SourceRecord& record : main.listBlocks[0]) {
    const std::u16string& key = record.fields[sample_field::kMethodKey];
    if (key.empty() || l10.Has(key)) continue;
    problems.push_back({Severity::Warning, main.path,
                        RecordPlace(record_label::kListBlock1, record.number, sample_field::kMethodKey),
                        u"「" + key + u"」は L10.TXT にありません（深度 " + record.fields[sample_field::kDepth] + u"）。"});
  }
}

}  // namespace velni
