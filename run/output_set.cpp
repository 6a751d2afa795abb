#include "run/output_set.hpp"

#include "platform/file_system.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// A name no output file takes; hidden, so that the lists of the window pass it by.
constexpr char16_t kWorkFolderPrefix[] = u".velni2qx-work-";

}  // namespace

OutputSet::OutputSet(std::u16string destinationFolder)
    : destination_(std::move(destinationFolder)), work_(fs::CreateUniqueFolder(destination_, kWorkFolderPrefix)) {}

OutputSet::~OutputSet() {
  if (!committed_) Discard();
}

std::u16string OutputSet::AsInDestination(std::u16string text) const {
  for (std::size_t at = text.find(work_); at != std::u16string::npos; at = text.find(work_, at)) {
    text.replace(at, work_.size(), destination_);
    at += destination_.size();
  }
  return text;
}

std::vector<std::u16string> OutputSet::Commit() {
  for (const char16_t* name : kOutputFileNames) {
    const std::u16string target = destination_ + name;
    if (fs::Exists(target) && !fs::IsFile(target)) throw RunError(failure::kCannotCreate, target);
  }
  std::vector<std::u16string> moved;
  for (const char16_t* name : kOutputFileNames) {
    const std::u16string target = destination_ + name;
    if (fs::IsFile(work_ + name)) {
      fs::RenameFile(work_ + name, target);
      moved.emplace_back(name);
    } else if (fs::IsFile(target)) {
      fs::DeleteFile(target);
    }
  }
  committed_ = true;
  Discard();
  return moved;
}

// Only the run's own files are in the work folder; a failure to clear it must not
// hide the outcome of the run.
void OutputSet::Discard() {
  for (const std::u16string& name : fs::ListFiles(work_)) {
    try {
      fs::DeleteFile(work_ + name);
    } catch (const RunError&) {
    }
  }
  fs::RemoveFolder(work_);
}

}  // namespace velni
