// Start-up never waits on a volume that does not answer: the search runs on its own
// thread, local volumes come before network ones, and a cancelled search lets go at
// once. The volume that does not answer is faked by a readability test that blocks.
#include "window/background_search.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <thread>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using namespace std::chrono_literals;
using testing::U;

// A volume that blocks whoever examines it until it is released.
class DeadVolume {
 public:
  bool Examine() {
    std::unique_lock<std::mutex> hold(lock_);
    examined_ = true;
    released_.wait(hold, [this] { return free_; });
    return false;
  }
  void Release() {
    const std::lock_guard<std::mutex> hold(lock_);
    free_ = true;
    released_.notify_all();
  }
  bool Examined() {
    const std::lock_guard<std::mutex> hold(lock_);
    return examined_;
  }

 private:
  std::mutex lock_;
  std::condition_variable released_;
  bool free_ = false;
  bool examined_ = false;
};

std::optional<std::u16string> WaitForResult(const BackgroundSearch& search, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!search.Result() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(5ms);
  return search.Result();
}

class BackgroundSearchTest : public ::testing::Test {
 protected:
  BackgroundSearch::Search SearchOf(const std::vector<Volume>& volumes) {
    // Captured by value: a held search outlives the test's own objects.
    const std::u16string programFolder = U((temp_ / "elsewhere").string());
    return [dead = dead_, programFolder, volumes](const FolderVisit& onVisit) {
      DataFolderSearch search;
      search.programFolder = programFolder;
      search.volumeRoots = LocalVolumesFirst(volumes);
      search.volumeReadable = [dead](const std::u16string& root) {
        return root == u"/dead-share" ? dead->Examine() : std::filesystem::is_directory(testing::S(root));
      };
      search.onVisit = onVisit;
      return FindDataFolder(search);
    };
  }

  testing::TempFolder temp_;
  std::shared_ptr<DeadVolume> dead_ = std::make_shared<DeadVolume>();
};

TEST_F(BackgroundSearchTest, LocalVolumesAreSearchedBeforeNetworkOnes) {
  testing::WriteBytes(temp_ / "local" / "PATDAT" / "kishitu.txt", "5001,砂\r\n");
  const BackgroundSearch search(SearchOf({{u"/dead-share", u"server:/export", true},
                                          {U((temp_ / "local").string()), u"/dev/sda1", false}}));
  EXPECT_EQ(WaitForResult(search, 5s), U((temp_ / "local" / "PATDAT").string() + "/"));
  EXPECT_FALSE(dead_->Examined());
  dead_->Release();
}

TEST_F(BackgroundSearchTest, ACancelledSearchLetsGoWhileAVolumeHoldsIt) {
  auto search = std::make_unique<BackgroundSearch>(SearchOf({{u"/dead-share", u"server:/export", true}}));
  while (!dead_->Examined()) std::this_thread::sleep_for(5ms);
  EXPECT_EQ(search->Result(), std::nullopt);
  const auto cancelled = std::chrono::steady_clock::now();
  search.reset();  // the window goes on; the held thread keeps only its own state
  EXPECT_LT(std::chrono::steady_clock::now() - cancelled, 100ms);
  dead_->Release();
}

}  // namespace
}  // namespace velni
