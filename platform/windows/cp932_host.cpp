#include "text/cp932_host.hpp"

#include <windows.h>

namespace velni {

constexpr UINT kCodePage = 932;

struct HostCp932::Converters {};

HostCp932::HostCp932() = default;
HostCp932::~HostCp932() = default;

std::optional<char16_t> HostCp932::Decode(std::string_view code) {
  wchar_t out[4] = {};
  const int length = ::MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, code.data(),
                                           static_cast<int>(code.size()), out, 4);
  if (length != 1) return std::nullopt;
  return static_cast<char16_t>(out[0]);
}

std::optional<std::uint16_t> HostCp932::Encode(char16_t c) {
  const wchar_t in = static_cast<wchar_t>(c);
  char out[4] = {};
  BOOL usedDefault = FALSE;
  const int length = ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &in, 1, out, 4, nullptr, &usedDefault);
  if (length < 1 || length > 2 || usedDefault) return std::nullopt;
  const auto b0 = static_cast<unsigned char>(out[0]);
  return length == 1 ? b0 : static_cast<std::uint16_t>(b0 << 8 | static_cast<unsigned char>(out[1]));
}

}  // namespace velni
