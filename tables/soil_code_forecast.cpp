#include "tables/soil_code_forecast.hpp"

#include "tables/extended_table.hpp"

namespace velni {

std::vector<std::u16string> ForecastSoilCodes(const std::u16string& extendedTablePath,
                                              const std::vector<std::u16string>& newNames) {
  std::vector<std::u16string> codes;
  if (newNames.empty()) return codes;
  codes.push_back(InsertIntoExtendedTable(extendedTablePath, newNames.front()).entry.Code());
  while (codes.size() < newNames.size()) codes.push_back(SoilCodeAfter(codes.back()));
  return codes;
}

}  // namespace velni
