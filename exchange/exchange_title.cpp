// The basic and title branches: the title block of the boring as the title sheets
// show it, from the header fields of the main data file.
#include <array>
#include <initializer_list>
#include <optional>

#include "exchange/exchange_parts.hpp"
#include "exchange/exchange_values.hpp"
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

void AddEmpty(XmlElement& parent, std::initializer_list<const char16_t*> names) {
  for (const char16_t* name : names) parent.Add(name);
}

void AddAngle(const std::u16string& prefix, const std::u16string& field, int largestDegrees, XmlElement& parent) {
  const std::array<std::u16string, 3> parts = ExchangeAngle(field, largestDegrees);
  parent.AddText(prefix + u"_度", parts[0]);
  parent.AddText(prefix + u"_分", parts[1]);
  parent.AddText(prefix + u"_秒", parts[2]);
}

void AddSurvey(const Fields& h, XmlElement& title) {
  XmlElement& survey = title.Add(u"調査基本情報");
  survey.AddText(u"調査名", Field(h, header::kSurveyName));
  AddEmpty(survey, {u"調査目的", u"調査対象"});
  survey.AddText(u"ボーリング名", Field(h, header::kBoringName));
  AddEmpty(survey, {u"ボーリング総数", u"ボーリング連番"});
}

void AddCoordinates(const Fields& h, XmlElement& title) {
  XmlElement& angles = title.Add(u"経度緯度情報");
  AddAngle(u"経度", h[header::kLongitude], kLargestLongitude, angles);
  AddAngle(u"緯度", h[header::kLatitude], kLargestLatitude, angles);
  AddEmpty(angles, {u"取得方法コード", u"読取精度コード", u"測地系"});
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

// The source names no company roles, so the company's elements stay empty.
void AddCompany(const ExchangeNames& names, XmlElement& title) {
  XmlElement& company = title.Add(u"調査会社");
  AddEmpty(company, {u"調査会社_名称", u"調査会社_TEL"});
  for (const char16_t* role : {u"主任技師", u"現場代理人", u"コア鑑定者", u"ボーリング責任者"}) {
    company.Add(std::u16string(u"調査会社_") + role + names.staffSuffix);
  }
}

// An optional element is left out when the field gives no value for it.
void AddIfAny(XmlElement& parent, const char16_t* name, const std::optional<std::u16string>& value) {
  if (value && !value->empty()) parent.AddText(name, *value);
}

// Elevation and length only when they are numbers: a name in their place is no
// height (the check warns of it).
void AddBoringBasics(const Fields& h, const ExchangeNames& names, XmlElement& title) {
  XmlElement& boring = title.Add(u"ボーリング基本情報");
  boring.AddText(u"孔口標高", TwoDecimals(h[header::kElevation], true));
  boring.AddText(names.totalLength, TwoDecimals(h[header::kTotalDepth], false));
  boring.Add(u"柱状図様式");
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

void AddBasicInformation(const ExchangeNames& names, XmlElement& root) {
  XmlElement& basic = root.Add(u"基礎情報");
  basic.Add(u"適用規格");
  if (names.publicFlag) basic.Add(u"公開フラグ").Add(u"公開フラグ_コード");
}

void AddTitleInformation(const MainData& main, const ExchangeNames& names, const CalendarDate& exportDay,
                         XmlElement& root) {
  const Fields& h = main.headerFields;
  XmlElement& title = root.Add(u"標題情報");
  AddSurvey(h, title);
  AddCoordinates(h, title);
  AddSite(h, title);
  AddClientAndPeriod(h, exportDay, title);
  AddCompany(names, title);
  AddBoringBasics(h, names, title);
  AddEquipment(h, title);
}

}  // namespace velni
