#include "tables/title_code_names.hpp"

#include "model/title_slots.hpp"
#include "platform/file_system.hpp"
#include "tables/table_scan.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {

bool IsGivenCode(std::u16string_view code) {
  const std::u16string trimmed = TrimBlanks(code);
  return trimmed == u"0" || trimmed == u"０" || NumOrZero(code) > 0;
}

std::u16string LookupCodeName(const std::u16string& tablePath, std::u16string_view code) {
  if (!IsGivenCode(code)) return {};
  if (!fs::Exists(tablePath)) return {};
  const float wanted = NumOrZero(code);
  const auto found =
      FindFirstRecord(tablePath, [wanted](const TableRecord& record) { return NumOrZero(record.field1) == wanted; });
  return found ? found->field2 : std::u16string();
}

TitleCodeNames LookUpTitleCodeNames(const std::u16string& dataFolderPath, const TextArray& title1Fields) {
  TitleCodeNames names;
  names.first = LookupCodeName(dataFolderPath + u"L1.TXT", title1Fields[title1_slot::kFirstCode]);
  names.second = LookupCodeName(dataFolderPath + u"L3.TXT", title1Fields[title1_slot::kSecondCode]);
  names.third = LookupCodeName(dataFolderPath + u"L2.TXT", title1Fields[title1_slot::kThirdCode]);
  return names;
}

}  // namespace velni
