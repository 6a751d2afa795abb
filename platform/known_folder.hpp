#pragma once
// Folders whose entries the case resolver reads once, not at every name that is
// not found as written: a run's work folder, which this process made empty and
// into which it writes only names exactly as it spells them, and a destination
// while an output set moves in (the names it looks for there again are found as
// written). Only the resolver of a case-sensitive host reads folders at all.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velni::fs {

class KnownFolder {
 public:
  enum class Entries {
    None,      // made just now, empty
    AsListed,  // as the first listing that the resolver needs finds them
  };
  // `folder` with its final separator, as the paths inside it are written.
  KnownFolder(std::u16string folder, Entries entries);
  ~KnownFolder();
  KnownFolder(const KnownFolder&) = delete;
  KnownFolder& operator=(const KnownFolder&) = delete;

 private:
  std::u16string folder_;
};

// For the resolver: the entries of `folder` when it is known (read by `list` the
// first time), none otherwise.
std::optional<std::vector<std::u16string>> KnownEntries(const std::u16string& folder,
                                                        const std::function<std::vector<std::u16string>()>& list);

}  // namespace velni::fs
