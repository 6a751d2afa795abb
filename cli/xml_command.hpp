#pragma once
// velni2qx-cli --xml: the boring exchange file of one boring, or with --batch of
// every boring of a survey. Only the exchange files are written: no output file of
// the conversion, no table (the data folder is not needed).
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/verbosity.hpp"

namespace velni::cli {

struct XmlRequest {
  std::string output;  // the file, or with `batch` the folder
  std::string version = "4.00";
  std::optional<std::string> surveyFacts;  // --survey-facts
  bool batch = false;
  std::string source;  // the boring's file, or with `batch` the survey folder
  Verbosity verbosity = Verbosity::Normal;
};

// Returns the exit status.
int RunXmlCommand(const XmlRequest& request, std::ostream& out, std::ostream& errors);

inline constexpr char16_t kXmlWritten[] = u"交換用データを書き出しました。";
inline constexpr char16_t kXmlStopped[] = u"書き出しを中止しました。";
inline constexpr char16_t kXmlNoSource[] = u"変換元ファイルがありません: ";
inline constexpr char16_t kXmlEmptyElement[] = u"値のない必須要素: ";

}  // namespace velni::cli
