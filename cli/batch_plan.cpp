#include "cli/batch_plan.hpp"

#include <algorithm>
#include <map>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

std::u16string Under(const std::u16string& folder, const std::u16string& part) {
  if (part.empty()) return folder;
  return WithFinalSeparator(folder) + part;
}

std::u16string FoldedCase(std::u16string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; });
  return text;
}

// Every boring whose destination equals another's ignoring letter case is refused,
// naming the others: converting one would put its files over the other's.
void RefuseCaseTwins(std::vector<PlannedBoring>& plan) {
  std::map<std::u16string, std::vector<std::size_t>> byDestination;
  for (std::size_t i = 0; i < plan.size(); ++i) byDestination[FoldedCase(plan[i].destinationPath)].push_back(i);
  for (const auto& [destination, members] : byDestination) {
    if (members.size() < 2) continue;
    for (const std::size_t i : members) {
      std::u16string others;
      for (const std::size_t j : members) {
        if (j != i) others += (others.empty() ? u"" : u", ") + plan[j].boring.RelativePath();
      }
      plan[i].refusal = u"大文字と小文字だけが違う名前の柱状図があり、変換先が重なるため変換しません: " + others;
    }
  }
}

}  // namespace

std::vector<PlannedBoring> PlanBatch(const std::u16string& sourceFolder, const std::u16string& destinationFolder,
                                     const std::vector<MainDataFile>& borings) {
  std::vector<PlannedBoring> plan;
  for (const MainDataFile& boring : borings) {
    plan.push_back({boring, Under(sourceFolder, boring.RelativePath()),
                    Under(Under(destinationFolder, boring.relativeFolder), boring.Stem()), {}});
  }
  RefuseCaseTwins(plan);
  return plan;
}

std::vector<std::u16string> SharedControlLineWarnings(const std::vector<PlannedBoring>& plan) {
  std::map<ControlLines, std::size_t> sharing;
  for (const PlannedBoring& planned : plan) {
    if (planned.refusal.empty()) ++sharing[ForecastControlLines(planned.destinationPath, planned.sourcePath)];
  }
  std::vector<std::u16string> warnings;
  for (const auto& [lines, count] : sharing) {
    if (count < 2) continue;
    // "～" (FF5E), not "〜" (301C): a log in code page 932 has only the former.
    std::u16string warning = u"警告: ";
    warning.append(FromUtf8(std::to_string(count)))
        .append(u" 件の柱状図の CNT.TXT 1～3 行目が同じ「")
        .append(lines[0] + u" / " + lines[1] + u" / " + lines[2])
        .append(u"」になります。この 3 行は変換先フォルダの 2～4 階層目から作られます。");
    warnings.push_back(warning);
  }
  return warnings;
}

}  // namespace velni::cli
