#pragma once
// The one error type of a conversion run: what failed, in the operator's words,
// the file it concerns and, when it comes from reading, where in the file.
#include <stdexcept>
#include <string>

namespace velni {

// The failure texts that operators see; kept together so that every reader and
// writer words the same failure the same way.
namespace failure {
inline constexpr char16_t kFileNotFound[] = u"ファイルが見つかりません。";
inline constexpr char16_t kReadPastEnd[] = u"ファイルの終わりを越えて読み込もうとしました。";
inline constexpr char16_t kSubscriptOutOfRange[] = u"インデックスが有効範囲にありません。";
inline constexpr char16_t kOverflow[] = u"オーバーフローしました。";
inline constexpr char16_t kCannotCreate[] = u"ファイルを作成できません。";
inline constexpr char16_t kCannotWrite[] = u"ファイルに書き込めません。";
inline constexpr char16_t kCannotCopy[] = u"ファイルをコピーできません。";
inline constexpr char16_t kCannotDelete[] = u"ファイルを削除できません。";
inline constexpr char16_t kCannotRename[] = u"ファイル名を変更できません。";
inline constexpr char16_t kTypeMismatch[] = u"型が一致しません。";
inline constexpr char16_t kNotANumber[] = u"数値ではありません。";
inline constexpr char16_t kInvalidArgument[] = u"プロシージャの呼び出し、または引数が不正です。";
inline constexpr char16_t kNotARegularFile[] = u"通常のファイルではありません（フォルダ、名前付きパイプ、デバイスは読み込めません）。";
inline constexpr char16_t kAccessDenied[] = u"ファイルへのアクセスが拒否されました。";
inline constexpr char16_t kPathTooLong[] = u"パスが長すぎます。";
inline constexpr char16_t kDiskFull[] = u"ディスクの空き容量が不足しています。";
inline constexpr char16_t kReadOnly[] = u"書き込みが禁止されているファイルです。";
inline constexpr char16_t kIoError[] = u"ファイルの読み書き中に入出力エラーが発生しました。";
}  // namespace failure

class RunError : public std::runtime_error {
 public:
  // `path` is the file as the run names it; `where` says where in it
  // (for example the record and field), empty when not known.
  RunError(std::u16string what, std::u16string path = {}, std::u16string where = {});
  // A failure of a system call: `systemError` is its errno (0 when none).
  RunError(std::u16string what, std::u16string path, std::u16string where, int systemError);

  const std::u16string& What() const { return what_; }
  const std::u16string& Path() const { return path_; }
  const std::u16string& Where() const { return where_; }
  bool HasPath() const { return !path_.empty(); }
  int SystemError() const { return systemError_; }

  // Adds the file and position when an inner layer raised the error without them.
  RunError WithPath(const std::u16string& path) const;
  RunError WithWhere(const std::u16string& where) const;

  // The whole text shown to the operator: what failed, then the file, then where.
  std::u16string Message() const;

 private:
  std::u16string what_;
  std::u16string path_;
  std::u16string where_;
  int systemError_ = 0;
};

}  // namespace velni
