#include "exchange/survey_facts.hpp"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "text/cp932.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

enum class Kind {
  Text,
  Count,        // a whole number from 1
  Code,         // digits only
  HeaderField,  // 1 to 40
};

struct Key {
  std::u16string name;
  Kind kind;
  std::u16string* target;
  std::size_t* field = nullptr;  // for Kind::HeaderField
};

// Every key of the file, each pointing at the fact it sets in `facts`.
std::vector<Key> KeysOf(SurveyFacts& facts) {
  std::vector<Key> keys = {
      {u"適用規格", Kind::Text, &facts.standard},        {u"公開フラグ_コード", Kind::Code, &facts.publicFlag},
      {u"調査目的", Kind::Text, &facts.purpose},         {u"調査対象", Kind::Text, &facts.target},
      {u"ボーリング総数", Kind::Count, &facts.boringCount}, {u"ボーリング連番", Kind::Count, &facts.boringNumber},
      {u"取得方法コード", Kind::Code, &facts.positionMethod}, {u"読取精度コード", Kind::Code, &facts.readingAccuracy},
      {u"測地系", Kind::Text, &facts.geodeticSystem},    {u"柱状図様式", Kind::Text, &facts.logStyle},
      {u"調査会社_TEL", Kind::Text, &facts.companyPhone},
  };
  const auto addNamed = [&keys](const std::u16string& name, NamedFact& fact) {
    keys.push_back({name, Kind::Text, &fact.value});
    keys.push_back({name + u"の項目", Kind::HeaderField, nullptr, &fact.headerField});
  };
  addNamed(u"調査会社_名称", facts.company);
  for (std::size_t i = 0; i < kStaffRoles.size(); ++i) {
    // The role alone (as 3.00 names it) or with 4.00's "_氏名".
    addNamed(std::u16string(u"調査会社_") + kStaffRoles[i], facts.staff[i]);
    addNamed(std::u16string(u"調査会社_") + kStaffRoles[i] + u"_氏名", facts.staff[i]);
  }
  return keys;
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\u3000'; }

std::u16string Trimmed(std::u16string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return std::u16string(text);
}

bool AllDigits(const std::u16string& text) {
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return !text.empty();
}

// What is wrong with `value` for a key of `kind`; empty when nothing. An empty
// value is a fact not given, whatever its kind.
std::u16string ValueFault(const std::u16string& key, const std::u16string& value, Kind kind) {
  if (value.empty() || kind == Kind::Text) return {};
  const std::u16string said = u"「" + key + u"」の値「" + value + u"」は";
  const double number = AllDigits(value) ? ParseDouble(value).value_or(-1) : -1;  // -1: not digits
  if (kind == Kind::Code && number < 0) return said + u"数字だけのコードではありません。";
  if (kind == Kind::Count && number < 1) return said + u"1 以上の整数ではありません。";
  if (kind == Kind::HeaderField && (number < 1 || number > kRecordFieldLimit)) {
    return said + u"ヘッダ項目の番号（1～40）ではありません。";
  }
  return {};
}

class FactsParser {
 public:
  explicit FactsParser(const std::u16string& path) : path_(path), keys_(KeysOf(facts_)) {}

  void Line(std::u16string_view line, std::int64_t number) {
    const std::u16string text = Trimmed(line);
    if (text.empty() || text.front() == u'#') return;
    const std::size_t equals = text.find_first_of(u"=＝");
    if (equals == std::u16string::npos) Fail(u"「項目名 = 値」の形になっていません。", number);
    const std::u16string key = Trimmed(std::u16string_view(text).substr(0, equals));
    const std::u16string value = Trimmed(std::u16string_view(text).substr(equals + 1));
    Set(key, value, number);
  }

  const SurveyFacts& Facts() const { return facts_; }

 private:
  const Key* Find(const std::u16string& key) const {
    for (const Key& known : keys_) {
      if (known.name == key) return &known;
    }
    return nullptr;
  }

  void Set(const std::u16string& key, const std::u16string& value, std::int64_t number) {
    const Key* known = Find(key);
    if (known == nullptr) {
      Fail(u"「" + key + u"」という項目名はありません（要素名で書きます。例: 調査目的 = 橋梁基礎の設計）。", number);
    }
    // Two names of one fact (a role with and without "_氏名") count as one key.
    const void* fact = known->field != nullptr ? static_cast<const void*>(known->field) : known->target;
    if (const auto seen = seenOn_.find(fact); seen != seenOn_.end()) {
      Fail(u"「" + key + u"」の事実は " + DecimalText(seen->second) + u" 行目にもあります。", number);
    }
    if (const std::u16string fault = ValueFault(key, value, known->kind); !fault.empty()) Fail(fault, number);
    seenOn_[fact] = number;
    if (known->field != nullptr) {
      *known->field = value.empty() ? 0 : static_cast<std::size_t>(ParseDouble(value).value_or(0));
    } else {
      *known->target = value;
    }
  }

  [[noreturn]] void Fail(const std::u16string& what, std::int64_t line) const {
    throw RunError(u"調査の事実のファイルの行が正しくありません: " + what, path_, DecimalText(line) + u" 行目");
  }

  std::u16string path_;
  SurveyFacts facts_;
  std::vector<Key> keys_;
  std::map<const void*, std::int64_t> seenOn_;  // the line that set each fact
};

std::int64_t LineOf(std::u16string_view text, std::size_t position) {
  std::int64_t line = 1;
  for (std::size_t i = 0; i < position; ++i) line += text[i] == u'\n' ? 1 : 0;
  return line;
}

// UTF-8 when the bytes are valid UTF-8 (with or without the byte-order mark),
// otherwise code page 932: a code-page-932 text with kana or kanji is practically
// never valid UTF-8.
std::u16string DecodeFacts(std::string_view bytes, const std::u16string& path) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::u16string text = FromUtf8(bytes);
  if (ToUtf8(text) == bytes) return text;
  text = DecodeCp932(bytes);
  if (const std::size_t bad = text.find(u'\uFFFD'); bad != std::u16string::npos) {
    throw RunError(u"調査の事実のファイルに UTF-8 でもコードページ 932 でもない文字があります。", path,
                   DecimalText(LineOf(text, bad)) + u" 行目");
  }
  return text;
}

}  // namespace

