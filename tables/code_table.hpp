#pragma once
// A code table of the data folder (L4.TXT, L8.TXT, L9.TXT, L10.TXT): records of a
// code and a key, read whole at the start of a run and searched by key.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velni {

class CodeTable {
 public:
  // `upper` is the table's record limit; a record beyond it is the subscript
  // failure. `fieldsPerRecord` counts a field that is read and dropped (L8.TXT
  // has three).
  CodeTable(std::u16string fileName, int upper, int fieldsPerRecord = 2);

  // Reads the table from the data folder (given with its final separator) in place
  // of what was loaded. Empty lines and blanks after the last record end it; a
  // missing file, a last record without its key or one record too many is the
  // run-time failure naming the file and record.
  void Load(const std::u16string& dataFolderPath);
  // One more record; beyond the limit it is the subscript failure.
  void Append(std::u16string_view code, std::u16string_view key);

  // The code of the first record whose key is exactly `key`, as a whole number in
  // 16 bits (beyond that, the overflow failure); nullopt when no key matches.
  std::optional<std::int16_t> CodeOf(std::u16string_view key) const;
  // Whether a record has exactly `key` (its code not looked at).
  bool Has(std::u16string_view key) const;

  int Count() const { return static_cast<int>(codes_.size()); }
  int Upper() const { return upper_; }
  const std::u16string& FileName() const { return fileName_; }
  // Record `record` (from 1) as read: the code stays text.
  const std::u16string& Code(int record) const { return codes_.at(static_cast<std::size_t>(record - 1)); }
  const std::u16string& Key(int record) const { return keys_.at(static_cast<std::size_t>(record - 1)); }

 private:
  std::u16string fileName_;
  int upper_;
  int fieldsPerRecord_;
  std::vector<std::u16string> codes_;
  std::vector<std::u16string> keys_;
};

// The four code tables a run loads before it reads the boring.
struct CodeTables {
  CodeTable l4{u"L4.TXT", 50};
  CodeTable l9{u"L9.TXT", 50};
  CodeTable l8{u"L8.TXT", 50, 3};
  CodeTable l10{u"L10.TXT", 40};

  // Loads L4.TXT, L9.TXT, L8.TXT and L10.TXT in this order.
  void Load(const std::u16string& dataFolderPath);
};

}  // namespace velni
