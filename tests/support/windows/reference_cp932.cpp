#include "tests/support/reference_cp932.hpp"

#include <windows.h>

namespace velni::testing {

std::optional<std::u16string> ReferenceDecodeCp932(const std::string& bytes) {
  wchar_t out[16];
  const int length =
      ::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out, 16);
  if (length <= 0) return std::nullopt;
  return std::u16string(out, out + length);
}

std::optional<bool> ReferenceReadsStrictShiftJis(const std::string&) { return std::nullopt; }

}  // namespace velni::testing
