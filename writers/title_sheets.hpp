#pragma once
// The title sheets Titl01.txt and Titl02.txt: the title block of a boring, one
// value per line, with the names of its three codes and its regional mesh code.
#include <optional>
#include <string>
#include <string_view>

#include "text/run_error.hpp"
#include "text/text_array.hpp"

namespace velni {

// Why the sheets were not written whole: the sheet that was being written (the
// first one when nothing was written yet) and the cause.
struct TitleSheetFailure {
  std::u16string sheetPath;
  RunError cause;
};

// A code takes part in a lookup and gets a code line when it is "0" or "０" after
// trimming, or a number above 0.
bool IsGivenCode(std::u16string_view code);

// Field 2 of the first record of the table whose field 1 has the code's value;
// empty when the code is not given, the table is empty (a missing table is created
// empty) or no record matches.
std::u16string LookupCodeName(const std::u16string& tablePath, std::u16string_view code);

// The 8-digit regional mesh code of a position ("00000000" at latitude or
// longitude 0); shorter when a part has fewer digits.
std::u16string MeshCode(float latitudeDegrees, float latitudeMinutes, float latitudeSeconds,
                        float longitudeDegrees, float longitudeMinutes, float longitudeSeconds);

// Writes both sheets into the destination folder. A failure closes what is open,
// writes nothing more and is returned, never thrown, so the run goes on.
std::optional<TitleSheetFailure> WriteTitleSheets(const TextArray& title1Fields, const TextArray& title2Fields,
                                                  const std::u16string& destinationFolder,
                                                  const std::u16string& dataFolderPath);

}  // namespace velni
