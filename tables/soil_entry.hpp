#pragma once
// One entry of the soil-name tables KISHITU.TXT (the soil-name table) and
// XKISHITU.TXT (the extended table): the code, the soil name and four attribute
// texts that the system carries without reading them; and how an entry is matched
// and written.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velni {

struct SoilEntry {
  std::array<std::u16string, 6> fields;

  const std::u16string& Code() const { return fields[0]; }
  const std::u16string& Name() const { return fields[1]; }
};

// Table names as the lookups spell them; every spelling names the same file.
inline constexpr char16_t kSoilTableLookupName[] = u"KISHITU.txt";
inline constexpr char16_t kExtendedTableLookupName[] = u"XKISHITU.txt";
inline constexpr char16_t kSoilTableName[] = u"KISHITU.TXT";
inline constexpr char16_t kExtendedTableName[] = u"XKISHITU.TXT";
inline constexpr char16_t kExtendedWorkFileName[] = u"XKISHITU.TMP";
inline constexpr char16_t kMarkerFileName[] = u"PATADD.txt";
// Conversions sharing the data folder take turns on this file's lock.
inline constexpr char16_t kTableLockFileName[] = u"KISHITU.LCK";

// What a newly registered entry holds: a code from 2000 on and these attributes.
inline constexpr std::int16_t kFirstNewSoilCode = 2000;
inline constexpr char16_t kNewEntryBlankAttribute[] = u"    ";
inline constexpr char16_t kNewEntryLastAttribute[] = u"0000";

// A band of codes, both bounds excluded.
struct SoilBand {
  float lower;
  float upper;
};
inline constexpr SoilBand kBandB1{4999, 5500};
inline constexpr SoilBand kBandB2{999, 4000};
inline constexpr SoilBand kBandB3{0, 1000};
inline constexpr std::array<SoilBand, 3> kSoilBands{kBandB1, kBandB2, kBandB3};

// The band (0 for B1, 1 for B2, 2 for B3) of an entry's code value, none when the
// code lies in no band and the entry is never found.
std::optional<std::size_t> BandOf(const SoilEntry& entry);

// The part of a table name that a soil name must equal: up to the first "（".
std::u16string MatchName(const std::u16string& tableName);
std::size_t MatchNameLength(const std::u16string& tableName);

// An entry in the form a registration writes it (a four-digit code from 2000 to
// 3999, blank attributes and "0000") whose name holds "（". Its whole name was
// registered, so only its whole name finds it: its part before "（" is another soil
// name, whose code a registration must never take over (泥岩 stays 101 after
// 泥岩（新） was registered as 2004).
bool IsRegisteredWholeName(const SoilEntry& entry);

// A quoted soil name may span lines; its line ends are blanks wherever it is written
// (an X1.TXT line, a table entry), so that it stays one line.
std::u16string SoilNameOnOneLine(std::u16string soilName);

// A soil name as the tables hold it: a double quotation mark cannot stand inside a
// quoted field, so it is stored as "＂"; an entry is one line, so a line end (a
// quoted source field may span lines) is stored as a blank.
std::u16string TableFormOfName(const std::u16string& soilName);

// One table line (without its line end): the six fields joined by commas; a field
// that would not read back as the same one field is quoted.
std::u16string SoilEntryLine(const SoilEntry& entry);

// Why a soil name may not go into a table (a broken source can carry a name of
// megabytes or with control characters, which would slow or break every later
// lookup, or a character the table's code page cannot hold), or none when it may.
std::optional<std::u16string> WhyNotStorable(const std::u16string& soilName);

}  // namespace velni
