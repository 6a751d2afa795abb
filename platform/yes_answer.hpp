#pragma once
// Whether an answer typed at the terminal means Yes: the locale's answers (in a
// Japanese locale "はい", "ｙ" and "y" alike), and the Japanese ones in any locale,
// since the question is asked in Japanese.
#include <string>

namespace velni {

bool IsYesAnswer(const std::string& utf8Reply);

}  // namespace velni
