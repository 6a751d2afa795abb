#include "check/boring_check.hpp"

#include <optional>

#include "check/boring_reading.hpp"
#include "check/layer_checks.hpp"
#include "check/soil_name_check.hpp"
#include "check/text_checks.hpp"
#include "run/passes.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// The code tables as a run loads them: a table that cannot be read is a fault.
bool LoadTables(RunContext& tables, CheckProblems& problems) {
  try {
    LoadCodeTables(tables);
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

void CheckMainData(const MainData& main, const RunContext& tables, bool tablesLoaded, SoilNameStore& store,
                   CheckProblems& problems) {
  CheckLayerDepths(main, problems);
  if (tablesLoaded) {
    CheckRangeKeys(main, {tables.L4Count, tables.L4Col2}, problems);
    CheckListKeys(main, {tables.L10Count, tables.L10Col2}, problems);
  }
  CheckSoilNamesSafely(main, store, problems);
}

}  // namespace

CheckProblems CheckBoring(const std::u16string& sourcePath, const std::u16string& dataFolderPath,
                          SoilNameStore* store) {
  CheckProblems problems;
  RunContext tables;
  tables.DataFolderPath = dataFolderPath;
  const bool tablesLoaded = LoadTables(tables, problems);
  const CheckedBoring checked = ReadBoringForCheck(sourcePath, problems);
  std::optional<SoilNameStore> ownStore;
  if (store == nullptr) store = &ownStore.emplace(SoilTableFolders{dataFolderPath, u""});

  const Boring& boring = checked.boring;
  if (checked.mainRead) CheckMainData(boring.main, tables, tablesLoaded, *store, problems);
  if (checked.remarksRead) CheckRemarkRows(boring.remarks, problems);
  if (checked.penetrationRead) CheckPenetrationEntries(boring.penetration, problems);
  CheckCp932Forms(boring, problems);
  CheckFixedWidths(boring, problems);
  return problems;
}

}  // namespace velni
