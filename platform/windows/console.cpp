#include "platform/console.hpp"

#include <windows.h>

#include <shellapi.h>

#include <iostream>
#include <streambuf>

#include "text/utf.hpp"

namespace velni {
namespace {

bool WriteAllBytes(HANDLE out, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!::WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

// The length of the leading UTF-8 text that ends with a whole character, so that
// a character split between two writes is converted whole.
std::size_t WholeCharacters(const std::string& bytes) {
  std::size_t end = bytes.size();
  std::size_t back = 0;
  while (back < 4 && back < end && (static_cast<unsigned char>(bytes[end - 1 - back]) & 0xC0) == 0x80) ++back;
  if (back == end) return end;
  const auto lead = static_cast<unsigned char>(bytes[end - 1 - back]);
  const std::size_t wanted = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return back + 1 < wanted ? end - 1 - back : end;
}

// A stream buffer that takes UTF-8 and hands it on to a console or a file in the
// form each wants.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(DWORD which) : handle_(::GetStdHandle(which)) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return sync() == 0 ? 0 : traits_type::eof();
    pending_ += traits_type::to_char_type(c);
    if (c == '\n' || pending_.size() >= 4096) return sync() == 0 ? c : traits_type::eof();
    return c;
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<std::size_t>(n));
    return sync() == 0 ? n : 0;
  }
  int sync() override {
    const std::size_t whole = WholeCharacters(pending_);
    const bool written = Emit(std::string_view(pending_).substr(0, whole));
    pending_.erase(0, whole);
    return written ? 0 : -1;
  }

 private:
  bool Emit(std::string_view utf8) {
    if (utf8.empty()) return true;
    const std::u16string text = FromUtf8(utf8);
    DWORD mode = 0;
    if (::GetConsoleMode(handle_, &mode)) {
      DWORD written = 0;
      return ::WriteConsoleW(handle_, reinterpret_cast<const wchar_t*>(text.data()), static_cast<DWORD>(text.size()),
                             &written, nullptr) != 0;
    }
    return WriteAllBytes(handle_, InCodePage(text));
  }

  // A file or pipe gets the console's output code page, or the ANSI one when the
  // program has no console at all.
  static std::string InCodePage(const std::u16string& text) {
    const UINT codePage = ::GetConsoleOutputCP() != 0 ? ::GetConsoleOutputCP() : ::GetACP();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = ::WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr,
                                             nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    ::WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
  }

  HANDLE handle_;
  std::string pending_;
};

}  // namespace

std::vector<std::string> CommandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) {
    const std::wstring argument(wide[i]);
    arguments.push_back(ToUtf8(std::u16string(argument.begin(), argument.end())));
  }
  ::LocalFree(wide);
  return arguments;
}

void PrepareStandardStreams() {
  static ConsoleBuffer out(STD_OUTPUT_HANDLE);
  static ConsoleBuffer err(STD_ERROR_HANDLE);
  std::cout.rdbuf(&out);
  std::cerr.rdbuf(&err);
}

bool WriteStandardOutputBytes(std::string_view bytes) {
  std::cout.flush();
  return WriteAllBytes(::GetStdHandle(STD_OUTPUT_HANDLE), bytes);
}

}  // namespace velni
