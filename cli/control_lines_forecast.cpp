#include "cli/control_lines_forecast.hpp"

#include "platform/host_path.hpp"
#include "run/control_lines.hpp"
#include "text/check_folder_path.hpp"
#include "text/path_split.hpp"
#include "text/run_error.hpp"

namespace velni::cli {

// The run splits the checked destination, then the source path over it, then the
// destination again; pieces beyond the destination's last keep the source's.
ControlLines ForecastControlLines(const std::u16string& destination, const std::u16string& source) {
  std::u16string checked = destination;
  CheckFolderPath(checked, kNativePathStyle, {});
  TextArray pieces(256);
  try {
    SplitByDelimiters(checked, kPathSeparatorText, pieces);
    SplitByDelimiters(source, kPathSeparatorText, pieces);
    SplitByDelimiters(checked, kPathSeparatorText, pieces);
  } catch (const RunError&) {
    return {};  // a path of more than 256 pieces: the run itself will say so
  }
  return ControlLinesOf(pieces);
}

}  // namespace velni::cli
