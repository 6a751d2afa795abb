#include "tables/title_code_lookups.hpp"

#include "model/title_slots.hpp"
#include "tables/table_scan.hpp"
#include "text/fixed_width.hpp"
#include "text/width_conversion.hpp"

namespace velni {
namespace {

constexpr char16_t kNoCode[] = u"  ";
constexpr char16_t kNoNumber[] = u"        ";

// Capitals of the letters a code can carry: ASCII, full-width Latin (which the
// half-width conversion leaves alone), Greek and Cyrillic.
char16_t ToCapital(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
  if (c >= u'ａ' && c <= u'ｚ') return static_cast<char16_t>(c - 0x20);
  if (c >= u'α' && c <= u'ω' && c != u'ς') return static_cast<char16_t>(c - 0x20);
  if (c >= u'а' && c <= u'я') return static_cast<char16_t>(c - 0x20);
  if (c == u'ё') return u'Ё';
  return c;
}

std::u16string ToCapitals(std::u16string text) {
  for (char16_t& c : text) c = ToCapital(c);
  return text;
}

bool IsNumeric(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'-' || c == u'.'; }

// A search for an empty text finds it in any non-empty field, and nothing in an
// empty one.
bool Contains(const std::u16string& field, const std::u16string& part) {
  return !field.empty() && field.find(part) != std::u16string::npos;
}

}  // namespace

CodeAndNumber CodeAndNumberSplit(std::u16string_view firstHeaderField) {
  const std::u16string s = TrimBlanks(ToCapitals(ToHalfWidth(firstHeaderField)));
  CodeAndNumber split;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (IsNumeric(s[i])) {
      split.number = s.substr(i);
      break;
    }
    if (s[i] != u' ') split.code += s[i];
  }
  return split;
}

void FillFirstCodeFields(const std::u16string& dataFolderPath, std::u16string_view firstHeaderField,
                         TextArray& title1Fields) {
  const CodeAndNumber split = CodeAndNumberSplit(firstHeaderField);
  // Only an H(1) that is empty after trimming leaves both parts empty.
  if (split.code.empty() && split.number.empty()) {
    title1Fields[title1_slot::kFirstCode] = kNoCode;
    title1Fields[title1_slot::kBoringNumber] = kNoNumber;
    return;
  }
  title1Fields[title1_slot::kFirstCode].clear();
  title1Fields[title1_slot::kBoringNumber] = split.number;
  const std::u16string code = ToFullWidth(split.code);
  const auto found = FindFirstRecord(dataFolderPath + u"L1.TXT",
                                     [&](const TableRecord& record) { return record.field2 == code; });
  std::u16string& firstCode = title1Fields[title1_slot::kFirstCode];
  if (found) firstCode = found->field1;
  if (firstCode.empty()) firstCode = kNoCode;
}

std::u16string LookUpThirdCode(const std::u16string& dataFolderPath, std::u16string_view firstHeaderField) {
  const std::u16string fullWidth = ToFullWidth(firstHeaderField);
  const std::u16string halfWidth = ToHalfWidth(firstHeaderField);
  const auto found = FindFirstRecord(dataFolderPath + u"L2.TXT", [&](const TableRecord& record) {
    return Contains(record.field2, halfWidth) || Contains(record.field2, fullWidth);
  });
  if (!found || found->field1.empty()) return kNoCode;
  return found->field1;
}

}  // namespace velni
