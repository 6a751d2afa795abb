// The remarks and the standard penetration tests of an exchange file into the
// records of the remarks file and of the penetration-test file.
#include <algorithm>
#include <optional>

#include "model/penetration_entry.hpp"
#include "model/record_positions.hpp"
#include "readers/exchange_sections.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

constexpr std::int64_t kRemarkFieldCount = 2;
constexpr std::int64_t kTestFieldCount = 5;
constexpr double kStandardPenetration = 100;  // the only kind of test the conversion reads

constexpr char16_t kRowMark = u'\uFF20';  // ＠, the source's row break inside a remark

// The format's line break, the two characters "\n", is the source's row mark.
std::u16string SourceRemarkText(const std::u16string& text) {
  std::u16string remark;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool lineBreak = text[i] == u'\\' && i + 1 < text.size() && text[i + 1] == u'n';
    remark += lineBreak ? kRowMark : text[i];
    if (lineBreak) ++i;
  }
  return remark;
}

struct Remark {
  double depth = 0;
  SourceRecord record;
};

void AddRemarks(const ExchangeSource& source, const XmlNode& core, std::u16string_view name,
                std::u16string_view depthName, std::u16string_view textName, std::vector<Remark>& remarks) {
  for (const XmlNode* node : ChildrenOf(core, name)) {
    Remark remark;
    remark.record.fields[remark_field::kDepth] = RequiredDepth(source, *node, depthName);
    remark.record.fields[remark_field::kText] = SourceRemarkText(ChildText(*node, textName));
    remark.depth = ParseDouble(remark.record.fields[remark_field::kDepth]).value_or(0);
    remarks.push_back(std::move(remark));
  }
}

bool IsPlainDecimal(std::u16string_view text) {
  std::size_t points = 0;
  for (char16_t c : text) {
    if (c == u'.') {
      ++points;
    } else if (c < u'0' || c > u'9') {
      return false;
    }
  }
  return !text.empty() && points <= 1 && text.front() != u'.' && text.back() != u'.';
}

// Millimetres into centimetres on the digits, so that no rounding creeps in: 200
// gives 20, 105 gives 10.5, 5 gives 0.5. Another text stays as it is.
std::u16string Centimetres(const std::u16string& penetration, bool inMillimetres) {
  if (!inMillimetres || !IsPlainDecimal(penetration)) return penetration;
  std::u16string digits = penetration;
  std::size_t point = digits.find(u'.');
  if (point == std::u16string::npos) {
    point = digits.size();
  } else {
    digits.erase(point, 1);
  }
  for (; point < 2; ++point) digits.insert(digits.begin(), u'0');
  digits.insert(point - 1, 1, u'.');
  while (digits.back() == u'0') digits.pop_back();
  if (digits.back() == u'.') digits.pop_back();
  while (digits.size() > 1 && digits[0] == u'0' && digits[1] != u'.') digits.erase(0, 1);
  return digits;
}

// "blows", or "blows/penetration" when the penetration is not the entry's usual one.
std::u16string EntryText(const XmlNode& test, const std::u16string& prefix, double usualCentimetres,
                         bool inMillimetres) {
  const std::u16string blows = ChildText(test, prefix + u"打撃回数");
  if (blows.empty()) return {};
  const std::u16string centimetres = Centimetres(ChildText(test, prefix + u"貫入量"), inMillimetres);
  const std::optional<double> value = ParseDouble(centimetres);
  if (centimetres.empty() || (value && *value == usualCentimetres)) return blows;
  return blows + u'/' + centimetres;
}

SourceRecord TestRecord(const ExchangeSource& source, const XmlNode& test) {
  const bool mm = source.names.penetrationInMillimetres;
  SourceRecord record;
  record.fields[test_field::kDepth] = RequiredDepth(source, test, u"標準貫入試験_開始深度");
  record.fields[test_field::kMainEntry] = EntryText(test, u"標準貫入試験_合計", kMainDrivePenetration, mm);
  for (std::size_t i = 0; i < test_field::kPartialEntries; ++i) {
    record.fields[test_field::kFirstPartialEntry + i] =
        EntryText(test, source.names.increments[i], kPartialDrivePenetration, mm);
  }
  return record;
}

}  // namespace

// Observations and notes by their lower depth, an observation before a note of the
// same depth.
void ReadExchangeRemarks(const ExchangeSource& source, const XmlNode& core, RemarksFile& remarks) {
  std::vector<Remark> read;
  AddRemarks(source, core, u"観察記事", u"観察記事_下端深度", u"観察記事_記事", read);
  const std::size_t observations = read.size();
  AddRemarks(source, core, u"備考", u"備考_下端深度", u"備考_備考内容", read);
  if (read.size() > observations) {
    std::stable_sort(read.begin(), read.end(), [](const Remark& a, const Remark& b) { return a.depth < b.depth; });
  }
  for (Remark& remark : read) {
    remark.record.number = static_cast<std::int64_t>(remarks.records.size()) + 1;
    remarks.records.push_back(std::move(remark.record));
  }
  remarks.header.first = NumOrText::Number(1);
  remarks.header.recordCount = NumOrText::Number(static_cast<double>(remarks.records.size()));
  remarks.header.fieldCount = NumOrText::Number(kRemarkFieldCount);
  remarks.hasRecords = !remarks.records.empty();
  remarks.fieldCount = remarks.hasRecords ? kRemarkFieldCount : 0;
}

void ReadExchangeTests(const ExchangeSource& source, const XmlNode& core, PenetrationFile& penetration) {
  for (const XmlNode* test : ChildrenOf(core, u"標準貫入試験")) {
    penetration.tests.push_back(TestRecord(source, *test));
    penetration.tests.back().number = static_cast<std::int64_t>(penetration.tests.size());
  }
  penetration.header.kind = NumOrText::Number(kStandardPenetration);
  penetration.header.recordCount = NumOrText::Number(static_cast<double>(penetration.tests.size()));
  penetration.header.fieldCount = NumOrText::Number(kTestFieldCount);
  penetration.header.fourth = NumOrText::Number(0);
  penetration.isStandardPenetration = true;
  penetration.fieldCount = kTestFieldCount;
}

}  // namespace velni
