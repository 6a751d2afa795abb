#include "run/main_data_files.hpp"

#include "platform/file_system.hpp"
#include "platform/folder_access.hpp"
#include "platform/host_path.hpp"

namespace velni {

namespace {


bool HasAtIgnoringCase(const std::u16string& name, std::size_t at, std::u16string_view part) {
  return fs::EqualsIgnoringCase(name.substr(at, part.size()), std::u16string(part));
}

bool Matches(const std::u16string& name, std::u16string_view prefix, std::u16string_view extension) {
  if (name.size() < prefix.size() + extension.size()) return false;
  return HasAtIgnoringCase(name, 0, prefix) && HasAtIgnoringCase(name, name.size() - extension.size(), extension);
}

std::u16string Joined(const std::u16string& folder, const std::u16string& name) {
  return folder.empty() ? name : folder + kPathSeparator + name;
}

void Walk(const std::u16string& root, const std::u16string& relative, SurveyListing& found) {
  const std::u16string folder = Joined(root, relative);
  if (auto reason = FolderUnreadableReason(folder)) {
    found.unreadable.push_back({relative, *reason});
    return;
  }
  for (const auto& name : fs::ListFiles(folder)) {
    if (IsMainDataFileName(name) || IsDeliveredExchangeFileName(name)) found.borings.push_back({relative, name});
  }
  for (const auto& sub : fs::ListSubfolders(folder)) Walk(root, Joined(relative, sub), found);
}

}  // namespace

std::u16string MainDataFile::RelativePath() const { return Joined(relativeFolder, fileName); }

std::u16string MainDataFile::Stem() const { return fileName.substr(0, fileName.rfind(u'.')); }

bool IsMainDataFileName(const std::u16string& name) { return Matches(name, u"MDT", u".JDF"); }

bool IsDeliveredExchangeFileName(const std::u16string& name) { return Matches(name, u"BED", u".XML"); }

SurveyListing ListSurvey(const std::u16string& folder) {
  SurveyListing found;
  Walk(folder, u"", found);
  return found;
}

std::vector<MainDataFile> FindMainDataFiles(const std::u16string& folder) { return ListSurvey(folder).borings; }

}  // namespace velni
