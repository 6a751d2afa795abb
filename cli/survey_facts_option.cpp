#include "cli/survey_facts_option.hpp"

#include "cli/absolute_path.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "text/number_text.hpp"

namespace velni::cli {

std::optional<std::u16string> SurveyFactsPathFor(const std::optional<std::string>& option,
                                                 const std::u16string& source, const std::u16string& surveyFolder) {
  if (!option) return std::nullopt;
  const std::u16string given = AbsolutePath(*option);
  if (surveyFolder.empty()) return given;
  return NearestSurveyFacts(source, FileNameOf(given), surveyFolder).value_or(given);
}

SurveyFacts SurveyFactsFrom(const std::optional<std::u16string>& path) {
  if (!path) return {};
  return ReadSurveyFacts(*path).value_or(SurveyFacts{});
}

SurveyFacts NumberedInBatch(SurveyFacts facts, std::size_t index, std::size_t total) {
  facts.boringCount = DecimalText(static_cast<std::int64_t>(total));
  facts.boringNumber = DecimalText(static_cast<std::int64_t>(index + 1));
  return facts;
}

std::u16string SurveyFactsLine(const std::optional<std::u16string>& path) {
  if (!path) return {};
  return (fs::Exists(*path) ? u"調査の事実: " : u"調査の事実のファイルはありません: ") + *path;
}

std::vector<ProtectedFile> SurveyFactsFile(const std::optional<std::u16string>& path) {
  if (!path) return {};
  return {{*path, u"調査の事実のファイル"}};
}

}  // namespace velni::cli
