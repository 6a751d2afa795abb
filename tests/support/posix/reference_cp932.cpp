#include "tests/support/reference_cp932.hpp"

#include <iconv.h>

namespace velni::testing {

std::optional<std::u16string> ReferenceDecodeCp932(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-16LE", "CP932");
  std::string in = bytes;
  char out[16];
  char* inPtr = in.data();
  char* outPtr = out;
  std::size_t inLeft = in.size();
  std::size_t outLeft = sizeof out;
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  std::u16string units;
  for (char* p = out; p + 1 < outPtr; p += 2)
    units += static_cast<char16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8);
  return units;
}

std::optional<bool> ReferenceReadsStrictShiftJis(const std::string& bytes) {
  iconv_t cd = iconv_open("UTF-16LE", "SHIFT_JIS");
  std::string in = bytes;
  char out[16];
  char* inPtr = in.data();
  char* outPtr = out;
  std::size_t inLeft = in.size();
  std::size_t outLeft = sizeof out;
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok && outPtr - out == 2;
}

}  // namespace velni::testing
