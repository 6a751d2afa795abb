#include "readers/boring_reader.hpp"
#include "run/passes.hpp"
#include "run/record_fields.hpp"
#include "run/title_fields.hpp"
#include "run/writing_faults.hpp"

namespace velni {

// What would stop the writing stops the run now, named at its source. A delivered
// exchange file is read into the same model as the source's three files.
void ReadBoringPass(RunContext& run) {
  run.boring = ReadAnyBoring(run.SourcePath, run.SourceFileName);
  const std::vector<RunError> faults = WritingFaults(run.boring);
  if (!faults.empty()) throw faults.front();
}

void MapTitleFields(RunContext& run) {
  FillTitleFields(AsTextArray(run.boring.main.headerFields), run.DataFolderPath, run.Title1Fields,
                  run.Title2Fields);
}

}  // namespace velni
