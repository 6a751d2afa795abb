#pragma once
// Titl01.txt and Titl02.txt written into a folder: the code names and the mesh
// code worked out first, then each sheet opened, written and closed in turn.
#include <optional>
#include <string>

#include "text/run_error.hpp"
#include "text/text_array.hpp"

namespace velni {

// Why the sheets were not written whole: the sheet that was being written (the
// first one when nothing was written yet) and the cause.
struct TitleSheetFailure {
  std::u16string sheetPath;
  RunError cause;
};

// Writes both sheets into the destination folder. A failure closes what is open,
// writes nothing more and is returned, never thrown, so the run goes on.
std::optional<TitleSheetFailure> WriteTitleSheets(const TextArray& title1Fields, const TextArray& title2Fields,
                                                  const std::u16string& destinationFolder,
                                                  const std::u16string& dataFolderPath);

}  // namespace velni
