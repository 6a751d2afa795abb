#include "run/remark_rows.hpp"

#include <cstdint>

#include "model/record_positions.hpp"
#include "run/normalise_n12.hpp"
#include "text/input_file.hpp"
#include "text/record_position.hpp"
#include "text/run_error.hpp"
#include "writers/remarks.hpp"

namespace velni {
namespace {

RunError AtRemark(const RemarksFile& remarks, const SourceRecord& remark, std::int64_t field,
                  const std::u16string& what) {
  return RunError(what, remarks.path,
                  RecordPosition(record_label::kRemark, remark.number,
                                 static_cast<std::int64_t>(remarks.records.size()), field));
}

// Whether the first N12.TXT line of a remark reads back as the three fields it was
// written as: counter, depth, row.
bool DepthReadsBack(const std::u16string& depth) {
  std::string bytes;
  {
    OutputFile line(u"", bytes);
    std::int16_t lineNo = 1;
    WrapRemarks(line, lineNo, depth, u"x");
    line.Close();
  }
  InputFile back = InputFile::FromBytes(u"", bytes);
  try {
    std::u16string field;
    for (int i = 0; i < 3; ++i) back.ReadField(field);
  } catch (const RunError&) {
    return false;
  }
  return back.AtEnd();
}

// The remark whose depth broke the reading back: the first one N12.TXT cannot carry.
RunError ReadBackFailure(const RemarksFile& remarks, const RunError& cause) {
  for (const SourceRecord& remark : remarks.records) {
    if (remark.fields[remark_field::kText].empty() || DepthReadsBack(remark.fields[remark_field::kDepth])) continue;
    return AtRemark(remarks, remark, remark_field::kDepth,
                    u"深度「" + remark.fields[remark_field::kDepth] +
                        u"」は「,」や改行を含むため、記事を X12.TXT に書けません（記事の行を読み戻すと項目がずれます）。");
  }
  return RunError(cause.What(), remarks.path);
}

}  // namespace

bool WriteRemarkRows(const RemarksFile& remarks, const std::u16string& n12Name, std::string& rows) {
  OutputFile n12(n12Name, rows);
  std::int16_t lineNo = 1;
  bool wroteAny = false;
  for (const SourceRecord& remark : remarks.records) {
    if (remark.fields[remark_field::kText].empty()) continue;  // a depth without a remark
    try {
      WrapRemarks(n12, lineNo, remark.fields[remark_field::kDepth], remark.fields[remark_field::kText]);
    } catch (const RunError& error) {
      throw AtRemark(remarks, remark, remark_field::kText,
                     error.What() + u" 記事の行が 32766 行を超えるため、X12.TXT に書けません。");
    }
    wroteAny = true;
  }
  n12.Close();
  return wroteAny;
}

void WriteJoinedRemarks(OutputFile& x12, const RemarksFile& remarks, const std::u16string& n12Name,
                        const std::string& rows) {
  try {
    NormaliseN12(x12, n12Name, rows);
  } catch (const RunError& error) {
    if (error.Path() != n12Name) throw;  // X12.TXT itself could not be written
    throw ReadBackFailure(remarks, error);
  }
}

}  // namespace velni
