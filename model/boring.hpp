#pragma once
// One boring as read from its three source files, before anything is written.
//
// The readers fill a Boring whole (or fail, and then nothing is written and no
// table changes); the output passes write from it; later uses (checking a boring,
// drawing its log, the exchange file) read the same model. Plain data only: no file
// access, no table lookups, no failure handling, no window types.
//
// Reading rules the model keeps: every record of every source file is read into the
// one record buffer (RecordFields, fields 1 to 40) and that buffer is never cleared,
// so a record with fewer fields than 40 still shows, beyond its own fields, what an
// earlier record left there (an earlier record of the same file, or of a file read
// before it: the main data file, then the remarks file, then the penetration-test
// file). Each record below is a snapshot of the whole buffer right after that record
// was read, so a writer handed one snapshot sees exactly what it saw when the passes
// read the files themselves.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "text/num_or_text.hpp"

namespace velni {

// The bound of the record buffer: a record announcing more fields is the
// subscript failure.
inline constexpr int kRecordFieldLimit = 40;

// The record buffer right after one record was read: fields[1] to fields[40];
// fields[0] is never used, so that field numbers read as the file counts them.
using RecordFieldsSnapshot = std::array<std::u16string, kRecordFieldLimit + 1>;

// One record of a record section, for example one layer.
struct SourceRecord {
  // Its place in its section, from 1: what a message names ("層データ 3 件目").
  std::int64_t number = 0;
  RecordFieldsSnapshot fields;
};

// How the readers name the records of each section in messages; the passes and
// later uses name records the same way.
namespace record_label {
inline constexpr char16_t kMainHeader[] = u"ヘッダ";
inline constexpr char16_t kHeaderFields[] = u"ヘッダ項目";
inline constexpr char16_t kLayer[] = u"層データ";
inline constexpr char16_t kListHeader[] = u"リスト見出し";
inline constexpr char16_t kListBlock1[] = u"リスト第1ブロック";
inline constexpr char16_t kListBlock2[] = u"リスト第2ブロック";
inline constexpr char16_t kListBlock3[] = u"リスト第3ブロック";
inline constexpr char16_t kRemarksHeader[] = u"備考ヘッダ";
inline constexpr char16_t kRemark[] = u"備考データ";
inline constexpr char16_t kPenetrationHeader[] = u"貫入試験ヘッダ";
inline constexpr char16_t kPenetrationTest[] = u"貫入試験データ";
}  // namespace record_label

// The header record of the main data file: five number-or-text fields as read
// (a quoted field stays text, an empty one stays empty).
struct MainDataHeaderRecord {
  NumOrText first;            // field 1: not used by the conversion
  NumOrText headerFieldCount;  // field 2: header fields that follow (at most 40)
  NumOrText layerCount;       // field 3: records of the layer section
  NumOrText fourth;           // field 4: not used by the conversion
  NumOrText layerFieldCount;  // field 5: fields of each layer record (at most 40)
};

// The header record of the second section: three number-or-text fields as read.
struct ListHeaderRecord {
  NumOrText recordCount;  // field 1: records in each of the three blocks
  NumOrText fieldCount;   // field 2: fields of each list record (at most 40)
  NumOrText third;        // field 3: only tested for 0
};

// The main data file "MDT….JDF".
struct MainData {
  std::u16string path;  // as the run names it (the source path given)

  MainDataHeaderRecord header;
  // The header fields H(1) to H(headerFieldCount) in fields[1..]; the rest empty
  // (nothing was read before them). The title fields are mapped from these.
  RecordFieldsSnapshot headerFields;

  // True when the layer count and the layer field count both differ from 0; when
  // false nothing was read for the section and `layers` is empty.
  bool hasLayerSection = false;
  // The layer field count as a whole number (0 without the section).
  std::int64_t layerFieldCount = 0;
  // One record per layer, in file order; fields[1] is the layer's first field
  // (its depth), fields[2] the soil name, fields[4] the range text.
  std::vector<SourceRecord> layers;

  ListHeaderRecord listHeader;
  // True when the list record count and the third value both differ from 0; when
  // false nothing was read after the list header and the blocks are empty.
  bool hasListSection = false;
  // The list field count as a whole number (0 without the section).
  std::int64_t listFieldCount = 0;
  // The three blocks of the second section in file order, each of the list record
  // count of records. Every record read is kept, also one whose tested field is
  // empty (the passes drop those): block 1 is coded through L10.TXT (field 3 tested),
  // blocks 2 and 3 are dated lists (field 1 tested).
  std::array<std::vector<SourceRecord>, 3> listBlocks;

  // True when the file holds more than its counts let the conversion read: records
  // after those announced, which the conversion does not see.
  bool recordsLeft = false;
};

// The header record of the remarks file.
struct RemarksHeaderRecord {
  NumOrText first;        // field 1: not used by the conversion
  NumOrText recordCount;  // field 2: remarks records
  NumOrText fieldCount;   // field 3: fields of each remarks record (at most 40)
};

// The remarks file "KDT….JDF".
struct RemarksFile {
  std::u16string path;

  RemarksHeaderRecord header;
  // True when the record count and the field count both differ from 0; when false
  // nothing was read after the header and `records` is empty.
  bool hasRecords = false;
  std::int64_t fieldCount = 0;
  // Every remarks record in file order: fields[1] is the depth text, already cut
  // at its first ")" (the parenthesis, what follows it and the blanks before it
  // dropped, as the buffer held it afterwards); fields[2] is the remark (a record
  // with an empty remark is kept; the passes drop it).
  std::vector<SourceRecord> records;

  // True when records follow those the counts let the conversion read.
  bool recordsLeft = false;
};

// The header record of the penetration-test file.
struct PenetrationHeaderRecord {
  NumOrText kind;         // field 1: the kind of test; only 100 is converted
  NumOrText recordCount;  // field 2: test records
  NumOrText fieldCount;   // field 3: fields of each test record (at most 40)
  NumOrText fourth;       // field 4: not used by the conversion
};

// The penetration-test file "NDT….JDF".
struct PenetrationFile {
  std::u16string path;

  PenetrationHeaderRecord header;
  // True when the kind is the number 100 (a quoted "100" included), the standard
  // penetration test; when false nothing was read after the header and `tests` is
  // empty.
  bool isStandardPenetration = false;
  std::int64_t fieldCount = 0;
  // Every test record in file order: fields[1] the depth, fields[2] to fields[5]
  // the main entry and the three partial entries.
  std::vector<SourceRecord> tests;

  // True when a standard penetration test file holds records after those its
  // count lets the conversion read.
  bool recordsLeft = false;
};

// A whole boring: the three source files in the order they are read.
struct Boring {
  MainData main;
  RemarksFile remarks;
  PenetrationFile penetration;
};

}  // namespace velni
