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

// The last level of a path: the file's name.
inline std::u16string FileNameOf(const std::u16string& path) { return path.substr(path.rfind(kPathSeparator) + 1); }

}  // namespace velni
