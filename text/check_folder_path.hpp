#pragma once
// Validation and normalisation of the destination folder path: drive (or root),
// folder names each followed by a separator.
#include <functional>
#include <string>

namespace velni {

enum class PathStyle { Windows, Posix };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

struct PathCheckHooks {
  // Shows the one message of the check (style 64). Unset: nothing is shown.
  std::function<void(const std::u16string& prompt, int style)> showMessage;
  // Windows style: is the drive of this letter ready (and made current)?
  // POSIX style: does this first folder level ("/home") exist? Given "/" for the root.
  // Unset: every volume counts as ready.
  std::function<bool(const std::u16string& volume)> volumeReady;
};

inline constexpr char16_t kDriveMessage[] =
    u"規定値のドライブ名が正しくありません。ドライブ名は１文字のアルファベットと \":\" でなければいけません。  例 \"C:\", \"D:\"...";
inline constexpr char16_t kPosixRootMessage[] =
    u"フォルダ名は \"/\" で始まる絶対パスでなければいけません。  例 \"/home\", \"/mnt\"...";

// Rewrites `path` in place as the checks go (the rewriting stays even when a later
// check rejects it) and returns whether it is acceptable.
bool CheckFolderPath(std::u16string& path, PathStyle style, const PathCheckHooks& hooks);

}  // namespace velni
