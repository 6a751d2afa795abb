#pragma once
// The conversion run behind the run button: checks of the request, the destination
// folder, then the passes in their fixed order.
#include <cstdint>
#include <string>

#include "platform/run_ui.hpp"
#include "run/run_result.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {

struct RunRequest {
  std::u16string sourceText;       // Text1
  std::u16string destinationText;  // Text2
  std::u16string dataFolderPath;   // with its final separator
  std::u16string programFolder;    // where the marker file goes
  // The soil-name tables of the data folder, kept by the caller across runs (a
  // batch, a window session); without one the run reads them for itself.
  SoilNameStore* soilNames = nullptr;
};


inline constexpr char16_t kBusyMessage[] = u"只今変換中！　しばらくお待ちください。";
inline constexpr char16_t kCompletedMessage[] = u"変換が正常に終了しました。";
inline constexpr char16_t kInvalidPathMessage[] = u"指定されたパスは正しくありません。";
inline constexpr char16_t kNoSourceMessage[] = u"変換元ファイルが選択されていません。";
inline constexpr char16_t kCreateFolderQuestion[] = u"フォルダがありません。新規作成しますか？";

// 1 after a completed run; the window resets it when it clears the message line.
extern std::int16_t RunFinishedFlag;

RunResult ConversionRun(const RunRequest& request, RunUi& ui);

// The remarks ("KDT") and penetration-test ("NDT") companions: the first three
// characters of the file name, at its first occurrence in the path, replaced.
std::u16string CompanionPath(const std::u16string& sourcePath, const std::u16string& sourceFileName,
                             std::u16string_view prefix);

}  // namespace velni
