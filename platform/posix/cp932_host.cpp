#include "text/cp932_host.hpp"

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace velni {
namespace {

// One iconv conversion descriptor.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv CP932 missing");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The whole input converted, or nothing when any part of it is not convertible.
  std::optional<std::string> Convert(std::string_view input) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in(input);
    char out[16];
    char* inPtr = in.data();
    char* outPtr = out;
    std::size_t inLeft = in.size();
    std::size_t outLeft = sizeof out;
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
    if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
    return std::string(out, outPtr);
  }

 private:
  iconv_t cd_;
};

}  // namespace

struct HostCp932::Converters {
  Converter decoder{"UTF-16LE", "CP932"};
  Converter encoder{"CP932", "UTF-16LE"};
};

HostCp932::HostCp932() : converters_(std::make_unique<Converters>()) {}
HostCp932::~HostCp932() = default;

std::optional<char16_t> HostCp932::Decode(std::string_view code) {
  const auto utf16 = converters_->decoder.Convert(code);
  if (!utf16 || utf16->size() != 2) return std::nullopt;
  return static_cast<char16_t>(static_cast<unsigned char>((*utf16)[0]) |
                               static_cast<unsigned char>((*utf16)[1]) << 8);
}

std::optional<std::uint16_t> HostCp932::Encode(char16_t c) {
  const char utf16[] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  const auto bytes = converters_->encoder.Convert(std::string_view(utf16, 2));
  if (!bytes || bytes->empty() || bytes->size() > 2) return std::nullopt;
  const auto b0 = static_cast<unsigned char>((*bytes)[0]);
  return bytes->size() == 1 ? b0 : static_cast<std::uint16_t>(b0 << 8 | static_cast<unsigned char>((*bytes)[1]));
}

}  // namespace velni
