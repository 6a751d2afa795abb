#pragma once
// What the source files cannot say about a survey, as the user states it once in a
// survey facts file for the exchange XML: the company and its staff, the standard,
// the publication flag, how the position was taken, the purpose and target, the
// number of borings. Each fact is a value to write as it stands; an empty text is a
// fact not given (its element stays empty).
//
// The file: one fact a line, "key = value", the key the element's name (調査目的,
// 調査会社_名称, …); "#" starts a comment line; blank lines are skipped; blanks around
// key and value are dropped. UTF-8 (with or without its byte-order mark) or code
// page 932. The company's and the staff's names may instead be taken from a header
// field of the main data file, given by its number: "調査会社_名称の項目 = 24".
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/boring.hpp"

namespace velni {

// The name the window looks for beside a boring and in the folders above it.
inline constexpr char16_t kSurveyFactsFileName[] = u"survey-facts.txt";

// The staff roles of the survey company, in the order of the exchange file.
inline constexpr std::array<const char16_t*, 4> kStaffRoles = {u"主任技師", u"現場代理人", u"コア鑑定者",
                                                               u"ボーリング責任者"};

// A name stated in the file, or the header field that holds it for each boring
// (a field that is blank in a boring leaves the stated value).
struct NamedFact {
  std::u16string value;
  std::size_t headerField = 0;  // 1 to 40; 0 when none is given
};

struct SurveyFacts {
  std::u16string standard;         // 適用規格
  std::u16string publicFlag;       // 公開フラグ_コード
  std::u16string purpose;          // 調査目的
  std::u16string target;           // 調査対象
  std::u16string boringCount;      // ボーリング総数
  std::u16string boringNumber;     // ボーリング連番
  std::u16string positionMethod;   // 取得方法コード
  std::u16string readingAccuracy;  // 読取精度コード
  std::u16string geodeticSystem;   // 測地系
  std::u16string logStyle;         // 柱状図様式
  NamedFact company;               // 調査会社_名称
  std::u16string companyPhone;     // 調査会社_TEL
  std::array<NamedFact, kStaffRoles.size()> staff;  // in the order of kStaffRoles
};

// The facts of a file's text. A line that is not a fact stops with a RunError
// naming `path` and the line ("3 行目") and saying what is wrong with it.
SurveyFacts ParseSurveyFacts(std::u16string_view text, const std::u16string& path);

// The facts of the file at `path`; none when there is no file there (no error).
// A file that cannot be read, or holds bytes neither UTF-8 nor code page 932, or
// a malformed line, is a RunError naming it.
std::optional<SurveyFacts> ReadSurveyFacts(const std::u16string& path);

// The file named `name` nearest to the boring of `sourcePath`: in its folder, else
// in the folder above, and so on up to and including `topFolder` (with or without
// its final separator; empty: up to the root); none when no folder on the way
// holds one.
std::optional<std::u16string> NearestSurveyFacts(const std::u16string& sourcePath, const std::u16string& name,
                                                 const std::u16string& topFolder);

// The facts of the file of the default name nearest above the boring of
// `sourcePath` (up to the root); none when there is none. A malformed one is a
// RunError as above.
SurveyFacts SurveyFactsAbove(const std::u16string& sourcePath);

// The name for one boring: its header field when given and not blank, else the value.
std::u16string NameOf(const NamedFact& fact, const RecordFieldsSnapshot& header);

}  // namespace velni
