#pragma once
// The passes of a conversion run, called in this order by ConversionRun once its
// checks have passed. Each reads from and writes into the run's context; the
// writing passes write from the boring read before them, into run.OutputFolder.
#include "run/run_context.hpp"

namespace velni {

// The three source files into run.boring; nothing is written before this is done.
void ReadBoringPass(RunContext& run);
// The header fields onto the title fields (with the L1.TXT and L2.TXT lookups).
void MapTitleFields(RunContext& run);
// CNT.TXT.
void WriteControlFile(RunContext& run);
// Titl01.txt and Titl02.txt; a failure is remembered, not thrown.
void WriteTitleSheetsPass(RunContext& run);
// The soil codes of the layers into run.LayerSoilCodes, the new names registered
// (a batch does this for its borings in turn, before any of them writes).
void RegisterLayerSoilNames(RunContext& run, SoilNameStore::Registration& registration);
// X1.TXT and X3.TXT from the layer section.
void RunLayerSection(RunContext& run);
// X11.TXT, N9.TXT and N8.TXT from the second section.
void RunListSection(RunContext& run);
// X12.TXT from the remarks (through N12.TXT and N12.TMP, kept in memory).
void RunRemarksPass(RunContext& run);
// X5.TXT from the penetration tests.
void RunPenetrationPass(RunContext& run);

}  // namespace velni
