#pragma once
// The output files of one run as one set: written into a work folder inside the
// destination and moved into place only when every pass has completed, so that a
// failed run leaves the destination as it was and a completed one never leaves the
// file of another boring beside its own.
#include <string>
#include <vector>

namespace velni {

// The ten names of the output set, in the order the passes write them.
inline constexpr const char16_t* kOutputFileNames[] = {u"CNT.TXT", u"Titl01.txt", u"Titl02.txt", u"X1.TXT",
                                                       u"X3.TXT",  u"X11.TXT",    u"N9.TXT",     u"N8.TXT",
                                                       u"X12.TXT", u"X5.TXT"};

class OutputSet {
 public:
  // Creates the work folder inside `destinationFolder` (with its final separator).
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
  // moves, each name is checked to be free or a file, so the usual failure (a
  // folder in a file's place) leaves the destination as it was; a rename that the
  // system refuses half-way (a disk gone) leaves the files moved so far in place and
  // is reported.
  std::vector<std::u16string> Commit();

 private:
  void Discard();

  std::u16string destination_;
  std::u16string work_;
  bool committed_ = false;
};

}  // namespace velni
