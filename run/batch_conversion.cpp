#include "run/batch_conversion.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "run/conversion_steps.hpp"
#include "run/passes.hpp"
#include "run/request_checks.hpp"
#include "run/worker_pool.hpp"
#include "text/run_error.hpp"
#include "writers/soil_names.hpp"

namespace velni {
namespace {

// One request on its way through the batch.
struct InFlight {
  std::size_t request = 0;
  std::unique_ptr<RunUi> ui;
  std::unique_ptr<RunContext> run;
  std::optional<RunResult> result;  // once the run has ended
};

using Chunk = std::vector<InFlight>;

// `step` for a boring still going: a failure ends its run, as the run shows it.
void Attempt(InFlight& boring, const std::function<void()>& step) {
  if (boring.result) return;
  bool done = false;
  RunResult failed = ReportedRun(
      [&] {
        step();
        done = true;
        return RunResult{};
      },
      *boring.ui);
  if (!done) boring.result = std::move(failed);
}

bool TookSoilCodes(const InFlight& boring) {
  const auto& codes = boring.run->LayerSoilCodes;
  return codes && std::any_of(codes->begin(), codes->end(), [](const auto& code) { return code != kNoSoilCode; });
}

class Batch {
 public:
  Batch(const std::vector<RunRequest>& requests, SoilNameStore& soilNames, const BatchConversionOptions& options,
        const BatchUiMaker& makeUi, const BatchFinished& finished)
      : requests_(requests), soilNames_(soilNames), makeUi_(makeUi), finished_(finished),
        pool_(std::max(1u, options.jobs)),
        chunkSize_(options.chunkSize > 0 ? options.chunkSize : std::clamp<std::size_t>(8 * options.jobs, 64, 256)) {}

  // While the workers write one chunk, the next is checked, read and registered;
  // a chunk is handed back once the next one is being written.
  void Run() {
    Chunk writing;
    auto written = std::make_unique<WorkerPool::Group>();
    for (std::size_t first = 0; first < requests_.size(); first += chunkSize_) {
      Chunk chunk = Start(first, std::min(requests_.size(), first + chunkSize_));
      Read(chunk);
      Register(chunk);
      auto group = std::make_unique<WorkerPool::Group>();
      Write(chunk, *group);
      pool_.Wait(*written);
      HandBack(writing);
      writing = std::move(chunk);
      written = std::move(group);
    }
    pool_.Wait(*written);
    HandBack(writing);
  }

 private:
  // The checks ask the front and create folders: one boring after another.
  Chunk Start(std::size_t first, std::size_t last) {
    Chunk chunk(last - first);
    for (std::size_t i = first; i < last; ++i) {
      InFlight& boring = chunk[i - first];
      boring.request = i;
      boring.ui = makeUi_(i);
      boring.run = std::make_unique<RunContext>();
      RunRequest request = requests_[i];
      request.soilNames = &soilNames_;
      StartRun(*boring.run, request, *boring.ui);
      Attempt(boring, [&] { boring.result = CheckRequest(*boring.run, *boring.ui); });
    }
    return chunk;
  }

  void Read(Chunk& chunk) {
    WorkerPool::Group read;
    for (InFlight& boring : chunk) {
      if (!boring.result) pool_.Give(read, [&boring] { Attempt(boring, [&] { ReadBoring(*boring.run, *boring.ui); }); }, true);
    }
    pool_.Wait(read);
  }

  // In boring order, layer order: the codes of a boring-by-boring batch.
  void Register(Chunk& chunk) {
    RunUi* current = nullptr;
    std::optional<SoilNameStore::Registration> registration;
    bool tableMade = false;
    for (InFlight& boring : chunk) {
      current = boring.ui.get();
      Attempt(boring, [&] {
        if (!tableMade) soilNames_.EnsureSoilTable();
        tableMade = true;
        if (!registration) registration.emplace(soilNames_, [&current](const std::u16string& text) { current->Notify(text); });
        RegisterLayerSoilNames(*boring.run, *registration);
      });
    }
    if (!registration) return;
    try {
      registration->Write();
    } catch (const RunError& error) {
      // The codes these borings carry never reached the tables.
      for (InFlight& boring : chunk) {
        if (!boring.result && TookSoilCodes(boring)) Attempt(boring, [&error] { throw error; });
      }
    }
  }

  void Write(Chunk& chunk, WorkerPool::Group& group) {
    for (InFlight& boring : chunk) {
      if (boring.result) continue;
      pool_.Give(group, [&boring] {
        boring.result = ReportedRun([&] { return WriteAndFinish(*boring.run, *boring.ui); }, *boring.ui);
        // Only a failure needs the run again (for the folders it created).
        if (boring.result->outcome != RunOutcome::Failed) boring.run.reset();
      });
    }
  }

  void HandBack(Chunk& chunk) {
    for (InFlight& boring : chunk) {
      if (boring.result->outcome == RunOutcome::Failed && boring.run) RemoveCreatedFolders(*boring.run);
      finished_(boring.request, *boring.result, *boring.ui);
    }
    chunk.clear();
  }

  const std::vector<RunRequest>& requests_;
  SoilNameStore& soilNames_;
  const BatchUiMaker& makeUi_;
  const BatchFinished& finished_;
  WorkerPool pool_;
  std::size_t chunkSize_;
};

}  // namespace

void ConvertBatch(const std::vector<RunRequest>& requests, SoilNameStore& soilNames,
                  const BatchConversionOptions& options, const BatchUiMaker& makeUi, const BatchFinished& finished) {
  Batch(requests, soilNames, options, makeUi, finished).Run();
}

}  // namespace velni
