#pragma once
// Batch conversion: every boring of a survey, each by one full conversion run into
// its own destination folder, all with the one data folder (so a soil name that one
// boring registers is found by the next).
#include <iosfwd>
#include <string>

namespace velni::cli {

struct BatchOptions {
  std::string sourceFolder;
  std::string destinationFolder;
  std::u16string dataFolderPath;  // with its final separator
};

inline constexpr char16_t kNoSourceFolderMessage[] = u"変換元フォルダがありません。";
inline constexpr char16_t kNoMainDataFileMessage[] = u"変換元フォルダに主データファイル (MDT*.JDF) がありません。";

// One progress line per boring on `errors` while it runs, the summary on `out`.
// Returns the exit status: completed when every boring converted, failed when any
// was refused or failed, refused when the survey folder holds no boring at all.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
