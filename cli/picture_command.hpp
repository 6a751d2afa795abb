#pragma once
// velni2qx-cli --picture OUT.svg|png|pdf SOURCE and --batch --pictures DIR SOURCE_FOLDER:
// the boring-log picture of a boring, or one PDF per boring of a survey.
#include <iosfwd>
#include <string>

#include "cli/verbosity.hpp"

namespace velni::cli {

// 0 when drawn; 1 when the output would replace a file the command reads; 2 when
// the boring cannot be read or the file not written; 64 for an extension other
// than .svg, .png, .pdf.
int RunPicture(const std::string& output, const std::string& source, std::ostream& errors);
// The progress on `errors`, the summary on `out`. 0 when every boring was drawn,
// 1 when the survey has no boring file or the output folder is one of its source
// files, 2 otherwise.
int RunPictureBatch(const std::string& outputFolder, const std::string& sourceFolder, Verbosity verbosity,
                    std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
