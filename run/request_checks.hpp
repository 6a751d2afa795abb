#pragma once
// The checks at the start of a run: the destination path, the source file, and the
// destination folders (created after one question). Each shows its own refusal and
// returns false when the run must end.
#include "platform/run_ui.hpp"
#include "run/run_context.hpp"

namespace velni {

// Checks and normalises the destination into run.CheckedDestination.
bool CheckDestinationPath(RunContext& run, RunUi& ui);
// The source must name an existing file.
bool CheckSourceFile(RunContext& run, RunUi& ui);
// Asks once when a level of the checked destination is missing, then creates every
// missing level, parent first, noting each in run.CreatedFolders.
bool EnsureDestinationFolders(RunContext& run, RunUi& ui);
// After a failure: removes the folders that EnsureDestinationFolders created, child
// first; one that holds anything (another's file, a set left to finish) stays.
void RemoveCreatedFolders(const RunContext& run);

inline constexpr char16_t kCannotCreateFolder[] = u"フォルダを作成できません。";
inline constexpr char16_t kFolderNotCreated[] = u"フォルダを作成しませんでした: ";

}  // namespace velni
