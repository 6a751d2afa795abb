#include "window/settings_file_memory.hpp"

#include <sstream>
#include <utility>
#include <vector>

#include "platform/durable_file.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

std::vector<std::string> ReadLines(const std::u16string& file) {
  std::vector<std::string> lines;
  try {
    std::istringstream text(fs::IsFile(file) ? fs::ReadWholeFile(file) : std::string());
    for (std::string line; std::getline(text, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
  } catch (const RunError&) {
    lines.clear();
  }
  return lines;
}

std::u16string Recall(const std::u16string& file, const std::u16string& key) {
  const std::string prefix = ToUtf8(key) + "=";
  for (const std::string& line : ReadLines(file)) {
    if (line.starts_with(prefix)) return FromUtf8(line.substr(prefix.size()));
  }
  return {};
}

void Keep(const std::u16string& file, const std::u16string& key, const std::u16string& folder) {
  // The lists move often: the file is written only when the folder kept changes.
  if (Recall(file, key) == folder) return;
  const std::string prefix = ToUtf8(key) + "=";
  std::ostringstream text;
  for (const std::string& line : ReadLines(file)) {
    if (!line.starts_with(prefix)) text << line << '\n';
  }
  text << prefix << ToUtf8(folder) << '\n';
  if (fs::CreateFoldersAbove(file)) return;
  try {
    fs::ReplaceDurably(file, FileNameOf(file) + u".tmp", text.str());
  } catch (const RunError&) {
    // Forgotten: the lists start in the current folder next time.
  }
}

}  // namespace

FolderMemory SettingsFileFolderMemory(std::u16string settingsFile) {
  FolderMemory memory;
  memory.recall = [settingsFile](const std::u16string& key) { return Recall(settingsFile, key); };
  memory.keep = [settingsFile](const std::u16string& key, const std::u16string& folder) {
    Keep(settingsFile, key, folder);
  };
  return memory;
}

}  // namespace velni
