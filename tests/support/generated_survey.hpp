#pragma once
// A generated survey for benchmarks and batch tests: borings of about 100 layers,
// 30 penetration tests and 10 remarks each, against soil-name tables of known names.
// Most layers carry a known name, one in ten a name with "（" (half of them new),
// one in 250 a plain new name.
#include <filesystem>
#include <random>
#include <set>
#include <string>

namespace velni::testing {

std::string KnownSoilName(int i);

// Both tables of `data` made to hold the same `entries` known names.
void MakeSoilTables(const std::filesystem::path& data, int entries);

// One boring `id` in `folder`; the new names it carries join `newNames`.
void MakeGeneratedBoring(const std::filesystem::path& folder, const std::string& id, std::mt19937& random,
                         int knownNames, std::set<std::string>& newNames);

// `borings` borings in sites of 50 under `survey`; returns the new names they carry.
std::set<std::string> MakeGeneratedSurvey(const std::filesystem::path& survey, int borings, int knownNames,
                                          unsigned seed);

}  // namespace velni::testing
