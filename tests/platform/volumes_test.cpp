// The volumes that stand for drives: which mounts count, their order, and which
// volume holds a folder.
#include "platform/volumes.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::TempFolder;
using testing::U;

TEST(RealVolumesTest, KeepsRealFileSystemsRootFirstThenByMountPath) {
  const char* table =
      "proc /proc proc rw,relatime 0 0\n"
      "/dev/sdc1 /data ext4 rw 0 0\n"
      "/dev/vda / ext4 rw,relatime 0 0\n"
      "tmpfs /dev/shm tmpfs rw 0 0\n"
      "/dev/sdb1 /mnt/usb\\040stick vfat rw 0 0\n"
      "overlay /var/lib/docker/overlay2/x/merged overlay rw 0 0\n"
      "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
      "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
      "/dev/sdd1 /data xfs rw 0 0\n"
      "/dev/sde1 /mnt/back\\134slash ext4 rw 0 0\n";
  const std::vector<Volume> volumes = RealVolumes(ParseMountTable(table));
  struct Expected {
    std::u16string root, source;
  };
  // /data was mounted twice: the later mount hides the earlier one.
  const std::vector<Expected> expected = {{u"/", u"/dev/vda"},
                                          {u"/data", u"/dev/sdd1"},
                                          {u"/mnt/back\\slash", u"/dev/sde1"},
                                          {u"/mnt/usb stick", u"/dev/sdb1"}};
  ASSERT_EQ(volumes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(volumes[i].root, expected[i].root) << i;
    EXPECT_EQ(volumes[i].source, expected[i].source) << i;
  }
}

TEST(RealVolumesTest, NetworkAndFuseVolumesAreMarkedSoThatStartUpNeverWaitsOnThem) {
  const char* table =
      "/dev/vda / ext4 rw 0 0\n"
      "server:/export /mnt/nfs nfs4 rw 0 0\n"
      "//nas/share /mnt/smb cifs rw 0 0\n"
      "user@host:/ /mnt/ssh fuse.sshfs rw 0 0\n"
      "/dev/sdb1 /mnt/usb vfat rw 0 0\n";
  std::vector<std::pair<std::u16string, bool>> network;
  for (const Volume& volume : RealVolumes(ParseMountTable(table))) network.emplace_back(volume.root, volume.network);
  EXPECT_EQ(network, (std::vector<std::pair<std::u16string, bool>>{
                         {u"/", false}, {u"/mnt/nfs", true}, {u"/mnt/smb", true}, {u"/mnt/ssh", true}, {u"/mnt/usb", false}}));
}

TEST(RealVolumesTest, TheRootIsKeptWhateverHoldsIt) {
  const std::vector<Volume> volumes =
      RealVolumes(ParseMountTable("overlay / overlay rw 0 0\n/dev/sdb1 /mnt/usb vfat rw 0 0\n"));
  ASSERT_EQ(volumes.size(), 2u);
  EXPECT_EQ(volumes[0].root, u"/");
  EXPECT_EQ(volumes[1].root, u"/mnt/usb");
}

TEST(RealVolumesTest, ThisMachineHasItsRootVolumeFirst) {
  const std::vector<Volume> volumes = MountedVolumes();
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.front().root, testing::HostPath("/"));  // C:\ on Windows
  for (const Volume& volume : volumes) EXPECT_NE(volume.root, u"/proc");
}

TEST(VolumeHoldingTest, TheLongestRootThatIsTheFolderOrAnAncestor) {
  const std::vector<std::u16string> roots = {testing::HostPath("/"), testing::HostPath("/mnt/usb"),
                                             testing::HostPath("/mnt/usb2")};
  struct Case {
    std::string folder;
    std::optional<std::size_t> holder;
  };
  const Case cases[] = {
      {"/home/a", 0},
      {"/mnt/usb", 1},
      {"/mnt/usb/", 1},
      {"/mnt/usb/x/y", 1},
      {"/mnt/usb2/x", 2},
      {"/mnt/usbx", 0},  // a longer name, not a folder below /mnt/usb
  };
  for (const Case& c : cases) EXPECT_EQ(VolumeHolding(roots, testing::HostPath(c.folder)), c.holder) << c.folder;
  EXPECT_EQ(VolumeHolding({testing::HostPath("/mnt/usb")}, testing::HostPath("/home")), std::nullopt);
}

TEST(VolumeReadableTest, AVolumeThatIsGoneCannotBeRead) {
  TempFolder temp;
  EXPECT_TRUE(IsVolumeReadable(testing::PathText(temp.Path())));
  EXPECT_FALSE(IsVolumeReadable(testing::PathText(temp / "ejected")));
}

}  // namespace
}  // namespace velni
