#include "run/passes.hpp"
#include "writers/title_sheets.hpp"

namespace velni {

void WriteTitleSheetsPass(RunContext& run) {
  const auto failure =
      WriteTitleSheets(run.Title1Fields, run.Title2Fields, run.OutputFolder, run.DataFolderPath);
  if (!failure) return;
  // The later passes lose nothing by this, so the run goes on and reports it at
  // its end instead of the completion.
  run.DeferredFailures.push_back(
      {u"表題シート " + failure->sheetPath + u" を書き出せませんでした。\n" + failure->cause.Message()});
}

}  // namespace velni
