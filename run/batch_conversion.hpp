#pragma once
// Many conversion runs sharing one soil-name store, taken in chunks: the requests of
// a chunk are checked and their borings read, then their new soil names registered
// in boring order and layer order under one hold of the lock (one durable write per
// table), then their output sets written side by side on the workers. Every code is
// the one that running the requests one after another gives; only a boring whose
// writing fails after its names were registered keeps them in the tables, where the
// run on its own would not have reached them.
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/run_ui.hpp"
#include "run/conversion_run.hpp"
#include "run/run_result.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {

struct BatchConversionOptions {
  unsigned jobs = 1;          // workers writing output sets; 1: no thread of its own
  // Borings read at once; 0: 8 per worker, from 64 (so that few chunks write the
  // tables) to 256 (so that memory stays small on a machine of many processors).
  std::size_t chunkSize = 0;
};

// The front of one boring's run: made when its run starts, it takes the run's
// messages (from the worker that writes the boring), and is handed back with the result.
using BatchUiMaker = std::function<std::unique_ptr<RunUi>(std::size_t request)>;
// Called for each request in order, from the thread that called ConvertBatch.
using BatchFinished = std::function<void(std::size_t request, const RunResult& result, RunUi& ui)>;

// Converts `requests` (their soilNames are ignored: `soilNames` serves them all).
void ConvertBatch(const std::vector<RunRequest>& requests, SoilNameStore& soilNames,
                  const BatchConversionOptions& options, const BatchUiMaker& makeUi, const BatchFinished& finished);

}  // namespace velni
