#include <cstdint>
#include <string>

#include "files/open_files.hpp"
#include "run/normalise_n12.hpp"
#include "run/passes.hpp"
#include "text/output_file.hpp"
#include "writers/remarks.hpp"

namespace velni {

namespace {

// The rows of N12.TXT, one line per row of every remark that has a text; kept in
// memory, read back as the file would be. Returns whether any remark was written.
bool WriteRemarkRows(const RemarksFile& remarks, const std::u16string& n12Name, std::string& rows) {
  OutputFile n12(n12Name, rows);
  std::int16_t lineNo = 1;
  bool wroteAny = false;
  for (const SourceRecord& remark : remarks.records) {
    if (remark.fields[2].empty()) continue;  // a depth without a remark
    WrapRemarks(n12, lineNo, remark.fields[1], remark.fields[2]);
    wroteAny = true;
  }
  n12.Close();
  return wroteAny;
}

}  // namespace

// N12.TXT becomes X12.TXT through N12.TMP, both in memory. With no remark written
// there is nothing to normalise and no X12.TXT.
void RunRemarksPass(RunContext& run) {
  const RemarksFile& remarks = run.boring.remarks;
  if (!remarks.hasRecords) return;
  const std::u16string n12Name = run.OutputFolder + u"N12.TXT";
  std::string rows;
  if (!WriteRemarkRows(remarks, n12Name, rows)) return;
  OutputFile x12 = CreateOutputFile(run.OutputFolder + u"X12.TXT");
  NormaliseN12(x12, n12Name, rows);
  x12.Close();
}

}  // namespace velni
