#pragma once
// Everything one conversion run owns: its paths, its arrays with their bounds, the
// boring read whole from its source files and the loaded code tables.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/boring.hpp"
#include "platform/run_ui.hpp"
#include "run/control_lines.hpp"
#include "run/run_result.hpp"
#include "tables/code_table.hpp"
#include "tables/soil_name_store.hpp"
#include "text/check_folder_path.hpp"
#include "text/text_array.hpp"

namespace velni {

// A failure that must not stop the run where it happens (the title sheets): the run
// goes on with its later passes and reports this instead of the completion.
struct DeferredFailure {
  std::u16string message;
};

struct RunContext {
  // The data folder with its final separator.
  std::u16string DataFolderPath;
  // The soil-name tables, shared with the runs before and after this one.
  SoilNameStore* SoilNames = nullptr;
  std::vector<NewSoilName> NewSoilNames;
  // The soil code of every layer, when a batch registered the names before the
  // writing (then the writing asks the tables nothing).
  std::optional<std::vector<std::u16string>> LayerSoilCodes;
  // Where notices go that do not stop the run.
  RunUi* Ui = nullptr;

  std::u16string SourcePath;          // Text1 as given
  std::u16string DestinationText;     // Text2 as given
  std::u16string CheckedDestination;  // after CheckFolderPath
  std::u16string OutputFolder;        // destination + separator
  std::u16string SourceFileName;
  // The destination folders this run created, parent first: a failed run removes
  // them again (those still empty).
  std::vector<std::u16string> CreatedFolders;
  // CNT.TXT lines 1 to 3, as written.
  velni::ControlLines ControlLines;

  TextArray PathPieces{kMostPathPieces};
  TextArray Title1Fields{30};
  TextArray Title2Fields{30};
  CodeTables codeTables;

  // The three source files as read, before any output file is written.
  Boring boring;

  std::vector<DeferredFailure> DeferredFailures;
  // A refusal at the start as the command line reports it: the message shown and,
  // for the destination, the rule that refused it.
  std::u16string RefusalMessage;
};

}  // namespace velni
