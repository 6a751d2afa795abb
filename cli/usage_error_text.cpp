#include "cli/usage_error_text.hpp"

#include <CLI/CLI.hpp>

namespace velni::cli {
namespace {

// The part after "prefix" (the arguments the parser lists), or after the first ": ".
std::string After(const std::string& text, const std::string& prefix) {
  const std::size_t at = text.find(prefix);
  if (at != std::string::npos) return text.substr(at + prefix.size());
  const std::size_t colon = text.find(": ");
  return colon == std::string::npos ? text : text.substr(colon + 2);
}

// The name before " separator " in the parser's text ("--yes excludes --no").
std::string Before(const std::string& text, const std::string& separator) { return text.substr(0, text.find(separator)); }

std::string OptionName(const std::string& text) { return text.substr(0, text.find(':')); }

}  // namespace

std::string UsageErrorText(const CLI::ParseError& error) {
  const std::string text = error.what();
  if (dynamic_cast<const CLI::ExtrasError*>(&error)) return "余分な引数があります: " + After(text, "expected: ");
  if (dynamic_cast<const CLI::ExcludesError*>(&error)) {
    return Before(text, " excludes ") + " と " + After(text, " excludes ") + " は一緒に指定できません。";
  }
  if (dynamic_cast<const CLI::RequiresError*>(&error)) {
    return Before(text, " requires ") + " には " + After(text, " requires ") + " も指定してください。";
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
    if (text.find(" missing") != std::string::npos) return OptionName(text) + " の値がありません。";
    return OptionName(text) + " に渡す値の数が正しくありません。";
  }
  if (dynamic_cast<const CLI::RequiredError*>(&error)) return Before(text, " is required") + " を指定してください。";
  if (dynamic_cast<const CLI::ValidationError*>(&error)) return OptionName(text) + " の値が正しくありません。";
  if (dynamic_cast<const CLI::ConversionError*>(&error)) {
    if (text.find("too many inputs for a flag") != std::string::npos) return OptionName(text) + " は値をとりません。";
    return "オプションの値を読み取れません。";
  }
  return "コマンドラインを読み取れません。";
}

}  // namespace velni::cli
