#pragma once
// What a conversion run says to the operator, in one place for the run and its two
// fronts.
namespace velni {

inline constexpr char16_t kBusyMessage[] = u"只今変換中！　しばらくお待ちください。";
inline constexpr char16_t kCompletedMessage[] = u"変換が正常に終了しました。";
inline constexpr char16_t kInvalidPathMessage[] = u"指定されたパスは正しくありません。";
inline constexpr char16_t kNoSourceMessage[] = u"変換元ファイルが選択されていません。";
inline constexpr char16_t kCreateFolderQuestion[] = u"フォルダがありません。新規作成しますか？";
inline constexpr char16_t kRunStoppedHeading[] = u"変換を中止しました。";
inline constexpr char16_t kUnexpectedFailure[] = u"予期しないエラーが発生しました。";

}  // namespace velni
