// quillon-cli write and resave killed at random moments: the site is always
// the old save or the new one, never a truncated file or a page with the
// content files of another save; the next save clears what a killed one left.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <set>
#include <thread>

#include "cli_runner.hpp"
#include "format/atomic_file.hpp"
#include "temp_dir.hpp"

extern char** environ;

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runCli;
using testing::writeFile;

constexpr int kKills = 32;
const char* const kFiles[] = {"menu.htm", "java/menuTAB0content.txt", "java/menuTAB1content.txt"};
// Large enough that copying them takes a while, so kills land inside copies.
const char* const kClassFiles[] = {"TrellTabTreeR.class", "TrellTabTreeR.jar", "Beans.class", "TreeView.class"};

// The page and its two content files as one save left them.
using SiteState = std::vector<std::string>;

class SaveKill : public ::testing::Test {
 protected:
  testing::TempDir temp;
  std::string home = temp.file("home");
  std::string work = temp.file("work");
  std::string site = work + "/site/";
  std::string jclass = home + "/program/files/JClass/";

  void SetUp() override {
    fs::create_directories(site);
    std::mt19937 bytes(7);
    for (const char* name : kClassFiles) {
      std::string text(512 * 1024, '\0');
      for (char& c : text) c = static_cast<char>(bytes());
      writeFile(jclass + name, text);
    }
    for (const char* version : {"A", "B"}) {
      std::string nodes;
      for (int n = 0; n < 400; ++n) {
        nodes += std::string(n ? "," : "") + "{\"Text\": \"" + version + " node " + std::to_string(n) + "\"}";
      }
      writeFile(work + "/" + version + ".json",
                std::string(R"({"Kind": "akTabTree", "Settings": {"Codebase": "java/", "ContentInFile": true},)") +
                    R"("Tabs": [{"Caption": ")" + version + R"( one", "Nodes": [)" + nodes + "]}, " +
                    R"({"Caption": ")" + version + R"( two", "Nodes": [)" + nodes + "]}]}");
    }
  }

  SiteState state() const {
    SiteState files;
    for (const char* name : kFiles) files.push_back(readFile(site + name));
    return files;
  }

  std::vector<std::string> commandFor(int version, bool resave) const {
    const std::string name = version ? "B" : "A";
    if (resave) return {"resave", work + "/" + name + "/menu.htm", "--as", site + "menu.htm"};
    return {"write", work + "/" + name + ".json", site + "menu.htm"};
  }

  pid_t start(const std::vector<std::string>& args) const {
    std::vector<std::string> env = {"QUILLON_HOME=" + home + "/program", "QUILLON_CONFIG_DIR=" + home + "/config"};
    for (char** e = environ; *e; ++e) {
      if (std::string(*e).rfind("QUILLON_", 0) != 0) env.push_back(*e);
    }
    std::vector<std::string> argv = {QUILLON_CLI};
    argv.insert(argv.end(), args.begin(), args.end());
    auto pointers = [](std::vector<std::string>& texts) {
      std::vector<char*> list;
      for (auto& text : texts) list.push_back(text.data());
      list.push_back(nullptr);
      return list;
    };
    std::vector<char*> argvList = pointers(argv);
    std::vector<char*> envList = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, QUILLON_CLI, &actions, nullptr, argvList.data(), envList.data());
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
  }

  // Runs the command to its end; how long it took.
  std::chrono::microseconds runWhole(const std::vector<std::string>& args) const {
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = start(args);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << args[0];
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - begin);
  }

  // What the target holds and what the temporary files waiting to be renamed over it hold.
  std::vector<std::string> contentsFor(const std::string& target) const {
    std::vector<std::string> contents = {readFile(target)};
    const std::string folder = target.substr(0, target.rfind('/') + 1);
    const std::string prefix = "." + target.substr(target.rfind('/') + 1) + ".quillon-";
    for (const auto& entry : fs::directory_iterator(folder)) {
      const std::string name = entry.path().filename().string();
      if (name.rfind(prefix, 0) == 0 && isTempFileName(name)) contents.push_back(readFile(entry.path().string()));
    }
    return contents;
  }

  // Whether some save is made whole by renaming what waits for its targets.
  bool completedBySomeSave(const std::set<SiteState>& saves) const {
    std::vector<std::vector<std::string>> contents;
    for (const char* name : kFiles) contents.push_back(contentsFor(site + name));
    for (const SiteState& save : saves) {
      bool whole = true;
      for (std::size_t i = 0; i < save.size() && whole; ++i) {
        whole = std::find(contents[i].begin(), contents[i].end(), save[i]) != contents[i].end();
      }
      if (whole) return true;
    }
    return false;
  }

  std::vector<std::string> tempFilesLeft() const {
    std::vector<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(site)) {
      if (isTempFileName(entry.path().filename().string())) left.push_back(entry.path().string());
    }
    return left;
  }
};

TEST_F(SaveKill, LeavesTheOldSaveOrTheNewOneAndTheNextSaveClearsUp) {
  // The saves each command makes when it runs to its end, and how long it takes.
  std::set<SiteState> saves;
  std::set<std::string> reports;
  std::chrono::microseconds longest{0};
  for (int version : {0, 1}) {
    const std::string name = version ? "B" : "A";
    fs::create_directories(work + "/" + name);
    ASSERT_EQ(runCli("write " + work + "/" + name + ".json " + work + "/" + name + "/menu.htm", work, home).exitCode, 0);
    for (bool resave : {false, true}) {
      longest = std::max(longest, runWhole(commandFor(version, resave)));
      saves.insert(state());
      reports.insert(readFile(site + "menu_UPLOADREPORT.TXT"));
    }
  }

  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<long> delay(0, longest.count() * 5 / 4);
  int inRenameWindow = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const auto args = commandFor(kill % 2, (kill / 2) % 2 == 1);
    const long after = delay(random);
    SCOPED_TRACE(args[0] + " killed after " + std::to_string(after) + " us");
    const pid_t pid = start(args);
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(after));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);

    for (const char* name : kClassFiles) {
      ASSERT_EQ(readFile(site + "java/" + name), readFile(jclass + name)) << name << " is not whole";
    }
    ASSERT_TRUE(reports.count(readFile(site + "menu_UPLOADREPORT.TXT"))) << "the report is not whole";
    const SiteState now = state();
    if (saves.count(now)) continue;
    // Killed between the last renames: the files still waiting complete a save.
    ASSERT_TRUE(completedBySomeSave(saves)) << "the page and its content files are of different saves";
    ++inRenameWindow;
    // Such a site stays mixed until a save runs to its end.
    runWhole(args);
    ASSERT_TRUE(saves.count(state()));
  }
  RecordProperty("KillsBetweenRenames", inRenameWindow);

  const auto result = runCli("write A.json site/menu.htm", work, home);
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(saves.count(state()));
  EXPECT_EQ(tempFilesLeft(), std::vector<std::string>{});
}

}  // namespace
}  // namespace quillon
