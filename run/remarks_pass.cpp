#include <string>

#include "files/open_files.hpp"
#include "run/passes.hpp"
#include "run/remark_rows.hpp"
#include "text/output_file.hpp"

namespace velni {

// N12.TXT becomes X12.TXT through N12.TMP, both in memory. With no remark written
// there is nothing to normalise and no X12.TXT.
void RunRemarksPass(RunContext& run) {
  const RemarksFile& remarks = run.boring.remarks;
  if (!remarks.hasRecords) return;
  const std::u16string n12Name = run.OutputFolder + u"N12.TXT";
  std::string rows;
  if (!WriteRemarkRows(remarks, n12Name, rows)) return;
  OutputFile x12 = CreateOutputFile(run.OutputFolder + u"X12.TXT");
  WriteJoinedRemarks(x12, remarks, n12Name, rows);
  x12.Close();
}

}  // namespace velni
