#include "tables/soil_code_forecast.hpp"

#include "tables/extended_table.hpp"

namespace velni {
namespace {

constexpr int kInsertBeforeCode = 4000;

std::u16string FourDigits(int code) {
  const std::string number = "0000" + std::to_string(code);
  return std::u16string(number.end() - 4, number.end());
}

}  // namespace

std::vector<std::u16string> ForecastSoilCodes(const std::u16string& extendedTablePath,
                                              const std::vector<std::u16string>& newNames) {
  std::vector<std::u16string> codes;
  if (newNames.empty()) return codes;
  const std::u16string first = InsertIntoExtendedTable(extendedTablePath, newNames.front()).entry.Code();
  int code = std::stoi(std::string(first.begin(), first.end()));
  codes.push_back(first);
  for (std::size_t i = 1; i < newNames.size(); ++i) {
    if (code < kInsertBeforeCode) ++code;
    codes.push_back(FourDigits(code));
  }
  return codes;
}

}  // namespace velni
