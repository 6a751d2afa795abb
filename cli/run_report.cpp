#include "cli/run_report.hpp"

#include <iostream>

#include <nlohmann/json.hpp>

#include "platform/durable_file.hpp"
#include "platform/host_path.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

using nlohmann::json;

const char* StatusOf(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Completed: return "converted";
    case RunOutcome::Refused: return "refused";
    case RunOutcome::Failed: break;
  }
  return "failed";
}

json Texts(const auto& texts) {
  json array = json::array();
  for (const std::u16string& text : texts) array.push_back(ToUtf8(text));
  return array;
}

json BoringObject(const ReportedBoring& boring) {
  const RunResult& result = boring.result;
  json soilNames = json::array();
  for (const NewSoilName& soil : result.newSoilNames) {
    soilNames.push_back({{"name", ToUtf8(soil.name)}, {"code", ToUtf8(soil.code)}});
  }
  return {{"source", ToUtf8(boring.source)},
          {"destination", ToUtf8(boring.destination)},
          {"status", StatusOf(result.outcome)},
          {"message", boring.message},
          {"filesWritten", Texts(result.filesWritten)},
          {"counts",
           {{"layers", result.layers},
            {"listRecords", result.listRecords},
            {"remarks", result.remarks},
            {"tests", result.tests}}},
          {"newSoilNames", soilNames},
          {"controlLines", Texts(result.controlLines)}};
}

}  // namespace

std::string ReportJson(const std::vector<ReportedBoring>& borings) {
  json report = json::array();
  for (const ReportedBoring& boring : borings) report.push_back(BoringObject(boring));
  return report.dump(2) + "\n";
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
  if (path == kStandardOutputName) {
    std::cout << text << std::flush;
    return !std::cout.fail();
  }
  const std::u16string file = FromUtf8(path);
  try {
    fs::ReplaceDurably(file, FileNameOf(file) + u".tmp", text);
    return true;
  } catch (const RunError&) {
    return false;
  }
}

bool WriteReport(const std::string& path, const std::vector<ReportedBoring>& borings) {
  return WriteWholeFile(path, ReportJson(borings));
}

}  // namespace velni::cli
