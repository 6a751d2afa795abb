#pragma once
// The data folder PATDAT is recognised by a non-empty kishitu.txt (names matched
// without regard to case).
#include <optional>
#include <string>

namespace velni {

inline constexpr char16_t kDataFolderName[] = u"PATDAT";
inline constexpr char16_t kDataFolderMarker[] = u"kishitu.txt";
inline constexpr char16_t kNoDataFolderMessage[] = u" PATDAT の設定がありません.";

// Whether `folder` (with or without its final separator) holds a non-empty kishitu.txt.
bool IsDataFolder(const std::u16string& folder);

// PATDAT beside the program (any letter case) with its final separator, when it is a
// data folder.
std::optional<std::u16string> DataFolderBesideProgram(const std::u16string& programFolder);

}  // namespace velni
