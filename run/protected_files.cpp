#include "run/protected_files.hpp"

#include "platform/durable_file.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "readers/companion_path.hpp"
#include "run/output_set.hpp"
#include "tables/soil_entry.hpp"

namespace velni {
namespace {

constexpr const char16_t* kCodeTableNames[] = {u"L1.TXT", u"L2.TXT", u"L3.TXT", u"L4.TXT",
                                               u"L8.TXT", u"L9.TXT", u"L10.TXT"};

std::u16string FolderPart(const std::u16string& path) {
  const std::size_t last = path.rfind(kPathSeparator);
  return last == std::u16string::npos ? u"" : path.substr(0, last);
}

// One entry, or a name the system would take for it: the same folder and a name
// that differs only in letter case.
bool Reaches(const std::u16string& target, const std::u16string& file) {
  if (fs::SameEntry(target, file)) return true;
  return fs::EqualsIgnoringCase(FileNameOf(target), FileNameOf(file)) &&
         fs::SameEntry(FolderPart(target), FolderPart(file));
}

}  // namespace

std::vector<ProtectedFile> SourceFilesOf(const std::u16string& mainDataFile) {
  const std::u16string name = FileNameOf(mainDataFile);
  return {{mainDataFile, u"変換元の主データファイル"},
          {CompanionPath(mainDataFile, name, kRemarksPrefix), u"変換元の記事ファイル"},
          {CompanionPath(mainDataFile, name, kPenetrationPrefix), u"変換元の試験ファイル"}};
}

std::vector<ProtectedFile> DataFolderFiles(const std::u16string& dataFolderPath) {
  std::vector<ProtectedFile> files;
  for (const char16_t* name : kCodeTableNames) files.push_back({dataFolderPath + name, u"データフォルダのコード表"});
  files.push_back({dataFolderPath + kSoilTableName, u"データフォルダの土質名表"});
  files.push_back({dataFolderPath + kExtendedTableName, u"データフォルダの拡張土質名表"});
  files.push_back({dataFolderPath + kExtendedWorkFileName, u"データフォルダの土質名表の作業ファイル"});
  files.push_back({dataFolderPath + kTableLockFileName, u"データフォルダのロックファイル"});
  files.push_back({FolderHolding(dataFolderPath) + kMarkerFileName, u"データフォルダの目印のファイル"});
  return files;
}

std::vector<ProtectedFile> OutputSetFiles(const std::u16string& destinationFolder) {
  std::vector<ProtectedFile> files;
  for (const char16_t* name : kOutputFileNames) files.push_back({destinationFolder + name, u"変換で書き出すファイル"});
  return files;
}

std::optional<ProtectedFile> ProtectedFileAt(const std::u16string& output, const std::vector<ProtectedFile>& files) {
  const std::u16string target = fs::WhereWritten(output);
  for (const ProtectedFile& file : files) {
    if (Reaches(target, fs::WhereWritten(fs::Resolve(file.path)))) return file;
  }
  return std::nullopt;
}

}  // namespace velni
