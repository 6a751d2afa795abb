#pragma once
// Everything one conversion run owns: its paths, its arrays with their bounds, the
// open main data file, the loaded code tables and the line counters' files.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "text/input_file.hpp"
#include "text/num_or_text.hpp"
#include "text/text_array.hpp"

namespace velni {

// The header record of the main data file (five number-or-text fields).
struct MainHeader {
  NumOrText first;
  NumOrText headerFieldCount;
  NumOrText layerCount;
  NumOrText fourth;
  NumOrText layerFieldCount;
};

// A failure that must not stop the run where it happens (the title sheets): the run
// goes on with its later passes and reports this instead of the completion.
struct DeferredFailure {
  std::u16string message;
};

struct RunContext {
  // The data folder with its final separator, and the program's own folder (for the
  // marker file).
  std::u16string DataFolderPath;
  std::u16string ProgramFolder;

  std::u16string SourcePath;          // Text1 as given
  std::u16string DestinationText;     // Text2 as given
  std::u16string CheckedDestination;  // after CheckFolderPath
  std::u16string OutputFolder;        // destination + separator
  std::u16string SourceFileName;

  TextArray PathPieces{256};
  TextArray RecordFields{40};
  TextArray Title1Fields{30};
  TextArray Title2Fields{30};
  TextArray L10Col1{40}, L10Col2{40};
  TextArray L8Col1{50}, L8Col2{50};
  TextArray L9Col1{50}, L9Col2{50};
  TextArray L4Col1{50}, L4Col2{50};
  std::int16_t L4Count = 0;
  std::int16_t L9Count = 0;
  std::int16_t L8Count = 0;
  std::int16_t L10Count = 0;

  MainHeader Header;
  // File 1: the source file being read (the main data file, then its companions).
  std::optional<InputFile> Source;

  std::vector<DeferredFailure> DeferredFailures;
  // A refusal at the start as the command line reports it: the message shown and,
  // for the destination, the rule that refused it.
  std::u16string RefusalMessage;
};

}  // namespace velni
