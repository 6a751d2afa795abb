#include "run/output_set.hpp"

#include <algorithm>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

// A name no output file takes; hidden, so that the lists of the window pass it by.
constexpr char16_t kWorkFolderPrefix[] = u".velni2qx-work-";
// Inside the work folder, beside the output files.
constexpr char16_t kLockName[] = u".lock";
constexpr char16_t kJournalName[] = u".commit";
constexpr char16_t kJournalWorkName[] = u".commit.new";

bool IsOutputName(const std::u16string& name) {
  return std::any_of(std::begin(kOutputFileNames), std::end(kOutputFileNames),
                     [&name](const char16_t* output) { return name == output; });
}

void DeleteQuietly(const std::u16string& path) {
  try {
    fs::DeleteFile(path);
  } catch (const RunError&) {
  }
}

// The set is committed once the journal stands under its name: it appears whole
// in one rename, so a stop while it is written leaves no journal.
void WriteJournal(const std::u16string& work, const std::vector<std::u16string>& written) {
  std::u16string text;
  for (const std::u16string& name : written) text += name + u"\n";
  fs::WriteNewFile(work + kJournalWorkName, ToUtf8(text));
  fs::RenameFile(work + kJournalWorkName, work + kJournalName);
}

std::vector<std::u16string> ReadJournal(const std::u16string& work) {
  const std::u16string text = FromUtf8(fs::ReadWholeFile(work + kJournalName));
  std::vector<std::u16string> written;
  for (std::size_t start = 0, end; (end = text.find(u'\n', start)) != std::u16string::npos; start = end + 1) {
    if (IsOutputName(text.substr(start, end - start))) written.push_back(text.substr(start, end - start));
  }
  return written;
}

// Every step can be done again: a file already moved is no longer in the work
// folder, and a name already removed is no longer in the destination.
void MoveIntoPlace(const std::u16string& destination, const std::u16string& work,
                   const std::vector<std::u16string>& written) {
  for (const char16_t* name : kOutputFileNames) {
    const bool wrote = std::find(written.begin(), written.end(), name) != written.end();
    if (wrote && fs::IsFile(work + name)) {
      fs::RenameFile(work + name, destination + name);
    } else if (!wrote && fs::IsFile(destination + name)) {
      fs::DeleteFile(destination + name);
    }
  }
}

// The journal goes first: from then on nothing is left to finish. A failure to
// clear must not hide the outcome of the run.
void ClearWorkFolder(const std::u16string& work, std::optional<fs::FileLock>& lock) {
  DeleteQuietly(work + kJournalName);
  for (const std::u16string& name : fs::ListFiles(work)) {
    if (name != kLockName) DeleteQuietly(work + name);
  }
  lock.reset();
  DeleteQuietly(work + kLockName);
  fs::RemoveFolder(work);
}

// A stopped run's lock is free, or was never made (stopped between making the
// folder and its lock, or left by an older version): then it is made here.
bool TakeOver(const std::u16string& work, std::optional<fs::FileLock>& lock) {
  lock.emplace(work + kLockName, fs::LockFileOpen::OpenExisting);
  if (!lock->Usable()) lock.emplace(work + kLockName, fs::LockFileOpen::CreateNew);
  return lock->TryAcquire();
}

}  // namespace

OutputSet::OutputSet(std::u16string destinationFolder) : destination_(std::move(destinationFolder)) {
  FinishStoppedRuns(destination_);
  work_ = CreateWorkFolder();
}

OutputSet::~OutputSet() {
  if (!committed_) ClearWorkFolder(work_, lock_);
  knownWork_.reset();
}

void OutputSet::FinishStoppedRuns(const std::u16string& destinationFolder) {
  for (const std::u16string& name : fs::ListSubfolders(destinationFolder)) {
    if (!name.starts_with(kWorkFolderPrefix)) continue;
    const std::u16string work = destinationFolder + name + kPathSeparator;
    std::optional<fs::FileLock> lock;
    if (!TakeOver(work, lock)) continue;
    if (fs::IsFile(work + kJournalName)) MoveIntoPlace(destinationFolder, work, ReadJournal(work));
    ClearWorkFolder(work, lock);
  }
}

// The folder is this run's only when it made the lock and holds it: a run
// finishing stopped ones may have taken over a folder made a moment before.
std::u16string OutputSet::CreateWorkFolder() {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::u16string work = fs::CreateUniqueFolder(destination_, kWorkFolderPrefix);
    knownWork_.emplace(work, fs::KnownFolder::Entries::None);
    lock_.emplace(work + kLockName, fs::LockFileOpen::CreateNew);
    if (lock_->TryAcquire()) return work;
    lock_.reset();
    fs::RemoveFolder(work);
    knownWork_.reset();
  }
  throw RunError(failure::kCannotCreate, destination_ + kWorkFolderPrefix);
}

std::u16string OutputSet::AsInDestination(std::u16string text) const {
  for (std::size_t at = text.find(work_); at != std::u16string::npos; at = text.find(work_, at)) {
    text.replace(at, work_.size(), destination_);
    at += destination_.size();
  }
  return text;
}

// The destination is read once for the ten names, not once for each look at one.
std::vector<std::u16string> OutputSet::Commit() {
  const fs::KnownFolder knownDestination(destination_, fs::KnownFolder::Entries::AsListed);
  std::vector<std::u16string> written;
  for (const char16_t* name : kOutputFileNames) {
    const std::u16string target = destination_ + name;
    if (fs::Exists(target) && !fs::IsFile(target)) throw RunError(failure::kCannotCreate, target);
    if (fs::IsFile(target)) fs::CheckReplaceable(target);
    if (fs::IsFile(work_ + name)) written.emplace_back(name);
  }
  WriteJournal(work_, written);
  // From here the set belongs in the destination: when a move fails, the work
  // folder stays for the next run to finish.
  committed_ = true;
  MoveIntoPlace(destination_, work_, written);
  ClearWorkFolder(work_, lock_);
  knownWork_.reset();
  return written;
}

}  // namespace velni
