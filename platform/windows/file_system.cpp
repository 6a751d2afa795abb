#include "platform/file_system.hpp"

#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "platform/subfolders.hpp"
#include "platform/system_error.hpp"
#include "platform/windows/win32.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::fs {
namespace {

using win32::Handle;
using win32::WidePath;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

DWORD AttributesOf(const std::u16string& path) {
  return ::GetFileAttributesW(WidePath(win32::WithoutFinalSeparator(path)).c_str());
}

bool IsFolderAttributes(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFileAttributes(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

HANDLE OpenForReading(const std::u16string& path) {
  return ::CreateFileW(WidePath(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

RunError LastFailure(const char16_t* fallback, const std::u16string& path) {
  return SystemFailure(win32::ErrnoOf(::GetLastError()), fallback, path);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool EndsWithLineEnd(HANDLE file, LONGLONG size) {
  LARGE_INTEGER at{};
  at.QuadPart = size - 1;
  char last = 0;
  DWORD got = 0;
  return ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ::ReadFile(file, &last, 1, &got, nullptr) &&
         got == 1 && (last == '\n' || last == '\r');
}

// "C:\" or "\\server\share\": the levels that are never created.
std::size_t RootLength(const std::u16string& path) {
  if (path.size() >= 3 && path[1] == u':') return 3;
  if (!path.starts_with(u"\\\\")) return 0;
  const std::size_t share = path.find(u'\\', 2);
  const std::size_t end = share == std::u16string::npos ? share : path.find(u'\\', share + 1);
  return end == std::u16string::npos ? path.size() : end + 1;
}

std::vector<std::u16string> ListEntries(const std::u16string& folder, bool wantFolders) {
  std::vector<std::u16string> names;
  win32::FindHandle find(folder);
  if (!find.Valid()) return names;
  do {
    const WIN32_FIND_DATAW& entry = find.Entry();
    const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool isLink = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (win32::IsDotEntry(entry.cFileName)) continue;
    if (wantFolders ? (isFolder && !isLink) : !isFolder) names.push_back(win32::FromWide(entry.cFileName));
  } while (find.Next());
  SortNamesIgnoringCase(names);
  return names;
}

}  // namespace

std::u16string Resolve(const std::u16string& path) {
  // The file system ignores letter case already; an entry that exists keeps the
  // name it was found under, so that a replaced x1.txt stays x1.txt.
  if (path.empty() || path.find_first_of(u"*?") != std::u16string::npos) return path;
  const std::u16string trimmed = win32::WithoutFinalSeparator(path);
  const std::size_t last = trimmed.find_last_of(u"\\/");
  if (last == std::u16string::npos || last + 1 >= trimmed.size()) return path;
  WIN32_FIND_DATAW entry{};
  const HANDLE find = ::FindFirstFileExW(WidePath(trimmed).c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                         nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return path;
  ::FindClose(find);
  return trimmed.substr(0, last + 1) + win32::FromWide(entry.cFileName) + path.substr(trimmed.size());
}

std::string NativePath(const std::u16string& path) { return ToUtf8(path); }

std::FILE* OpenStdioFile(const std::u16string& path, bool append) {
  return ::_wfopen(WidePath(path).c_str(), append ? L"ab" : L"wb");
}

bool IsFile(const std::u16string& path) { return IsFileAttributes(AttributesOf(path)); }

bool IsFolder(const std::u16string& path) { return IsFolderAttributes(AttributesOf(path)); }

bool Exists(const std::u16string& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

void CheckReplaceable(const std::u16string& path) {
  const DWORD attributes = AttributesOf(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    throw RunError(failure::kReadOnly, path);
  }
  // Replacing needs the right to delete, which a program holding the file open
  // without sharing its deletion denies.
  const Handle file(::CreateFileW(WidePath(path).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file.Valid() && ::GetLastError() != ERROR_FILE_NOT_FOUND) throw LastFailure(failure::kCannotWrite, path);
}

std::string ReadWholeFile(const std::u16string& path) {
  if (IsFolder(path)) throw RunError(failure::kNotARegularFile, path);
  const Handle file(OpenForReading(path));
  if (!file.Valid()) throw LastFailure(failure::kFileNotFound, path);
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) throw RunError(failure::kNotARegularFile, path);
  std::string bytes;
  char chunk[1 << 16];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) throw LastFailure(failure::kIoError, path);
    if (got == 0) return bytes;
    bytes.append(chunk, got);
  }
}

std::int64_t FileSize(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  if (!IsFileAttributes(data.dwFileAttributes)) return 0;
  return static_cast<std::int64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

std::int64_t TouchAndLength(const std::u16string& path) {
  if (Exists(path)) return FileSize(path);
  const Handle file(::CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) throw RunError(failure::kCannotCreate, path);
  return 0;
}

void AppendLine(const std::u16string& path, std::string_view line) {
  const Handle file(::CreateFileW(WidePath(Resolve(path)).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) throw RunError(failure::kCannotCreate, path);
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) throw RunError(failure::kCannotWrite, path);
  std::string bytes = size.QuadPart > 0 && !EndsWithLineEnd(file.get(), size.QuadPart) ? "\r\n" : "";
  bytes += line;
  const LARGE_INTEGER end = size;
  if (!::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN)) throw RunError(failure::kCannotWrite, path);
  // Flushed to disk before the run goes on: a code that an output file already
  // carries must not vanish from the table in a power cut.
  if (WriteAll(file.get(), bytes)) {
    if (::FlushFileBuffers(file.get())) return;
    throw RunError(failure::kCannotWrite, path);
  }
  // A line cut short would shift every entry read after it: take back what got in.
  if (::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN)) ::SetEndOfFile(file.get());
  throw RunError(failure::kCannotWrite, path);
}

bool CreateFolder(const std::u16string& path) {
  return ::CreateDirectoryW(WidePath(win32::WithoutFinalSeparator(path)).c_str(), nullptr) != 0;
}

std::optional<std::u16string> CreateFoldersAbove(const std::u16string& path) {
  for (std::size_t at = path.find(u'\\', RootLength(path)); at != std::u16string::npos; at = path.find(u'\\', at + 1)) {
    const std::u16string folder = path.substr(0, at);
    if (!IsFolder(folder) && !CreateFolder(folder)) return folder;
  }
  return std::nullopt;
}

void WriteNewFile(const std::u16string& path, std::string_view bytes) {
  const Handle file(::CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!file.Valid()) throw RunError(failure::kCannotCreate, path);
  if (!WriteAll(file.get(), bytes)) throw RunError(failure::kCannotWrite, path);
}

std::u16string CreateUniqueFolder(const std::u16string& parent, const std::u16string& prefix) {
  const std::u16string base = Resolve(parent) + prefix;
  const unsigned long long seed = ::GetTickCount64() ^ (static_cast<unsigned long long>(::GetCurrentProcessId()) << 20);
  for (unsigned attempt = 0; attempt < 1000; ++attempt) {
    const std::u16string candidate = base + FromUtf8(std::to_string((seed + attempt * 7919ULL) % 1000000ULL));
    if (::CreateDirectoryW(WidePath(candidate).c_str(), nullptr)) return candidate + u"\\";
    if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw RunError(failure::kCannotCreate, parent + prefix);
}

bool RemoveFolder(const std::u16string& path) {
  return ::RemoveDirectoryW(WidePath(win32::WithoutFinalSeparator(Resolve(path))).c_str()) != 0;
}

void CopyFile(const std::u16string& from, const std::u16string& to) {
  if (!IsFile(from)) throw RunError(failure::kFileNotFound, from);
  if (!::CopyFileW(WidePath(Resolve(from)).c_str(), WidePath(Resolve(to)).c_str(), FALSE)) {
    throw RunError(failure::kCannotCopy, to);
  }
}

void DeleteFile(const std::u16string& path) {
  if (::DeleteFileW(WidePath(Resolve(path)).c_str())) return;
  const DWORD error = ::GetLastError();
  const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  throw RunError(missing ? failure::kFileNotFound : failure::kCannotDelete, path);
}

void RenameFile(const std::u16string& from, const std::u16string& to) {
  if (!::MoveFileExW(WidePath(Resolve(from)).c_str(), WidePath(Resolve(to)).c_str(), MOVEFILE_REPLACE_EXISTING)) {
    throw RunError(failure::kCannotRename, from);
  }
}

std::vector<std::u16string> ListFiles(const std::u16string& folder) { return ListEntries(folder, false); }
std::vector<std::u16string> ListSubfolders(const std::u16string& folder) { return ListEntries(folder, true); }

std::u16string ProgramFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return u".";
    if (length < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  const std::u16string path = win32::FromWide(buffer);
  const std::size_t last = path.find_last_of(u'\\');
  return last == std::u16string::npos ? u"." : path.substr(0, last);
}

}  // namespace velni::fs
