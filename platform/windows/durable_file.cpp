#include "platform/durable_file.hpp"

#include <windows.h>

#include "platform/file_system.hpp"
#include "platform/fresh_name.hpp"
#include "platform/windows/win32.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::fs {
namespace {

using win32::Handle;
using win32::WidePath;

std::u16string FolderOf(const std::u16string& path) {
  const auto slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? u"" : path.substr(0, slash + 1);
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

// The final path of an open file in its ordinary form ("C:\...", "\\server\...").
std::u16string FinalPathOf(HANDLE file) {
  std::wstring buffer(1024, L'\0');
  DWORD length = ::GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = ::GetFinalPathNameByHandleW(file, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
  }
  if (length == 0 || length >= buffer.size()) return {};
  buffer.resize(length);
  std::u16string path = win32::FromWide(buffer);
  if (path.starts_with(u"\\\\?\\UNC\\")) return u"\\\\" + path.substr(8);
  if (path.starts_with(u"\\\\?\\")) return path.substr(4);
  return path;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool IsLink(const std::u16string& path) {
  const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool IsFolderEntry(const std::u16string& path) {
  const DWORD attributes = ::GetFileAttributesW(WidePath(win32::WithoutFinalSeparator(path)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
}

// The final path of an existing file or folder, links followed; empty when missing.
std::u16string FinalPathOf(const std::u16string& path) {
  const Handle file(::CreateFileW(WidePath(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return file.Valid() ? FinalPathOf(file.get()) : std::u16string();
}

// A link is written through to its target; one whose target is missing is
// replaced itself.
std::u16string LinkTarget(const std::u16string& path) {
  if (!IsLink(path)) return path;
  const std::u16string target = FinalPathOf(path);
  return target.empty() ? path : target;
}

// Created new under `workName` (never through a link), or, when that name is
// taken, under a fresh name beside it. A folder in its place is no leftover of a
// write: the folder cannot take the work file.
HANDLE CreateWorkFile(const std::u16string& folder, const std::u16string& workName, std::u16string& work) {
  constexpr int kAttempts = 16;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    work = folder + workName + (attempt == 0 ? u"" : FreshSuffix());
    const HANDLE file = ::CreateFileW(WidePath(work).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    const DWORD error = ::GetLastError();
    if (file != INVALID_HANDLE_VALUE) return file;
    if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || IsFolderEntry(work)) break;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& nativePath) {
  const Handle file(::CreateFileW(WidePath(FromUtf8(nativePath)).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!file.Valid() || !::GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
  const auto join = [](DWORD high, DWORD low) { return static_cast<std::uint64_t>(high) << 32 | low; };
  return FileIdentity{info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
                      static_cast<std::int64_t>(join(info.nFileSizeHigh, info.nFileSizeLow)),
                      static_cast<std::int64_t>(join(info.ftLastWriteTime.dwHighDateTime,
                                                     info.ftLastWriteTime.dwLowDateTime))};
}

std::u16string WrittenPath(const std::u16string& path) { return LinkTarget(Resolve(path)); }

std::u16string WrittenFolder(const std::u16string& path) { return FolderOf(WrittenPath(path)); }

void ReplaceDurably(const std::u16string& path, const std::u16string& workName, std::string_view bytes) {
  const std::u16string target = LinkTarget(path);
  std::u16string work;
  bool written = false;
  {
    const Handle file(CreateWorkFile(FolderOf(target), workName, work));
    if (!file.Valid()) throw RunError(failure::kCannotCreate, work);
    written = WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
  }
  if (!written) {
    ::DeleteFileW(WidePath(work).c_str());
    throw RunError(failure::kCannotWrite, work);
  }
  // Write-through: the move is on disk when it returns, as the folder's flush
  // makes it on POSIX.
  if (!::MoveFileExW(WidePath(work).c_str(), WidePath(target).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(WidePath(work).c_str());
    throw RunError(failure::kCannotRename, work);
  }
}

// The full-path form takes out "." and ".."; an existing entry gives its final
// path (links followed), a new one its folder's final path with its name. A link
// whose target is missing is not followed here: links are rare on Windows and
// need rights that a planted one would not have.
std::u16string WhereWritten(const std::u16string& path) {
  // Without the long-path prefix, which would keep ".." as a name.
  const std::wstring given(path.begin(), path.end());
  std::wstring full(32768, L'\0');
  const DWORD length = ::GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  const std::u16string normal = length == 0 || length >= full.size() ? path : win32::FromWide(full.substr(0, length));
  if (const std::u16string existing = FinalPathOf(normal); !existing.empty()) return existing;
  const std::u16string trimmed = win32::WithoutFinalSeparator(normal);
  const std::size_t last = trimmed.find_last_of(u"\\/");
  if (last == std::u16string::npos) return normal;
  const std::u16string folder = FinalPathOf(trimmed.substr(0, last + 1));
  return folder.empty() ? normal : win32::WithoutFinalSeparator(folder) + u"\\" + trimmed.substr(last + 1);
}

bool SameEntry(const std::u16string& a, const std::u16string& b) {
  if (EqualsIgnoringCase(a, b)) return true;
  const auto identity = [](const std::u16string& path) -> std::optional<std::pair<DWORD, std::uint64_t>> {
    const Handle file(::CreateFileW(WidePath(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.Valid() || !::GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    const std::uint64_t index = static_cast<std::uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
    return std::pair{info.dwVolumeSerialNumber, index};
  };
  const auto first = identity(a);
  return first && first == identity(b);
}

bool CanWrite(const std::u16string& path) {
  const std::u16string resolved = Resolve(path);
  const DWORD attributes = ::GetFileAttributesW(WidePath(resolved).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
  // A folder's read-only mark means nothing on Windows: only a file made in it
  // tells whether it takes new files.
  const std::u16string probe =
      win32::WithoutFinalSeparator(resolved) + u"\\velni-probe-" + FromUtf8(std::to_string(::GetCurrentProcessId()));
  const Handle file(::CreateFileW(WidePath(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return file.Valid();
}

}  // namespace velni::fs
