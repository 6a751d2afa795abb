// The title block of an exchange file into the header fields of the main data file,
// in the source's own forms: era years, angles as DD.MMSS, 鉛直 and 水平.
#include <array>
#include <optional>

#include "model/exact_position.hpp"
#include "model/header_fields.hpp"
#include "model/survey_dates.hpp"
#include "readers/exchange_sections.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

namespace header = header_field;

// The company and the first two staff roles go into the header fields that the
// title sheets print after the machine (Titl02.txt lines 25 to 27).
constexpr std::size_t kCompany = header::kCopied24;
constexpr std::array<std::size_t, 2> kStaffFields = {header::kCopied25, header::kCopied26};
constexpr std::array<const char16_t*, 2> kStaffRoles = {u"調査会社_主任技師", u"調査会社_現場代理人"};

// The header fields the title sheets read: what the main data file of a source
// boring announces.
constexpr int kHeaderFieldCount = 32;

std::u16string Number(std::u16string_view digits) {
  const std::optional<double> value = ParseDouble(digits);
  return value ? DecimalText(static_cast<std::int64_t>(*value)) : std::u16string();
}

// "1999-06-14" into an era year, a month and a day without leading zeros; nothing
// for a text that is no such date or a year no era year gives.
void PutDate(const std::u16string& date, std::size_t yearField, RecordFieldsSnapshot& h) {
  if (date.size() != 10 || date[4] != u'-' || date[7] != u'-') return;
  const std::optional<double> year = ParseDouble(std::u16string_view(date).substr(0, 4));
  if (!year) return;
  const std::u16string era = EraYearText(static_cast<int>(*year));
  const std::u16string month = Number(std::u16string_view(date).substr(5, 2));
  const std::u16string day = Number(std::u16string_view(date).substr(8, 2));
  if (era.empty() || month.empty() || day.empty()) return;
  h[yearField] = era;
  h[yearField + 1] = month;
  h[yearField + 2] = day;
}

void PutAngle(const XmlNode& angles, const std::u16string& prefix, int largest, std::u16string& field) {
  field = AngleFieldText(ChildText(angles, prefix + u"_度"), ChildText(angles, prefix + u"_分"),
                         ChildText(angles, prefix + u"_秒"), largest)
              .value_or(u"");
}

void ReadSurvey(const XmlNode& title, RecordFieldsSnapshot& h) {
  if (const XmlNode* survey = ChildOf(title, u"調査基本情報")) {
    h[header::kBoringName] = ChildText(*survey, u"ボーリング名");
    h[header::kSurveyName] = ChildText(*survey, u"調査名");
  }
  if (const XmlNode* site = ChildOf(title, u"調査位置")) h[header::kSite] = ChildText(*site, u"調査位置住所");
  if (const XmlNode* client = ChildOf(title, u"発注機関")) h[header::kClient] = ChildText(*client, u"発注機関名称");
  if (const XmlNode* period = ChildOf(title, u"調査期間")) {
    PutDate(ChildText(*period, u"調査期間_開始年月日"), header::kStartYear, h);
    PutDate(ChildText(*period, u"調査期間_終了年月日"), header::kEndYear, h);
  }
  if (const XmlNode* angles = ChildOf(title, u"経度緯度情報")) {
    PutAngle(*angles, u"緯度", kLargestLatitude, h[header::kLatitude]);
    PutAngle(*angles, u"経度", kLargestLongitude, h[header::kLongitude]);
  }
}

std::u16string AngleWord(const std::u16string& degrees) {
  if (degrees == u"90") return u"鉛直";
  if (degrees == u"0") return u"水平";
  return degrees;
}

void ReadBoringFacts(const ExchangeReadNames& names, const XmlNode& title, RecordFieldsSnapshot& h) {
  if (const XmlNode* basics = ChildOf(title, u"ボーリング基本情報")) {
    h[header::kElevation] = ChildText(*basics, u"孔口標高");
    h[header::kTotalDepth] = ChildText(*basics, names.totalLength);
    h[header::kAngle] = AngleWord(ChildText(*basics, names.drillingAngle));
  }
  if (const XmlNode* machine = ChildOf(title, u"試錐機")) {
    h[header::kMachine] = ChildText(*machine, u"試錐機_名称");
    h[header::kDrillingMethod] = ChildText(*machine, u"試錐機_方法");
  }
  if (const XmlNode* company = ChildOf(title, u"調査会社")) {
    h[kCompany] = ChildText(*company, u"調査会社_名称");
    for (std::size_t i = 0; i < kStaffFields.size(); ++i) {
      h[kStaffFields[i]] = ChildText(*company, kStaffRoles[i] + std::u16string(names.staffSuffix));
    }
  }
}

}  // namespace

void ReadExchangeTitle(const ExchangeSource& source, const XmlNode& root, MainData& main) {
  main.header.first = NumOrText::Number(1);
  main.header.headerFieldCount = NumOrText::Number(kHeaderFieldCount);
  main.header.fourth = NumOrText::Number(0);
  const XmlNode* title = ChildOf(root, u"標題情報");
  if (title == nullptr) return;
  ReadSurvey(*title, main.headerFields);
  ReadBoringFacts(source.names, *title, main.headerFields);
}

}  // namespace velni
