#include "readers/boring_reader.hpp"
#include "run/passes.hpp"
#include "run/record_fields.hpp"
#include "run/title_fields.hpp"

namespace velni {

void ReadBoringPass(RunContext& run) { run.boring = ReadBoring(run.SourcePath, run.SourceFileName); }

void MapTitleFields(RunContext& run) {
  FillTitleFields(AsTextArray(run.boring.main.headerFields), run.DataFolderPath, run.Title1Fields,
                  run.Title2Fields);
}

}  // namespace velni
