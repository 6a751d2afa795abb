#pragma once
// Batch conversion: every boring of a survey, each by one full conversion run into
// its own destination folder, all with the one data folder (so a soil name that one
// boring registers is found by the next).
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/verbosity.hpp"

namespace velni::cli {

struct BatchOptions {
  std::string sourceFolder;
  std::string destinationFolder;
  std::u16string dataFolderPath;  // with its final separator
  Verbosity verbosity = Verbosity::Normal;
  std::optional<std::string> reportPath;
};

inline constexpr char16_t kNoSourceFolderMessage[] = u"変換元フォルダがありません。";
inline constexpr char16_t kNoMainDataFileMessage[] = u"変換元フォルダに主データファイル (MDT*.JDF) がありません。";
inline constexpr char16_t kUnreadableFolderPrefix[] = u"フォルダを読めないため、中の柱状図を変換できません: ";

// Progress on `errors` while it runs, the summary on `out`.
// Returns the exit status: completed when every boring converted, failed when any
// was refused or failed, refused when the survey folder holds no boring at all.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
