#include "files/open_files.hpp"
#include "platform/host_path.hpp"
#include "run/control_lines.hpp"
#include "run/passes.hpp"
#include "text/output_file.hpp"
#include "text/path_split.hpp"

namespace velni {

void WriteControlFile(RunContext& run) {
  OutputFile file = CreateOutputFile(run.OutputFolder + u"CNT.TXT");
  // Pieces beyond the destination's last one keep what the source path's split
  // left in them.
  SplitByDelimiters(run.CheckedDestination, kPathSeparatorText, run.PathPieces);
  run.ControlLines = ControlLinesOf(run.PathPieces);
  for (const std::u16string& line : run.ControlLines) file.WriteLine(line);
  file.WriteLine(u"4   ");
  file.WriteLine(u"1");
  for (int line = 6; line <= 10; ++line) file.WriteLine();
  file.Close();
}

}  // namespace velni
