// Writing files where writing is hard: through links, onto pipes and devices, onto a
// full or read-only disk. A failure leaves the old file byte for byte and no temporary
// file, and says why.
#include "IoTestSupport.h"
#include "SmallDisk.h"
#include "io/FileAccess.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zonalyst::io {
namespace {

namespace fs = std::filesystem;
using iotest::ReadFileBytes;
using iotest::WriteFileBytes;
using Names = std::vector<std::string>;
using testing::EntryNames;

TEST(HostileWrite, ThroughLinksTheLinkedFileIsReplacedAndTheLinksStay) {
  iotest::ScratchFolder temp;
  fs::create_directory(temp.file("real"));
  WriteFileBytes(temp.file("real/picture.png"), "old");
  std::error_code linkError;
  fs::create_symlink("real/picture.png", temp.file("relative.png"), linkError);  // relative to its own folder
  // The C++ library of MinGW makes no links on Windows.
  if (linkError) GTEST_SKIP() << "no symbolic link can be made here: " << linkError.message();
  fs::create_symlink(temp.file("relative.png"), temp.file("chain.png"));
  fs::create_symlink("real/new.json", temp.file("dangling.json"));

  EXPECT_EQ(ReplaceFileText(temp.file("chain.png"), "new"), "");
  EXPECT_EQ(ReadFileBytes(temp.file("real/picture.png")), "new");
  EXPECT_EQ(ReplaceFileText(temp.file("dangling.json"), "{}\n"), "");
  EXPECT_EQ(ReadFileBytes(temp.file("real/new.json")), "{}\n");
  for (const char* link : {"relative.png", "chain.png", "dangling.json"}) EXPECT_TRUE(fs::is_symlink(temp.file(link)));
  EXPECT_EQ(EntryNames(temp.path() / "real"), (Names{"new.json", "picture.png"}));
}

TEST(HostileWrite, PipesDevicesAndFoldersAreRefusedAtOnce) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no FIFO and no /dev/null";
#else
  iotest::ScratchFolder temp;
  ASSERT_EQ(mkfifo(temp.file("pipe.gif").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", temp.file("null.png"));
  fs::create_directory(temp.file("folder.json"));
  const std::vector<std::pair<std::string, std::string> > cases = {
      {"pipe.gif", "a pipe (FIFO)"}, {"null.png", "a device"}, {"folder.json", "a folder"}};
  for (const auto& [name, kind] : cases) {
    EXPECT_EQ(ReplaceFileText(temp.file(name), "bytes"),
              "could not write \"" + temp.file(name) + "\": it is " + kind + ", not a file that can be replaced");
  }
  EXPECT_TRUE(fs::is_fifo(temp.file("pipe.gif")));
  EXPECT_TRUE(fs::is_symlink(temp.file("null.png")));
  EXPECT_EQ(temp.entries(), (Names{"folder.json", "null.png", "pipe.gif"}));
#endif
}

TEST(HostileWrite, AFullOrReadOnlyDiskKeepsTheOldFileAndLeavesNothingBehind) {
  iotest::SmallDisk disk;
  if (!disk.unavailable().empty()) GTEST_SKIP() << disk.unavailable();
  const std::string old(10000, 'o');
  const std::string target = disk.file("picture.png");
  WriteFileBytes(target, old);
  disk.full();
  const std::string failure = ReplaceFileText(target, std::string(40000, 'n'));
  EXPECT_EQ(failure, "could not write \"" + target + "\": writing the temporary file failed: No space left on device");
  EXPECT_EQ(ReadFileBytes(target), old);
  EXPECT_EQ(EntryNames(disk.path()), (Names{"filler", "picture.png"}));

  ASSERT_TRUE(disk.readOnly());
  EXPECT_EQ(ReplaceFileText(target, "new"), "could not write \"" + target + "\": it is read-only");
  EXPECT_EQ(ReplaceFileText(disk.file("new.png"), "new"), "could not write \"" + disk.file("new.png") +
                                                              "\": cannot create a temporary file in \"" +
                                                              disk.path().string() + "\": Read-only file system");
  EXPECT_EQ(ReadFileBytes(target), old);
}

// The permission bits decide, so that a file marked read-only is kept even for an
// administrator, whom no access check stops. The temporary file's name is short and new
// whatever stands beside the target: a name of 255 bytes and a hundred temporaries
// left by interrupted runs stand in the way of no write.
TEST(HostileWrite, AReadOnlyFileIsRefusedAndNoNameOrStaleTemporaryStandsInTheWay) {
  iotest::ScratchFolder temp;
  const std::string locked = temp.write("locked.png", "old");
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(ReplaceFileText(locked, "new"), "could not write \"" + locked + "\": it is read-only");
  EXPECT_EQ(ReadFileBytes(locked), "old");
  fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);

  constexpr std::size_t kStale = 100;
  for (std::size_t n = 0; n < kStale; ++n) temp.write("picture.png~" + std::to_string(n) + ".tmp", "stale");
  Names targets{"picture.png"};
#ifndef _WIN32
  targets.push_back(std::string(251, 'n') + ".gif");  // Windows' whole paths end at 260 characters
#endif
  for (const std::string& name : targets) {
    EXPECT_EQ(ReplaceFileText(temp.file(name), "new"), "") << name.size() << " bytes";
    EXPECT_EQ(ReadFileBytes(temp.file(name)), "new");
  }
  EXPECT_EQ(temp.entries().size(), kStale + 1 + targets.size()) << "no temporary file is left";
}

}  // namespace
}  // namespace zonalyst::io
