#include "readers/source_file.hpp"

#include "platform/file_system.hpp"
#include "text/encoding_check.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

std::u16string EncodingName(ForeignEncoding encoding) {
  switch (encoding) {
    case ForeignEncoding::Utf8ByteOrderMark:
      return u"バイト順マーク付きの UTF-8";
    case ForeignEncoding::Utf16:
      return u"UTF-16";
    case ForeignEncoding::Utf8:
      break;
  }
  return u"UTF-8";
}

}  // namespace

InputFile OpenSourceFile(const std::u16string& path) {
  const std::string bytes = fs::ReadWholeFile(path);
  if (const auto found = FindForeignEncoding(bytes)) {
    throw RunError(u"Shift-JIS (コードページ 932) のファイルではありません（" + EncodingName(found->encoding) +
                       u" のようです）。",
                   path, DecimalText(found->line) + u" 行目");
  }
  return InputFile::FromBytes(path, bytes);
}

}  // namespace velni
