#include <cstdint>

#include "files/open_files.hpp"
#include "run/passes.hpp"
#include "run/record_fields.hpp"
#include "text/output_file.hpp"
#include "writers/penetration.hpp"

namespace velni {

void RunPenetrationPass(RunContext& run) {
  const PenetrationFile& penetration = run.boring.penetration;
  if (!penetration.isStandardPenetration) return;
  OutputFile x5 = CreateOutputFile(run.OutputFolder + u"X5.TXT");
  std::int16_t lineNo = 1;
  for (const SourceRecord& test : penetration.tests) WritePenetrationRecord(x5, lineNo, AsTextArray(test.fields));
  x5.Close();
}

}  // namespace velni
