#include "run/passes.hpp"
#include "text/byte_cut.hpp"
#include "text/output_file.hpp"
#include "text/path_split.hpp"

namespace velni {

void WriteControlFile(RunContext& run) {
  OutputFile file(run.OutputFolder + u"CNT.TXT");
  // Pieces beyond the destination's last one keep what the source path's split
  // left in them.
  SplitByDelimiters(run.CheckedDestination, kPathSeparatorText, run.PathPieces);
  file.WriteLine(MidBytes(run.PathPieces[3], 1, 4));
  file.WriteLine(run.PathPieces[4]);
  file.WriteLine(run.PathPieces[5]);
  file.WriteLine(u"4   ");
  file.WriteLine(u"1");
  for (int line = 6; line <= 10; ++line) file.WriteLine();
  file.Close();
}

}  // namespace velni
