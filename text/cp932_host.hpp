#pragma once
// The host's own converter of code page 932, asked once per code while the
// tables of text/cp932 are built: iconv's CP932 on POSIX, MultiByteToWideChar and
// WideCharToMultiByte with code page 932 on Windows. Its implementations live in
// platform/posix and platform/windows; the tables themselves, and where they
// depart from a host's converter, stay in text/cp932.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace velni {

class HostCp932 {
 public:
  HostCp932();
  ~HostCp932();
  HostCp932(const HostCp932&) = delete;
  HostCp932& operator=(const HostCp932&) = delete;

  // The one UTF-16 unit that a code of one or two bytes decodes to; none when the
  // host reads no single character there.
  std::optional<char16_t> Decode(std::string_view code);
  // The code (one byte, or lead byte times 256 plus trail byte) the host writes
  // the character as; none when it has no form of its own (no best fit).
  std::optional<std::uint16_t> Encode(char16_t c);

 private:
  struct Converters;
  std::unique_ptr<Converters> converters_;
};

}  // namespace velni
