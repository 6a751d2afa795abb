#include "run/passes.hpp"
#include "run/title_sheet_files.hpp"

namespace velni {
namespace {

// Names the sheet once: the cause names it too when the sheet itself failed.
std::u16string DeferredMessage(const TitleSheetFailure& failure) {
  const bool causeNamesSheet = failure.cause.Path() == failure.sheetPath;
  const std::u16string sheet = causeNamesSheet ? u"" : u" " + failure.sheetPath + u" ";
  return u"表題シート" + sheet + u"を書き出せませんでした。\n" + failure.cause.Message();
}

}  // namespace

void WriteTitleSheetsPass(RunContext& run) {
  const auto failure =
      WriteTitleSheets(run.Title1Fields, run.Title2Fields, run.OutputFolder, run.DataFolderPath);
  // The later passes lose nothing by this, so the run goes on and reports it at
  // its end instead of the completion.
  if (failure) run.DeferredFailures.push_back({DeferredMessage(*failure)});
}

}  // namespace velni
