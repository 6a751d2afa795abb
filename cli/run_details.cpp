#include "cli/run_details.hpp"

#include <ostream>

#include "text/utf.hpp"

namespace velni::cli {

void WriteRunDetails(const RunResult& result, std::ostream& errors) {
  std::u16string files;
  for (const std::u16string& file : result.filesWritten) files += (files.empty() ? u"" : u" ") + file;
  errors << "書いたファイル: " << ToUtf8(files) << "\n"
         << "件数: 層 " << result.layers << "、一覧 " << result.listRecords << "、記事 " << result.remarks
         << "、試験 " << result.tests << "\n";
  for (const NewSoilName& soil : result.newSoilNames) {
    errors << "新しい土質名: " << ToUtf8(soil.name) << " (" << ToUtf8(soil.code) << ")\n";
  }
  errors.flush();
}

std::u16string RefusalReason(const RunResult& result) {
  if (result.outcome != RunOutcome::Refused) return {};
  const std::size_t lineEnd = result.message.find(u'\n');
  return lineEnd == std::u16string::npos ? std::u16string() : result.message.substr(lineEnd + 1);
}

}  // namespace velni::cli
