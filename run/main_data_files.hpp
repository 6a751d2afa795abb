#pragma once
// The borings of a survey: every main data file (MDT*.JDF) and delivered exchange
// file (BED*.XML) below a folder, in the order an operator sees them in the file
// lists (names without regard to case).
#include <string>
#include <vector>

namespace velni {

// A boring's file: a main data file, or a delivered exchange file.
struct MainDataFile {
  // The folder below the survey folder, pieces joined by the separator; empty for
  // the survey folder itself.
  std::u16string relativeFolder;
  std::u16string fileName;

  // The folder and the file name joined, as an operator names the boring.
  std::u16string RelativePath() const;
  // The file name without its extension: the name of the boring's output folder.
  std::u16string Stem() const;
};

// Whether a file name matches "MDT*.JDF" without regard to letter case.
bool IsMainDataFileName(const std::u16string& name);
// Whether it matches "BED*.XML" so: the name a delivery gives each boring's file.
bool IsDeliveredExchangeFileName(const std::u16string& name);

// A folder of the survey that could not be listed: the borings in it are unknown.
struct UnreadableFolder {
  std::u16string relativeFolder;
  std::u16string reason;
};

struct SurveyListing {
  std::vector<MainDataFile> borings;
  std::vector<UnreadableFolder> unreadable;
};

// The files of `folder` first, then each sub-folder in turn, walked the same way.
// Symbolic links to folders are not followed, so a link back up cannot loop.
SurveyListing ListSurvey(const std::u16string& folder);
std::vector<MainDataFile> FindMainDataFiles(const std::u16string& folder);

}  // namespace velni