SurveyFacts ParseSurveyFacts(std::u16string_view text, const std::u16string& path) {
  FactsParser parser(path);
  std::int64_t number = 1;
  for (std::size_t start = 0; start <= text.size(); ++number) {
    const std::size_t end = std::min(text.find(u'\n', start), text.size());
    parser.Line(text.substr(start, end - start), number);
    start = end + 1;
  }
  return parser.Facts();
}

std::optional<SurveyFacts> ReadSurveyFacts(const std::u16string& path) {
  if (!fs::Exists(path)) return std::nullopt;
  return ParseSurveyFacts(DecodeFacts(fs::ReadWholeFile(path), path), path);
}

std::optional<std::u16string> NearestSurveyFacts(const std::u16string& sourcePath, const std::u16string& name,
                                                 const std::u16string& topFolder) {
  const std::u16string top = topFolder.empty() ? u"" : WithFinalSeparator(topFolder);
  for (std::u16string folder = FolderHolding(sourcePath); !folder.empty() && folder.starts_with(top);) {
    if (fs::IsFile(folder + name)) return folder + name;
    const std::u16string above = FolderHolding(folder);
    if (above.size() >= folder.size()) break;  // the root
    folder = above;
  }
  return std::nullopt;
}

SurveyFacts SurveyFactsAbove(const std::u16string& sourcePath) {
  const std::optional<std::u16string> path = NearestSurveyFacts(sourcePath, kSurveyFactsFileName, u"");
  return path ? ReadSurveyFacts(*path).value_or(SurveyFacts{}) : SurveyFacts{};
}

std::u16string NameOf(const NamedFact& fact, const RecordFieldsSnapshot& header) {
  if (fact.headerField > 0 && fact.headerField < header.size()) {
    std::u16string named = Trimmed(header[fact.headerField]);
    if (!named.empty()) return named;
  }
  return fact.value;
}

}  // namespace velni
