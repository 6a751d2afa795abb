#include "tests/support/process.hpp"

#include <windows.h>

#include <stdexcept>

#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni::testing {
namespace {

std::wstring Wide(const std::string& utf8) {
  const std::u16string text = FromUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

// One argument quoted the way CommandLineToArgvW reads it back: backslashes are
// literal unless they stand before a quotation mark.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

HANDLE InheritedFile(const std::wstring& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open a capture file");
  return file;
}

// Bytes in the code page the program writes a redirected stream in, as UTF-8.
std::string Utf8FromConsoleCodePage(const std::string& bytes) {
  if (bytes.empty()) return bytes;
  const UINT codePage = ::GetConsoleOutputCP() != 0 ? ::GetConsoleOutputCP() : ::GetACP();
  const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
  return ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace

void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
  ::SetEnvironmentVariableW(Wide(name).c_str(), value ? Wide(*value).c_str() : nullptr);
}

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments) {
  TempFolder captures;
  const std::wstring wideProgram = Wide(program);
  std::wstring commandLine = Quoted(wideProgram);
  for (const auto& argument : arguments) commandLine += L" " + Quoted(Wide(argument));

  const HANDLE in = InheritedFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
  const HANDLE out = InheritedFile((captures.Path() / "out").wstring(), GENERIC_WRITE, CREATE_ALWAYS);
  const HANDLE err = InheritedFile((captures.Path() / "err").wstring(), GENERIC_WRITE, CREATE_ALWAYS);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION child{};
  const BOOL started = ::CreateProcessW(wideProgram.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &child);
  ::CloseHandle(in);
  ::CloseHandle(out);
  ::CloseHandle(err);
  if (!started) throw std::runtime_error("cannot start " + program);

  ::WaitForSingleObject(child.hProcess, INFINITE);
  DWORD status = 0;
  ::GetExitCodeProcess(child.hProcess, &status);
  ::CloseHandle(child.hThread);
  ::CloseHandle(child.hProcess);
  ProcessResult result;
  result.exitStatus = static_cast<int>(status);
  result.outBytes = ReadBytes(captures.Path() / "out");
  result.errBytes = ReadBytes(captures.Path() / "err");
  result.out = Utf8FromConsoleCodePage(result.outBytes);
  result.err = Utf8FromConsoleCodePage(result.errBytes);
  return result;
}

}  // namespace velni::testing
