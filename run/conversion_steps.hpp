#pragma once
// The conversion run in its steps, in the order ConversionRun takes them, for a batch
// that takes each step for many borings: the checks and the reading, the soil names
// (by the batch), then the writing.
#include <functional>
#include <optional>

#include "platform/run_ui.hpp"
#include "run/conversion_run.hpp"
#include "run/run_context.hpp"

namespace velni {

// Takes the request into `run` (request.soilNames must be set) and says the run is busy.
void StartRun(RunContext& run, const RunRequest& request, RunUi& ui);
// The checks at the start: the refusal when one says no, after creating the
// destination folders otherwise.
std::optional<RunResult> CheckRequest(RunContext& run, RunUi& ui);
// The code tables and the boring, read whole; a failure is thrown.
void ReadBoring(RunContext& run, RunUi& ui);
// The output set, written and moved into place; a failure is thrown.
RunResult WriteAndFinish(RunContext& run, RunUi& ui);
// `steps` with a failure shown and returned as the failed run.
RunResult ReportedRun(const std::function<RunResult()>& steps, RunUi& ui);

}  // namespace velni
