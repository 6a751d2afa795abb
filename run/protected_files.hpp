#pragma once
// The files that an output the user names (a report, an exchange XML, a picture)
// must never replace: a boring's source files, the tables and the marker of the
// data folder, and the files of the output set. An output is refused when it is
// one of them or reaches one through a link, "..", or the letter case that the
// system ignores in its own names.
#include <optional>
#include <string>
#include <vector>

namespace velni {

struct ProtectedFile {
  std::u16string path;
  std::u16string what;  // what it is, as the refusal says it
};

// The main data file and its two companions.
std::vector<ProtectedFile> SourceFilesOf(const std::u16string& mainDataFile);
// The code tables, the soil-name tables with their work and lock files, and the
// marker beside the data folder (`dataFolderPath` with its final separator).
std::vector<ProtectedFile> DataFolderFiles(const std::u16string& dataFolderPath);
// The ten files of the output set in `destinationFolder` (with its final separator).
std::vector<ProtectedFile> OutputSetFiles(const std::u16string& destinationFolder);

// The protected file that a write to `output` would replace; none when it is free.
std::optional<ProtectedFile> ProtectedFileAt(const std::u16string& output, const std::vector<ProtectedFile>& files);

}  // namespace velni
