#pragma once
// The codes that new soil names would get, worked out without writing a table.
#include <string>
#include <vector>

namespace velni {

// The codes that registering `newNames` (distinct, none in the tables) one after
// the other would give, read from the extended table at `extendedTablePath`. Each
// new entry goes in before the first line of code 4000 or more, so the next one
// follows it: successive names get successive codes, except that a name given 4000
// leaves the next one the same code.
std::vector<std::u16string> ForecastSoilCodes(const std::u16string& extendedTablePath,
                                              const std::vector<std::u16string>& newNames);

}  // namespace velni
