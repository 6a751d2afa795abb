#include "text/cp932.hpp"

#include "text/cp932_host.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace velni {

namespace {

constexpr char16_t kNoChar = 0xFFFF;       // never the decoding of a code
constexpr std::uint16_t kNoCode = 0xFFFF;  // FF never leads a code
constexpr char16_t kReplacement = 0xFFFD;

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

struct Tables {
  std::array<char16_t, 256> single{};
  std::vector<char16_t> pair = std::vector<char16_t>(0x10000, kNoChar);
  std::vector<std::uint16_t> encode = std::vector<std::uint16_t>(0x10000, kNoCode);
};

// The one UTF-16 unit that `bytes` decode to, if they decode to exactly one.
char16_t DecodeCode(HostCp932& host, std::string_view bytes) { return host.Decode(bytes).value_or(kNoChar); }

// Single bytes that are no character but that Windows' code page 932 maps one to
// one, so that they come through a conversion unchanged.
constexpr std::pair<unsigned char, char16_t> kCarriedBytes[] = {
    {0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};

void FillDecoding(HostCp932& decoder, Tables& t) {
  for (int b = 0; b < 0x100; ++b) {
    const char byte = static_cast<char>(b);
    t.single[b] = IsLeadByte(b) ? kNoChar : DecodeCode(decoder, std::string_view(&byte, 1));
  }
  for (const auto& [byte, c] : kCarriedBytes) {
    if (t.single[byte] == kNoChar) t.single[byte] = c;
  }
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(lead)) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (!IsTrailByte(trail)) continue;
      const char code[] = {static_cast<char>(lead), static_cast<char>(trail)};
      t.pair[lead << 8 | trail] = DecodeCode(decoder, std::string_view(code, 2));
    }
  }
}

// Characters that code page 932 defines twice are written as the code that the
// converter prefers (ED 40 reads as the character that is written FA 5C).
std::uint16_t PreferredCode(HostCp932& encoder, char16_t c, std::uint16_t firstCode) {
  return encoder.Encode(c).value_or(firstCode);
}

void FillEncoding(HostCp932& encoder, Tables& t) {
  auto add = [&](char16_t c, std::uint16_t code) {
    if (c == kNoChar || t.encode[c] != kNoCode) return;
    const std::uint16_t preferred = PreferredCode(encoder, c, code);
    const bool roundTrips = preferred < 0x100 ? t.single[preferred] == c : t.pair[preferred] == c;
    t.encode[c] = roundTrips ? preferred : code;
  };
  for (int b = 0; b < 0x100; ++b) add(t.single[b], static_cast<std::uint16_t>(b));
  for (int code = 0x8140; code < 0x10000; ++code) add(t.pair[code], static_cast<std::uint16_t>(code));
}

const Tables& GetTables() {
  static const Tables tables = [] {
    Tables t;
    HostCp932 host;
    FillDecoding(host, t);
    FillEncoding(host, t);
    return t;
  }();
  return tables;
}

}  // namespace

void AppendCp932(std::u16string_view text, std::string& out) {
  const auto& encode = GetTables().encode;
  for (char16_t c : text) {
    const std::uint16_t code = encode[c];
    if (code == kNoCode) {
      out += '?';
    } else if (code < 0x100) {
      out += static_cast<char>(code);
    } else {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    }
  }
}

std::string EncodeCp932(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  AppendCp932(text, out);
  return out;
}

std::u16string DecodeCp932(std::string_view bytes) {
  const Tables& t = GetTables();
  // Never more characters than bytes: written in place, then cut to length, which
  // keeps large tables quick to read.
  std::u16string out(bytes.size(), u'\0');
  std::size_t length = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (!IsLeadByte(b)) {
      out[length++] = t.single[b] == kNoChar ? kReplacement : t.single[b];
      ++i;
      continue;
    }
    if (i + 1 == bytes.size()) {  // a cut inside the last character: still a character
      out[length++] = kReplacement;
      break;
    }
    const auto trail = static_cast<unsigned char>(bytes[i + 1]);
    const char16_t c = t.pair[b << 8 | trail];
    out[length++] = c == kNoChar ? kReplacement : c;
    // A byte that cannot trail (a line end after a stray lead byte) is read anew.
    i += (c != kNoChar || IsTrailByte(trail)) ? 2 : 1;
  }
  out.resize(length);
  return out;
}

int Cp932Width(char16_t c) {
  const std::uint16_t code = GetTables().encode[c];
  return code != kNoCode && code >= 0x100 ? 2 : 1;
}

bool HasCp932Form(char16_t c) { return GetTables().encode[c] != kNoCode; }

}  // namespace velni
