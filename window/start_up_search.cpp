#include "window/start_up_search.hpp"

#include "platform/data_folder_places.hpp"
#include "window/data_folder_search.hpp"

namespace velni {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Often enough that the window answers at once, seldom enough that the window
// system does not slow the walk.
constexpr milliseconds kYield{20};
constexpr milliseconds kRefresh{250};
// A data folder found at once (beside the program) shows no window at all.
constexpr milliseconds kShowAfter{300};

}  // namespace

std::u16string SearchCountLine(std::size_t visited) {
  const std::string digits = std::to_string(visited);
  return u"検索したフォルダ数: " + std::u16string(digits.begin(), digits.end());
}

std::u16string WaitForSearch(BackgroundSearch& search, SearchProgressView& progress) {
  const Clock::time_point started = Clock::now();
  Clock::time_point refreshed{};
  for (;;) {
    if (auto result = search.Result()) {
      progress.Hide();
      return *result;
    }
    if (progress.Cancelled()) {
      search.Cancel();
      progress.Hide();
      return {};
    }
    const Clock::time_point now = Clock::now();
    if (!progress.Visible() && now - started >= kShowAfter) progress.Show();
    if (progress.Visible() && now - refreshed >= kRefresh) {
      const auto [folder, visited] = search.Progress();
      progress.ShowProgress(SearchCountLine(visited), folder);
      refreshed = now;
    }
    progress.Pump(kYield);
  }
}

std::u16string FindDataFolderAtStartUp(SearchProgressView& progress) {
  BackgroundSearch search([](const FolderVisit& onVisit) {
    const DataFolderChoice choice = ChooseDataFolder(MachineDataFolderPlaces(std::nullopt));
    if (!choice.folder.empty()) return choice.folder;
    std::u16string found = FindDataFolder(MachineDataFolderSearch(onVisit));
    if (!found.empty()) SaveDataFolderSetting(SettingsFilePath(), found);
    return found;
  });
  return WaitForSearch(search, progress);
}

}  // namespace velni
