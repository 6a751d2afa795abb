// Start-up's wait for the data folder: the progress shows when the search takes
// more than a moment, and Cancel answers at once even while a volume holds the
// search (a network share that does not answer).
#include "window/start_up_search.hpp"

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace velni {
namespace {

using namespace std::chrono_literals;

class FakeProgress : public SearchProgressView {
 public:
  void Show() override { visible = shown = true; }
  void Hide() override { visible = false; }
  bool Visible() const override { return visible; }
  void ShowProgress(const std::u16string& countLine, const std::u16string& folder) override {
    lines = {countLine, folder};
  }
  bool Cancelled() const override { return cancelled; }
  // The operator presses Cancel once the progress has shown the held folder.
  void Pump(std::chrono::milliseconds period) override {
    std::this_thread::sleep_for(period);
    if (pressCancel && lines.second == u"/dead-share/") cancelled = true;
  }

  bool visible = false, shown = false, cancelled = false, pressCancel = true;
  std::pair<std::u16string, std::u16string> lines;
};

struct Gate {
  std::mutex lock;
  std::condition_variable opened;
  bool open = false;
  void Open() {
    const std::lock_guard<std::mutex> hold(lock);
    open = true;
    opened.notify_all();
  }
};

TEST(StartUpSearchTest, CancelAnswersAtOnceWhileAVolumeHoldsTheSearchAndTheProgressWasShown) {
  auto gate = std::make_shared<Gate>();
  BackgroundSearch search([gate](const FolderVisit& onVisit) {
    onVisit(u"/dead-share/", 7);
    std::unique_lock<std::mutex> hold(gate->lock);
    gate->opened.wait(hold, [&] { return gate->open; });
    return std::u16string(u"/dead-share/PATDAT/");
  });
  FakeProgress progress;
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(WaitForSearch(search, progress), u"");
  EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
  EXPECT_TRUE(progress.shown);
  EXPECT_FALSE(progress.visible);
  EXPECT_EQ(progress.lines.first, u"検索したフォルダ数: 7");
  gate->Open();
}

}  // namespace
}  // namespace velni
