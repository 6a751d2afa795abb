#include "check/boring_check.hpp"

#include <optional>

#include "check/boring_reading.hpp"
#include "check/count_checks.hpp"
#include "check/exchange_checks.hpp"
#include "check/layer_checks.hpp"
#include "check/soil_name_check.hpp"
#include "check/text_checks.hpp"
#include "run/writing_faults.hpp"
#include "tables/code_table.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// The code tables as a run loads them: a table that cannot be read is a fault.
bool LoadTables(CodeTables& tables, const std::u16string& dataFolderPath, CheckProblems& problems) {
  try {
    tables.Load(dataFolderPath);
    return true;
  } catch (const RunError& error) {
    problems.push_back({Severity::Fault, error.Path(), error.Where(), error.What()});
    return false;
  }
}

void CheckSoilNamesSafely(const MainData& main, SoilNameStore& store, CheckProblems& problems) {
  try {
    CheckSoilNames(main, store, problems);
  } catch (const RunError& error) {
    problems.push_back({Severity::Fault, error.Path(), error.Where(), error.What()});
  }
}

void CheckMainData(const MainData& main, const CodeTables& tables, bool tablesLoaded, SoilNameStore& store,
                   CheckProblems& problems) {
  CheckLayerDepths(main, problems);
  if (tablesLoaded) {
    CheckRangeKeys(main, tables.l4, problems);
    CheckListKeys(main, tables.l10, problems);
  }
  CheckSoilNamesSafely(main, store, problems);
}

// What would stop the conversion while writing, found as the run finds it.
void CheckWriting(const Boring& boring, CheckProblems& problems) {
  for (const RunError& fault : WritingFaults(boring)) {
    problems.push_back({Severity::Fault, fault.Path(), fault.Where(), fault.What()});
  }
}

}  // namespace

CheckProblems CheckBoring(const std::u16string& sourcePath, const std::u16string& dataFolderPath,
                          SoilNameStore* store, std::optional<ExchangeVersion> exchange, const SurveyFacts& facts) {
  CheckProblems problems;
  CodeTables tables;
  const bool tablesLoaded = LoadTables(tables, dataFolderPath, problems);
  const CheckedBoring checked = ReadBoringForCheck(sourcePath, problems);
  std::optional<SoilNameStore> ownStore;
  if (store == nullptr) store = &ownStore.emplace(SoilTableFolders{dataFolderPath});

  const Boring& boring = checked.boring;
  if (checked.mainRead) CheckMainData(boring.main, tables, tablesLoaded, *store, problems);
  if (checked.remarksRead) CheckRemarkRows(boring.remarks, problems);
  if (checked.penetrationRead) CheckPenetrationEntries(boring.penetration, problems);
  CheckCp932Forms(boring, problems);
  CheckFixedWidths(boring, problems);
  CheckWriting(boring, problems);
  CheckRecordsLeft(boring, problems);
  CheckCarriedFields(boring, problems);
  if (exchange && checked.mainRead) {
    const CheckProblems forExchange = CheckForExchange(boring, *exchange, facts);
    problems.insert(problems.end(), forExchange.begin(), forExchange.end());
  }
  return problems;
}

}  // namespace velni
