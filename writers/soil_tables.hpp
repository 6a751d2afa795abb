#pragma once
// The soil-name tables of the data folder: KISHITU.TXT (the soil-name table) and
// XKISHITU.TXT (the extended table). Each entry is six fields: the code, the soil
// name and four attribute texts that the system carries without reading them.
// Every operation opens and closes its own table files; nothing is kept in memory,
// so an entry added for one layer is found by the next.
#include <array>
#include <optional>
#include <string>

namespace velni {

struct SoilEntry {
  std::array<std::u16string, 6> fields;

  const std::u16string& Code() const { return fields[0]; }
  const std::u16string& Name() const { return fields[1]; }
};

// Where the soil-name routines find their tables and leave the marker file.
struct SoilTableFolders {
  std::u16string dataFolderPath;  // with its final separator
  std::u16string programFolder;   // PATADD.txt goes here
};

// Table names as the lookups spell them; every spelling names the same file.
inline constexpr char16_t kSoilTableLookupName[] = u"KISHITU.txt";
inline constexpr char16_t kExtendedTableLookupName[] = u"XKISHITU.txt";
inline constexpr char16_t kSoilTableName[] = u"KISHITU.TXT";
inline constexpr char16_t kExtendedTableName[] = u"XKISHITU.TXT";
inline constexpr char16_t kExtendedWorkFileName[] = u"XKISHITU.TMP";
inline constexpr char16_t kMarkerFileName[] = u"PATADD.txt";

// A band of codes, both bounds excluded.
struct SoilBand {
  float lower;
  float upper;
};
inline constexpr SoilBand kBandB1{4999, 5500};
inline constexpr SoilBand kBandB2{999, 4000};
inline constexpr SoilBand kBandB3{0, 1000};

// The part of a table name that a soil name must equal: up to the first "（".
std::u16string MatchName(const std::u16string& tableName);

// A soil name as the tables hold it: a double quotation mark cannot stand inside a
// quoted field, so it is stored as "＂".
std::u16string TableFormOfName(const std::u16string& soilName);

// One table line (without its line end): the six fields joined by commas; a field
// that would not read back as the same one field is quoted.
std::u16string SoilEntryLine(const SoilEntry& entry);

// The first entry of `tableName` whose code lies inside `band` and whose match name
// equals `soilName`, with its name cut to the match name.
std::optional<SoilEntry> FindSoilName(const SoilTableFolders& folders, const std::u16string& tableName,
                                      SoilBand band, const std::u16string& soilName);

// Gives `soilName` a new code and inserts it into the extended table before its
// first line of code 4000 or more; returns the new entry.
SoilEntry RegisterSoilName(const SoilTableFolders& folders, const std::u16string& soilName);

// Appends `entry` to the soil-name table and makes sure the marker file exists.
void AppendSoilEntry(const SoilTableFolders& folders, const SoilEntry& entry);

}  // namespace velni
