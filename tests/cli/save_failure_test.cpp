// quillon-cli saves that fail on a full disk or an unwritable folder: exit 1,
// the file and the cause named, no success wording, the site and the recent
// list as they were. Settings that cannot be kept are told, and fail nothing.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "cli_runner.hpp"
#include "format/atomic_file.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runCli;
using testing::writeFile;

std::map<std::string, std::string> snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(entry.path(), folder).string();
    files[name] = entry.is_regular_file() ? readFile(entry.path().string()) : "<folder>";
  }
  return files;
}

class SaveFailure : public ::testing::Test {
 protected:
  testing::TempDir temp;
  std::string home = temp.file("home");
  std::string work = temp.file("work");
  std::string site = work + "/site/";

  void SetUp() override {
    fs::create_directories(site);
    writeFile(home + "/program/files/JClass/TrellTreeR.class", std::string(64 * 1024, 'c'));
    testing::writeGif(work + "/Leaf.gif", 16, 16);
    testing::writeGif(work + "/Other.gif", 16, 16, 0x0000FF);
    writeMenu("menu.json", "Leaf.gif");
  }

  void writeMenu(const std::string& name, const std::string& icon) {
    writeFile(work + "/" + name, R"({"Kind": "akTree", "ImageFiles": [")" + work + "/" + icon + R"("],)" +
                                     R"("Settings": {"Codebase": "java/", "ContentInFile": true, "DefLeaf": 0,)" +
                                     R"("DefFolderOpen": 0, "DefFolderClosed": 0},)" +
                                     R"("Tabs": [{"Nodes": [{"Text": "Home"}]}]})");
  }

  std::string recentList() const { return readFile(home + "/config/Morvane/QuillonV50.ini"); }

  // A failed save as the user sees it.
  void expectFailed(const testing::CliResult& result, const std::string& file, const std::string& cause) {
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("An error has occured while saving " + site + file), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(cause), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("File Saved as"), std::string::npos);
    EXPECT_EQ(result.err.find("Do you want to review it"), std::string::npos);
  }
};

TEST_F(SaveFailure, AFullDiskChangesNothingAndSaysSo) {
  if (::mount("tmpfs", site.c_str(), "tmpfs", 0, "size=256k") != 0) {
    GTEST_SKIP() << "No small tmpfs can be mounted here (" << std::strerror(errno)
                 << "), so the full disk cannot be tried; it needs root.";
  }
  struct Unmount {
    std::string at;
    ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
  } unmount{site};
  ASSERT_EQ(runCli("write menu.json site/menu.htm", work, home).exitCode, 0);
  const std::string recentBefore = recentList();

  // Fill the disk to the last byte.
  {
    std::ofstream filler(site + "filler", std::ios::binary);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), block.size())) {
    }
  }
  const auto before = snapshot(site);
  writeMenu("other.json", "Other.gif");
  expectFailed(runCli("write other.json site/other.htm", work, home), "java/", "No space left on device");
  expectFailed(runCli("resave site/menu.htm", work, home), "java/", "No space left on device");
  EXPECT_EQ(snapshot(site), before) << "no file changed, no empty picture or temporary file left";
  EXPECT_EQ(recentList(), recentBefore);

  // With room again, the picture that could not be copied comes whole.
  fs::remove(site + "filler");
  ASSERT_EQ(runCli("write other.json site/other.htm", work, home).exitCode, 0);
  EXPECT_EQ(readFile(site + "java/Other.gif"), readFile(work + "/Other.gif"));
}

TEST_F(SaveFailure, AnUnwritableClassFolderChangesNothingAndSaysSo) {
  ASSERT_EQ(runCli("write menu.json site/menu.htm", work, home).exitCode, 0);
  const std::string recentBefore = recentList();
  ::chmod((site + "java").c_str(), 0555);
  // The superuser may write anywhere: the save runs as nobody then.
  std::string launcher;
  if (::geteuid() == 0) {
    launcher = "setpriv --reuid=65534 --regid=65534 --clear-groups";
    ::chmod(temp.path().c_str(), 0755);
    for (const std::string& folder : {home, work}) {
      ::chmod(folder.c_str(), 0777);
      for (const auto& entry : fs::recursive_directory_iterator(folder)) ::chmod(entry.path().c_str(), 0777);
    }
    ::chmod((site + "java").c_str(), 0555);
  }
  const auto before = snapshot(site);
  expectFailed(runCli("write menu.json site/menu.htm", work, home, launcher), "java/TrellTreeR.class",
               "Permission denied");
  EXPECT_EQ(snapshot(site), before);
  EXPECT_EQ(recentList(), recentBefore);
  ::chmod((site + "java").c_str(), 0755);
}

TEST_F(SaveFailure, SettingsThatCannotBeKeptAreToldOnceAndTheSaveGoesOn) {
  writeFile(home + "/config", "not a folder");
  const auto result = runCli("write menu.json site/menu.htm", work, home);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const std::string warning = "warning: The settings could not be saved in " + home + "/config/Morvane/";
  const std::size_t first = result.err.find(warning);
  EXPECT_NE(first, std::string::npos) << result.err;
  EXPECT_EQ(result.err.find(warning, first + 1), std::string::npos) << "told once\n" << result.err;
  EXPECT_NE(result.err.find("File Saved as " + site + "menu.htm"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace quillon
