#include "text/check_folder_path.hpp"

#include <algorithm>
#include <cstdint>

#include "text/byte_cut.hpp"
#include "text/cp932.hpp"
#include "text/fixed_width.hpp"

namespace velni {

namespace {

constexpr int kMessageStyleInformation = 64;

char16_t SeparatorOf(PathStyle style) { return style == PathStyle::Windows ? u'\\' : u'/'; }

// "C:\" or "/": what stands before the first folder name.
std::size_t RootLength(PathStyle style) { return style == PathStyle::Windows ? 3 : 1; }

void ShowMessage(const PathCheckHooks& hooks, const char16_t* prompt) {
  if (hooks.showMessage) hooks.showMessage(prompt, kMessageStyleInformation);
}

bool Refuse(const PathCheckHooks& hooks, PathRule rule, const std::u16string& refused) {
  if (hooks.refused) hooks.refused(rule, refused);
  return false;
}

// The drive letter and colon ("C:"), or the root of a POSIX path. The second
// byte is tested, so a full-width first character (Ｃ:) fails: its second byte
// is its own trail byte.
bool StartsWithDriveOrRoot(const std::u16string& path, PathStyle style, const PathCheckHooks& hooks) {
  const bool starts = style == PathStyle::Windows ? MidBytes(path, 2, 1) == u":" : path.starts_with(u'/');
  if (starts) return true;
  ShowMessage(hooks, style == PathStyle::Windows ? kDriveMessage : kPosixRootMessage);
  return Refuse(hooks, PathRule::NoDriveOrRoot, path);
}

// The drive letter, or the first folder level below the root ("/" for the root itself).
std::u16string VolumeOf(const std::u16string& path, PathStyle style) {
  if (style == PathStyle::Windows) return path.substr(0, 1);
  const std::size_t end = path.find(u'/', 1);
  return end == 1 ? u"/" : path.substr(0, end);
}

}  // namespace

std::u16string VolumeFolder(const std::u16string& volume, PathStyle style) {
  return style == PathStyle::Windows ? volume + u":\\" : volume;
}

namespace {

bool VolumeReady(const std::u16string& path, PathStyle style, const PathCheckHooks& hooks) {
  const std::u16string volume = VolumeOf(path, style);
  if (!hooks.volumeReady || hooks.volumeReady(volume)) return true;
  return Refuse(hooks, PathRule::VolumeNotReady, volume);
}

bool IsControl(char16_t c) { return c < u' ' || c == u'\x7F'; }

PathRule RuleOf(char16_t c) {
  if (c == u' ') return PathRule::Blank;
  if (c == u'*') return PathRule::Asterisk;
  return c == u'?' ? PathRule::QuestionMark : PathRule::ControlCharacter;
}

// Blanks, "*", "?" and control characters (a line end would break CNT.TXT's lines)
// are refused wherever they stand.
bool NoForbiddenCharacter(const std::u16string& path, const PathCheckHooks& hooks) {
  const auto at = std::find_if(path.begin(), path.end(),
                               [](char16_t c) { return c == u' ' || c == u'*' || c == u'?' || IsControl(c); });
  if (at == path.end()) return true;
  return Refuse(hooks, RuleOf(*at), path);
}

bool NotTooDeep(const std::u16string& path, char16_t separator, const PathCheckHooks& hooks) {
  if (std::count(path.begin(), path.end(), separator) + 1 <= kMostPathPieces) return true;
  return Refuse(hooks, PathRule::TooDeep, path);
}

bool IsRoot(const std::u16string& path, PathStyle style) {
  return style == PathStyle::Windows ? path.size() == 3 && path.ends_with(u":\\") : path == u"/";
}

// Code-page-932 bytes without the 16-bit limit of ByteLength: an overlong name is
// a rejection, not a failure.
std::int64_t BytesOf(std::u16string_view name) {
  std::int64_t bytes = 0;
  for (char16_t c : name) bytes += Cp932Width(c);
  return bytes;
}

// A name with a dot is an 8.3 name: at most eight characters before the one dot,
// and no more bytes in all than the dot's position plus three.
bool FolderNameValid(std::u16string_view name) {
  const std::size_t dotIndex = name.find(u'.');
  if (dotIndex == std::u16string_view::npos) return true;
  const auto dot = static_cast<std::int64_t>(dotIndex) + 1;
  if (dot > 9) return false;
  if (BytesOf(name) > dot + 3) return false;
  return name.find(u'.', dotIndex + 1) == std::u16string_view::npos;
}

bool FolderNamesValid(const std::u16string& path, PathStyle style, const PathCheckHooks& hooks) {
  const char16_t separator = SeparatorOf(style);
  std::size_t previous = RootLength(style) - 1;
  std::size_t next = path.find(separator, previous + 1);
  while (next != std::u16string::npos) {
    const std::u16string name = path.substr(previous + 1, next - previous - 1);
    if (!FolderNameValid(name)) return Refuse(hooks, PathRule::EightDotThree, name);
    previous = next;
    next = path.find(separator, previous + 1);
  }
  return true;
}

}  // namespace

bool CheckFolderPath(std::u16string& path, PathStyle style, const PathCheckHooks& hooks) {
  path = TrimBlanks(path);
  if (!StartsWithDriveOrRoot(path, style, hooks)) return false;
  if (!NoForbiddenCharacter(path, hooks)) return false;
  const char16_t separator = SeparatorOf(style);
  if (style == PathStyle::Windows && path.size() > 2 && path[2] != separator) path.insert(2, 1, separator);
  if (!VolumeReady(path, style, hooks)) return false;
  if (!path.ends_with(separator)) path += separator;
  if (IsRoot(path, style)) return true;
  if (!NotTooDeep(path, separator, hooks)) return false;
  if (path.find(std::u16string(2, separator)) != std::u16string::npos) {
    return Refuse(hooks, PathRule::EmptyFolderName, path);
  }
  return FolderNamesValid(path, style, hooks);
}

std::u16string PathRuleText(PathRule rule, const std::u16string& refused) {
  const std::u16string quoted = u"\"" + refused + u"\"";
  switch (rule) {
    case PathRule::NoDriveOrRoot: return u"ドライブ名または \"/\" で始まっていません: " + quoted;
    case PathRule::Blank: return u"フォルダ名に空白があります: " + quoted;
    case PathRule::Asterisk: return u"フォルダ名に \"*\" があります: " + quoted;
    case PathRule::QuestionMark: return u"フォルダ名に \"?\" があります: " + quoted;
    case PathRule::VolumeNotReady: return u"ドライブまたは最初のフォルダがありません: " + quoted;
    case PathRule::EmptyFolderName: return u"空のフォルダ名 (区切りが 2 つ続いています) があります: " + quoted;
    case PathRule::ControlCharacter: return u"フォルダ名に改行などの制御文字があります: " + quoted;
    case PathRule::TooDeep: return u"フォルダの階層が深すぎます (254 階層まで): " + quoted;
    case PathRule::EightDotThree: break;
  }
  return u"フォルダ名が 8.3 形式 (\".\" の前 8 文字まで、後ろ 3 バイトまで、\".\" は 1 つ) ではありません: " + quoted;
}

}  // namespace velni
