#pragma once
// Validation and normalisation of the destination folder path: drive (or root),
// folder names each followed by a separator.
#include <functional>
#include <string>

namespace velni {

enum class PathStyle { Windows, Posix };

// Which rule refused a path, for the operator to see what to change.
enum class PathRule {
  NoDriveOrRoot,    // no "C:" (Windows) or "/" (POSIX) at the start
  Blank,            // a blank inside
  Asterisk,         // "*"
  QuestionMark,     // "?"
  VolumeNotReady,   // the drive is not ready, or the first folder level does not exist
  EmptyFolderName,  // two separators in a row
  EightDotThree,    // a folder name with a dot that is no 8.3 name (or more than one dot)
  ControlCharacter, // a line end or another control character inside, refused as a blank is
  TooDeep,          // more levels than a path's pieces hold
};

// The pieces a path is split into (the drive or root, each folder, the empty piece
// after the last separator): a deeper destination is refused, not a failure later.
inline constexpr int kMostPathPieces = 256;

struct PathCheckHooks {
  // Shows the one message of the check (style 64). Unset: nothing is shown.
  std::function<void(const std::u16string& prompt, int style)> showMessage;
  // Windows style: is the drive of this letter ready (and made current)?
  // POSIX style: does this first folder level ("/home") exist? Given "/" for the root.
  // Unset: every volume counts as ready.
  std::function<bool(const std::u16string& volume)> volumeReady;
  // Told the rule that refused the path and what it refused (the folder name, the
  // drive or first level). Unset: not told.
  std::function<void(PathRule rule, const std::u16string& refused)> refused;
};

// The folder whose presence tells that the volume a check names is ready: the
// drive's root ("D" gives "D:\"), or the first folder level as it stands.
std::u16string VolumeFolder(const std::u16string& volume, PathStyle style);

// The refusal in the operator's words: "フォルダ名に空白があります" and the like.
std::u16string PathRuleText(PathRule rule, const std::u16string& refused);

inline constexpr char16_t kDriveMessage[] =
    u"規定値のドライブ名が正しくありません。ドライブ名は１文字のアルファベットと \":\" でなければいけません。  例 \"C:\", \"D:\"...";
inline constexpr char16_t kPosixRootMessage[] =
    u"フォルダ名は \"/\" で始まる絶対パスでなければいけません。  例 \"/home\", \"/mnt\"...";

// Rewrites `path` in place as the checks go (the rewriting stays even when a later
// check rejects it) and returns whether it is acceptable.
bool CheckFolderPath(std::u16string& path, PathStyle style, const PathCheckHooks& hooks);

}  // namespace velni
