#pragma once
// Outputs the user names (--report, --xml, --picture, --pictures and the files of
// their batch folders) are refused before anything is read when a write to them
// would replace a file the command reads or writes.
#include <string>
#include <string_view>
#include <vector>

#include "run/protected_files.hpp"

namespace velni::cli {

// The refusal, naming the output and what it would replace; empty when it is free.
std::u16string RefusedOutput(std::u16string_view option, const std::u16string& output,
                             const std::vector<ProtectedFile>& files);

// The refusal of a batch's output folder that is one of the source files of the
// main data files `sources` or one of `tables`; empty when it is free.
std::u16string RefusedBatchFolder(std::u16string_view option, const std::u16string& folder,
                                  const std::vector<std::u16string>& sources,
                                  const std::vector<ProtectedFile>& tables);

// The files of every data folder the command line could be using (named by the
// environment or the settings file, beside the program, the user's own), for the
// commands that use none themselves (the exchange XML, pictures). Nothing is made.
std::vector<ProtectedFile> KnownDataFolderFiles();

template <typename... Lists>
std::vector<ProtectedFile> Joined(std::vector<ProtectedFile> first, const Lists&... rest) {
  (first.insert(first.end(), rest.begin(), rest.end()), ...);
  return first;
}

}  // namespace velni::cli
