#include "platform/yes_answer.hpp"

#include <array>
#include <string_view>

#ifndef _WIN32
#include <clocale>
#include <cstdlib>
#endif

namespace velni {
namespace {

constexpr std::array<std::string_view, 9> kYes = {"y", "Y", "yes", "Yes", "YES", "ｙ", "Ｙ", "はい", "ハイ"};

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

#ifndef _WIN32
// The locale's own answers (its yes expression), read once from the environment.
bool LocaleSaysYes(const std::string& reply) {
  static const bool ready = std::setlocale(LC_MESSAGES, "") != nullptr;
  return ready && ::rpmatch(reply.c_str()) == 1;
}
#endif

}  // namespace

bool IsYesAnswer(const std::string& utf8Reply) {
  const std::string_view reply = Trimmed(utf8Reply);
  for (std::string_view yes : kYes) {
    if (reply == yes) return true;
  }
#ifndef _WIN32
  return LocaleSaysYes(std::string(reply));
#else
  return false;
#endif
}

}  // namespace velni
