// The basic and title branches: the title block of the boring as the title sheets
// show it, from the header fields of the main data file, and what the source cannot
// say from the survey facts.
#include <array>
#include <optional>

#include "exchange/exchange_parts.hpp"
#include "exchange/exchange_values.hpp"
#include "exchange/survey_facts.hpp"
#include "model/exact_position.hpp"
#include "model/header_fields.hpp"
#include "text/fixed_width.hpp"

namespace velni {
namespace {

namespace header = header_field;

using Fields = RecordFieldsSnapshot;

std::u16string Field(const Fields& h, std::size_t position) { return TrimBlanks(h[position]); }

// Empty unless it is a day that can be.
std::u16string DateOf(const PeriodDay& day) { return day.date ? DateText(*day.date) : std::u16string(); }

void AddAngle(const std::u16string& prefix, const std::u16string& field, int largestDegrees, XmlElement& parent) {
  const std::array<std::u16string, 3> parts = ExchangeAngle(field, largestDegrees);
  parent.AddText(prefix + u"_度", parts[0]);
  parent.AddText(prefix + u"_分", parts[1]);
  parent.AddText(prefix + u"_秒", parts[2]);
}

void AddSurvey(const Fields& h, const SurveyFacts& facts, XmlElement& title) {
  XmlElement& survey = title.Add(u"調査基本情報");
  survey.AddText(u"調査名", Field(h, header::kSurveyName));
  survey.AddText(u"調査目的", facts.purpose);
  survey.AddText(u"調査対象", facts.target);
  survey.AddText(u"ボーリング名", Field(h, header::kBoringName));
  survey.AddText(u"ボーリング総数", facts.boringCount);
  survey.AddText(u"ボーリング連番", facts.boringNumber);
}

void AddCoordinates(const Fields& h, const SurveyFacts& facts, XmlElement& title) {
  XmlElement& angles = title.Add(u"経度緯度情報");
  AddAngle(u"経度", h[header::kLongitude], kLargestLongitude, angles);
  AddAngle(u"緯度", h[header::kLatitude], kLargestLatitude, angles);
  angles.AddText(u"取得方法コード", facts.positionMethod);
  angles.AddText(u"読取精度コード", facts.readingAccuracy);
  angles.AddText(u"測地系", facts.geodeticSystem);
}

void AddSite(const Fields& h, XmlElement& title) {
  XmlElement& site = title.Add(u"調査位置");
  site.AddText(u"調査位置住所", Field(h, header::kSite));
  const std::array<std::u16string, 3> mesh = MeshCodeParts(h[header::kLatitude], h[header::kLongitude]);
  site.AddText(u"コード1次", mesh[0]);
  site.AddText(u"コード2次", mesh[1]);
  site.AddText(u"コード3次", mesh[2]);
}

void AddClientAndPeriod(const Fields& h, const CalendarDate& exportDay, XmlElement& title) {
  XmlElement& client = title.Add(u"発注機関");
  client.AddText(u"発注機関名称", Field(h, header::kClient));
  client.Add(u"テクリスコード");
  XmlElement& period = title.Add(u"調査期間");
  const SurveyPeriod days = ReadSurveyPeriod(h, exportDay);
  period.AddText(u"調査期間_開始年月日", DateOf(days.start));
  period.AddText(u"調査期間_終了年月日", DateOf(days.end));
}

// The source does not say which header field holds the company or whom, so the
// names come from the survey facts (a value, or the header field they name).
void AddCompany(const Fields& h, const SurveyFacts& facts, const ExchangeNames& names, XmlElement& title) {
  XmlElement& company = title.Add(u"調査会社");
  company.AddText(u"調査会社_名称", NameOf(facts.company, h));
  company.AddText(u"調査会社_TEL", facts.companyPhone);
  for (std::size_t i = 0; i < kStaffRoles.size(); ++i) {
    company.AddText(std::u16string(u"調査会社_") + kStaffRoles[i] + names.staffSuffix, NameOf(facts.staff[i], h));
  }
}

// An optional element is left out when the field gives no value for it.
void AddIfAny(XmlElement& parent, const char16_t* name, const std::optional<std::u16string>& value) {
  if (value && !value->empty()) parent.AddText(name, *value);
}

// Elevation and length only when they are numbers: a name in their place is no
// height (the check warns of it).
void AddBoringBasics(const Fields& h, const SurveyFacts& facts, const ExchangeNames& names, XmlElement& title) {
  XmlElement& boring = title.Add(u"ボーリング基本情報");
  boring.AddText(u"孔口標高", TwoDecimals(h[header::kElevation], true));
  boring.AddText(names.totalLength, TwoDecimals(h[header::kTotalDepth], false));
  boring.AddText(u"柱状図様式", facts.logStyle);
  AddIfAny(boring, names.drillingAngle, DrillingAngle(h[header::kAngle]));
}

// No header field is known to hold the machine's capacity (試錐機_能力): left out.
void AddEquipment(const Fields& h, XmlElement& title) {
  XmlElement& machine = title.Add(u"試錐機");
  machine.AddText(u"試錐機_名称", Field(h, header::kMachine));
  AddIfAny(machine, u"試錐機_方法", Field(h, header::kDrillingMethod));
  title.Add(u"エンジン").Add(u"エンジン_名称");
  title.Add(u"ポンプ").Add(u"ポンプ_名称");
}

}  // namespace

void AddBasicInformation(const SurveyFacts& facts, const ExchangeNames& names, XmlElement& root) {
  XmlElement& basic = root.Add(u"基礎情報");
  basic.AddText(u"適用規格", facts.standard);
  if (names.publicFlag) basic.Add(u"公開フラグ").AddText(u"公開フラグ_コード", facts.publicFlag);
}

void AddTitleInformation(const MainData& main, const SurveyFacts& facts, const ExchangeNames& names,
                         const CalendarDate& exportDay,
                         XmlElement& root) {
  const Fields& h = main.headerFields;
  XmlElement& title = root.Add(u"標題情報");
  AddSurvey(h, facts, title);
  AddCoordinates(h, facts, title);
  AddSite(h, title);
  AddClientAndPeriod(h, exportDay, title);
  AddCompany(h, facts, names, title);
  AddBoringBasics(h, facts, names, title);
  AddEquipment(h, title);
}

}  // namespace velni
