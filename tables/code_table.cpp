#include "tables/code_table.hpp"

#include <algorithm>
#include <utility>

#include "files/open_files.hpp"
#include "text/input_file.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {

CodeTable::CodeTable(std::u16string fileName, int upper, int fieldsPerRecord)
    : fileName_(std::move(fileName)), upper_(upper), fieldsPerRecord_(fieldsPerRecord) {}

void CodeTable::Load(const std::u16string& dataFolderPath) {
  InputFile file = ReadInputFile(dataFolderPath + fileName_);
  codes_.clear();
  keys_.clear();
  std::u16string code;
  std::u16string key;
  std::u16string dropped;
  for (std::int64_t record = 1; !file.AtEndOfRecords(); ++record) {
    file.BeginRecord(u"レコード", record);
    if (record > upper_) file.Fail(failure::kSubscriptOutOfRange);
    file.ReadField(code);
    file.ReadField(key);
    for (int field = 3; field <= fieldsPerRecord_; ++field) file.ReadField(dropped);
    Append(code, key);
  }
}

void CodeTable::Append(std::u16string_view code, std::u16string_view key) {
  if (Count() >= upper_) throw RunError(failure::kSubscriptOutOfRange, fileName_);
  codes_.emplace_back(code);
  keys_.emplace_back(key);
}

std::optional<std::int16_t> CodeTable::CodeOf(std::u16string_view key) const {
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i] == key) return WholeCode(NumOrZero(codes_[i]));
  }
  return std::nullopt;
}

bool CodeTable::Has(std::u16string_view key) const {
  return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

void CodeTables::Load(const std::u16string& dataFolderPath) {
  for (CodeTable* table : {&l4, &l9, &l8, &l10}) table->Load(dataFolderPath);
}

}  // namespace velni
