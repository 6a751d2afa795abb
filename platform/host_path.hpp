#pragma once
// How the host writes paths: its separator and the style its folder paths are
// checked in.
#include <string>

#include "text/check_folder_path.hpp"

namespace velni {

// A backslash on Windows, "/" on POSIX.
#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr char16_t kPathSeparator = u'/';
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif
inline constexpr char16_t kPathSeparatorText[] = {kPathSeparator, 0};

// `folder` with its final separator.
inline std::u16string WithFinalSeparator(const std::u16string& folder) {
  if (!folder.empty() && folder.back() == kPathSeparator) return folder;
  return folder + kPathSeparator;
}

// The folder that holds `folder` (with or without its final separator), with its
// final separator; a root holds itself, and a relative name the current folder ("").
inline std::u16string FolderHolding(const std::u16string& folder) {
  std::u16string path = folder;
  while (path.size() > 1 && path.back() == kPathSeparator) path.pop_back();
  const std::size_t last = path.rfind(kPathSeparator);
  return last == std::u16string::npos ? u"" : path.substr(0, last + 1);
}

// The last level of a path: the file's name.
inline std::u16string FileNameOf(const std::u16string& path) { return path.substr(path.rfind(kPathSeparator) + 1); }

}  // namespace velni
