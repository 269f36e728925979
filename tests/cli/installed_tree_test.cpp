// quillon-cli installed as a system's program: found beside ../share/quillon,
// run by a user with a home of their own, and never writing into the install.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

void setWritable(const fs::path& folder, bool writable) {
  const auto change = [writable](const fs::path& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    writable ? fs::perm_options::add : fs::perm_options::remove);
  };
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_symlink()) change(entry.path());
  }
  change(folder);
}

class InstalledTree : public ::testing::Test {
 protected:
  testing::TempDir temp;
  fs::path root = temp.path() / "root";
  fs::path share = root / "usr/share/quillon";
  std::string home = temp.file("home");
  std::string work = temp.file("work");

  void SetUp() override {
    fs::create_directories(root / "usr/bin");
    fs::create_directories(share);
    fs::copy_file(QUILLON_CLI, root / "usr/bin/quillon-cli");
    for (const auto& entry : fs::directory_iterator(QUILLON_PROGRAM_DIR)) {
      const std::string name = entry.path().filename().string();
      if (entry.is_directory() || name.ends_with(".jar")) {
        fs::copy(entry.path(), share / name, fs::copy_options::recursive);
      }
    }
    fs::create_directories(home);
    fs::create_directories(work + "/site");
    writeFile(work + "/local/index.htm", "<HTML><TITLE>Local</TITLE><A HREF=\"a.htm\">A</A></HTML>");
    writeFile(work + "/local/a.htm", "<HTML><TITLE>Page A</TITLE></HTML>");
    setWritable(root, false);
  }

  void TearDown() override { setWritable(root, true); }

  // Runs the installed quillon-cli as a user with no settings of the tests' own.
  int run(const std::string& args) {
    const std::string command = "cd '" + work + "' && env -u QUILLON_HOME -u QUILLON_CONFIG_DIR -u XDG_CONFIG_HOME "
                                "-u XDG_CACHE_HOME -u XDG_DATA_HOME HOME='" + home + "' '" +
                                (root / "usr/bin/quillon-cli").string() + "' " + args + " >'" + home +
                                "/out' 2>'" + home + "/err' </dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string err() const { return readFile(home + "/err"); }
};

TEST_F(InstalledTree, EveryCommandWorksAndTheInstallIsNeverWritten) {
  const std::vector<std::string> before = testing::folderListing(root);
  writeFile(home + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
  for (const char* command :
       {"new --kind tabtree --theme Harbour site/menu.htm", "preview site/menu.htm", "generate treeview site/menu.htm",
        "generate sitemap site/menu.htm", "deploy frames site/menu.htm", "index site local/index.htm site/menu.htm"}) {
    EXPECT_EQ(run(command), 0) << command << "\n" << err();
  }
  EXPECT_EQ(testing::folderListing(root), before);
  EXPECT_TRUE(fs::exists(work + "/site/~preview.htm"));
  EXPECT_TRUE(fs::exists(work + "/site/MyTree.htm")) << "the templates are found in share/quillon";
  EXPECT_TRUE(fs::exists(work + "/site/TrellTabTreeR.class")) << "so are the applets";
  EXPECT_NE(readFile(work + "/site/menu.htm").find("Page A"), std::string::npos);
  EXPECT_NE(readFile(home + "/.config/Morvane/quillon.ini").find("LastSaveDir=" + work + "/site/"), std::string::npos);
}

}  // namespace
}  // namespace quillon
