#pragma once
// The title sheets Titl01.txt and Titl02.txt: the title block of a boring, one
// value per line, with the names of its three codes and its regional mesh code.
#include <string>

#include "tables/title_code_names.hpp"
#include "text/output_file.hpp"
#include "text/text_array.hpp"

namespace velni {

// The 8-digit regional mesh code of a position ("00000000" at latitude or
// longitude 0); shorter when a part has fewer digits.
std::u16string MeshCode(float latitudeDegrees, float latitudeMinutes, float latitudeSeconds,
                        float longitudeDegrees, float longitudeMinutes, float longitudeSeconds);

// The mesh code of Title2Fields(5..10); a coordinate that is not a number is the
// not-a-number failure showing it.
std::u16string MeshCodeOf(const TextArray& title2Fields);

// The lines of Titl01.txt.
void WriteFirstSheet(OutputFile& sheet, const TextArray& title1Fields, const TextArray& title2Fields);

// The lines of Titl02.txt.
void WriteSecondSheet(OutputFile& sheet, const TextArray& title1Fields, const TextArray& title2Fields,
                      const TitleCodeNames& names, const std::u16string& meshCode);

}  // namespace velni
