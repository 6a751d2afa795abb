#include "exchange/exchange_version.hpp"

namespace velni {
namespace {

constexpr ExchangeNames kVersion400 = {
    u"4.00",
    u"BED0400.DTD",
    u"総削孔長",
    u"角度",
    u"工学的地質区分名現場土質名",
    u"工学的地質区分名現場土質名_下端深度",
    u"工学的地質区分名現場土質名_工学的地質区分名現場土質名",
    u"工学的地質区分名現場土質名_岩石群",
    u"工学的地質区分名現場土質名_岩石群コード",
    u"工学的地質区分名現場土質名_岩石土コード",
    {u"標準貫入試験_0_100", u"標準貫入試験_100_200", u"標準貫入試験_200_300"},
    u"_氏名",
    u"孔内水位_削孔状況コード",
    u"削孔工程",
    u"削孔工程_測定年月日",
    u"削孔工程_削孔深度",
    true,
    true,
};

constexpr ExchangeNames kVersion300 = {
    u"3.00",
    u"BED0300.DTD",
    u"総掘進長",
    u"掘進角度",
    u"岩石土区分",
    u"岩石土区分_下端深度",
    u"岩石土区分_岩石土名",
    u"岩石土区分_岩石群",
    u"岩石土区分_岩石群コード",
    u"岩石土区分_岩石土コード",
    {u"標準貫入試験_0_10", u"標準貫入試験_10_20", u"標準貫入試験_20_30"},
    u"",
    u"孔内水位_掘削状況コード",
    u"掘削工程",
    u"掘削工程_測定年月日",
    u"掘削工程_掘進深度",
    false,
    false,
};

}  // namespace

std::optional<ExchangeVersion> ExchangeVersionOf(std::string_view text) {
  if (text == "4.00") return ExchangeVersion::V400;
  if (text == "3.00") return ExchangeVersion::V300;
  return std::nullopt;
}

const ExchangeNames& NamesOf(ExchangeVersion version) {
  return version == ExchangeVersion::V400 ? kVersion400 : kVersion300;
}

}  // namespace velni
