#pragma once
// --survey-facts FILE: which survey facts file applies to a boring, and its facts.
// A file that is not there is no error: the facts are then none.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "exchange/survey_facts.hpp"
#include "run/protected_files.hpp"

namespace velni::cli {

// For a boring exported or checked alone (`surveyFolder` empty): the file as given.
// For a boring of a batch over `surveyFolder`: the nearest file of the given file's
// name from the boring's folder up to the survey folder, else the file as given.
// None without the option.
std::optional<std::u16string> SurveyFactsPathFor(const std::optional<std::string>& option,
                                                 const std::u16string& source,
                                                 const std::u16string& surveyFolder = {});

// The facts of that file; none without one. A malformed file is a RunError naming
// the file and its line.
SurveyFacts SurveyFactsFrom(const std::optional<std::u16string>& path);

// A batch numbers its borings itself: ボーリング総数 is its count, ボーリング連番 a
// boring's place in its order (`index` from 0).
SurveyFacts NumberedInBatch(SurveyFacts facts, std::size_t index, std::size_t total);

// What --verbose says of the facts file: used, or not there; empty without one.
std::u16string SurveyFactsLine(const std::optional<std::u16string>& path);

// The facts file as an output must not replace it.
std::vector<ProtectedFile> SurveyFactsFile(const std::optional<std::u16string>& path);

}  // namespace velni::cli
