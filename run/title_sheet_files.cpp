#include "run/title_sheet_files.hpp"

#include "files/open_files.hpp"
#include "platform/host_path.hpp"
#include "tables/title_code_names.hpp"
#include "text/output_file.hpp"
#include "writers/title_sheets.hpp"

namespace velni {

std::optional<TitleSheetFailure> WriteTitleSheets(const TextArray& title1Fields, const TextArray& title2Fields,
                                                  const std::u16string& destinationFolder,
                                                  const std::u16string& dataFolderPath) {
  const std::u16string prefix = WithFinalSeparator(destinationFolder);
  std::u16string sheetPath = prefix + u"Titl01.txt";
  try {
    const TitleCodeNames names = LookUpTitleCodeNames(dataFolderPath, title1Fields);
    const std::u16string meshCode = MeshCodeOf(title2Fields);
    OutputFile first = CreateOutputFile(sheetPath);
    WriteFirstSheet(first, title1Fields, title2Fields);
    first.Close();
    sheetPath = prefix + u"Titl02.txt";
    OutputFile second = CreateOutputFile(sheetPath);
    WriteSecondSheet(second, title1Fields, title2Fields, names, meshCode);
    second.Close();
    return std::nullopt;
  } catch (const RunError& error) {
    return TitleSheetFailure{sheetPath, error};
  }
}

}  // namespace velni
