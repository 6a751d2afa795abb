#pragma once
// The conversion run behind the run button: checks of the request, the destination
// folder, then the boring read whole and the passes in their fixed order.
#include <cstdint>
#include <string>

#include "platform/run_ui.hpp"
#include "readers/companion_path.hpp"
#include "run/run_messages.hpp"
#include "run/run_result.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {

struct RunRequest {
  std::u16string sourceText;       // Text1
  std::u16string destinationText;  // Text2
  std::u16string dataFolderPath;   // with its final separator
  // The soil-name tables of the data folder, kept by the caller across runs (a
  // batch, a window session); without one the run reads them for itself.
  SoilNameStore* soilNames = nullptr;
};

RunResult ConversionRun(const RunRequest& request, RunUi& ui);

}  // namespace velni
