#pragma once
// The output files of one run as one set: written into a work folder inside the
// destination and moved into place only when every pass has completed, so that a
// failed run leaves the destination as it was and a completed one never leaves the
// file of another boring beside its own.
//
// The move is recorded before it starts: a journal in the work folder names the
// files of the set, and a run stopped half-way through the moves (killed) has them
// finished by the next run into that destination, so the destination holds the old
// set or the new one, never a mix. A run stopped before the journal leaves a work
// folder that the next run throws away. The files are not flushed to disk: the
// outputs can be made again from the sources, and the promise is made against a
// stopped program, not a power cut.
#include <optional>
#include <string>
#include <vector>

#include "platform/file_lock.hpp"
#include "platform/known_folder.hpp"

namespace velni {

// The ten names of the output set, in the order the passes write them.
inline constexpr const char16_t* kOutputFileNames[] = {u"CNT.TXT", u"Titl01.txt", u"Titl02.txt", u"X1.TXT",
                                                       u"X3.TXT",  u"X11.TXT",    u"N9.TXT",     u"N8.TXT",
                                                       u"X12.TXT", u"X5.TXT"};

class OutputSet {
 public:
  // Finishes or clears the work folders that stopped runs left in
  // `destinationFolder` (with its final separator), then creates this run's own.
  explicit OutputSet(std::u16string destinationFolder);
  // A set never committed is thrown away with its work folder.
  ~OutputSet();
  OutputSet(const OutputSet&) = delete;
  OutputSet& operator=(const OutputSet&) = delete;

  // Where the passes write, with its final separator.
  const std::u16string& WorkFolder() const { return work_; }
  // `text` with the work folder named as the destination, for messages: the
  // operator knows the files by where they end up.
  std::u16string AsInDestination(std::u16string text) const;

  // Moves every file of the set into the destination, replacing a file of its name
  // in any letter case, and removes from the destination the files of the ten names
  // that this run did not write. Returns the names moved, in order. Before anything
  // moves, each name is checked to be free or a file that can be replaced, so the
  // usual failures (a folder in a file's place; on Windows a file another program
  // holds open, or a read-only one) leave the destination as it was; a rename that the
  // system refuses half-way (a disk gone) is reported, and the next run into the
  // destination finishes the moves.
  std::vector<std::u16string> Commit();

  // The work folders that stopped runs left in `destinationFolder`: a set whose
  // journal stands is moved into place as its run would have; any other is thrown
  // away. The work folder of a run still going on is left alone. A move that fails
  // is a run-time failure naming the file.
  static void FinishStoppedRuns(const std::u16string& destinationFolder);

 private:
  std::u16string CreateWorkFolder();

  std::u16string destination_;
  // Held while the set lives: it tells a run going on from one that was stopped.
  std::optional<fs::FileLock> lock_;
  std::u16string work_;
  // Only this set writes into its work folder: the resolver need not read it.
  std::optional<fs::KnownFolder> knownWork_;
  bool committed_ = false;
};

}  // namespace velni
