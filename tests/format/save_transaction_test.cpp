// The temporary files of a save: recognised by name, and cleared away once the save that made them is gone.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "format/atomic_file.hpp"
#include "format/save_transaction.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

// The number of a process that has ended.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

struct NameCase {
  const char* name;
  bool ours;
};

class TempFileNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(TempFileNames, AreKnownByTheirForm) { EXPECT_EQ(isTempFileName(GetParam().name), GetParam().ours); }

INSTANTIATE_TEST_SUITE_P(Names, TempFileNames,
                         ::testing::Values(NameCase{".menu.htm.quillon-1234-aB3xYz", true},
                                           NameCase{"menu.htm.quillon-aB3xYz", true},  // older versions
                                           NameCase{".quillon-1234-aB3xYz", false},
                                           NameCase{"menu.htm.quillon-draft", false},
                                           NameCase{".menu.htm.quillon-12a4-aB3xYz", false},
                                           NameCase{".menu.htm.quillon-1234-aB3x", false},
                                           NameCase{"menu.htm", false}));

TEST(LeftoverTempFiles, OnlyThoseOfEndedSavesAreRemoved) {
  testing::TempDir temp;
  const std::string folder = temp.file("site/");
  const std::string ended = std::to_string(endedProcess());
  const std::string running = std::to_string(::getppid());
  for (const std::string& name : {".menu.htm.quillon-" + ended + "-aB3xYz", std::string("TrellTreeR.class.quillon-Q1w2E3"),
                                  ".menu.htm.quillon-" + running + "-aB3xYz", std::string("notes.quillon-draft"),
                                  std::string("menu.htm")}) {
    writeFile(folder + name, "x");
  }
  fs::create_directories(folder + ".old.htm.quillon-" + ended + "-Zz9Zz9");
  removeLeftoverTempFiles(folder);
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder)) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{".menu.htm.quillon-" + running + "-aB3xYz",
                                            ".old.htm.quillon-" + ended + "-Zz9Zz9", "menu.htm", "notes.quillon-draft"}));
}

TEST(SaveTransaction, NothingReachesTheTargetsUntilTheCommit) {
  testing::TempDir temp;
  const std::string page = temp.file("site/menu.htm");
  writeFile(page, "old page");
  writeFile(temp.file("source.gif"), "picture");
  {
    SaveTransaction save;
    ASSERT_TRUE(save.makeFolder(temp.file("site/a/b/"), "Error creating class directory: "));
    ASSERT_TRUE(save.stageCopy(temp.file("source.gif"), temp.file("site/a/b/icon.gif")));
    ASSERT_TRUE(save.stage(page, "new page"));
    EXPECT_EQ(readFile(page), "old page");
    EXPECT_FALSE(fs::exists(temp.file("site/a/b/icon.gif")));
  }
  // Not committed: the folders it made and its temporary files are gone.
  EXPECT_FALSE(fs::exists(temp.file("site/a")));
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.file("site")), fs::directory_iterator()), 1);

  SaveTransaction save;
  save.makeFolder(temp.file("site/a/b/"), "Error creating class directory: ");
  save.stageCopy(temp.file("source.gif"), temp.file("site/a/b/icon.gif"));
  save.stage(page, "new page");
  ASSERT_TRUE(save.commit());
  EXPECT_EQ(readFile(page), "new page");
  EXPECT_EQ(readFile(temp.file("site/a/b/icon.gif")), "picture");
}

TEST(SaveTransaction, AFailureNamesTheFileAndTheCause) {
  testing::TempDir temp;
  SaveTransaction save;
  EXPECT_FALSE(save.stageCopy(temp.file("missing.au"), temp.file("click.au")));
  EXPECT_EQ(save.failure(), "An error has occured while saving " + temp.file("click.au") + "\n" +
                                temp.file("missing.au") + ": No such file or directory");
  EXPECT_FALSE(save.stage(temp.file("menu.htm"), "page")) << "the first failure ends the save";
  EXPECT_FALSE(save.commit());
  EXPECT_FALSE(fs::exists(temp.file("menu.htm")));
}

// The page is written first but goes last: its failure waits for the others'
// and still stops the save.
TEST(SaveTransaction, AFileStagedToGoLastFailsAfterTheOthers) {
  testing::TempDir temp;
  const std::string page = temp.file("gone/menu.htm");
  const std::string bytes = "page";
  {
    SaveTransaction save;
    save.stageLast(page, bytesFiller(bytes));
    EXPECT_FALSE(save.failed());
    EXPECT_FALSE(save.stageCopy(temp.file("missing.gif"), temp.file("icon.gif")));
    EXPECT_EQ(save.failure(), "An error has occured while saving " + temp.file("icon.gif") + "\n" +
                                  temp.file("missing.gif") + ": No such file or directory");
  }
  SaveTransaction save;
  save.stageLast(page, bytesFiller(bytes));
  ASSERT_TRUE(save.stage(temp.file("report.txt"), "report"));
  EXPECT_FALSE(save.commit());
  EXPECT_EQ(save.failure(), "An error has occured while saving " + page + "\nNo such file or directory");
  EXPECT_FALSE(fs::exists(temp.file("report.txt"))) << "nothing is renamed";

  SaveTransaction good;
  good.stageLast(temp.file("menu.htm"), bytesFiller(bytes));
  ASSERT_TRUE(good.stage(temp.file("report.txt"), "report"));
  EXPECT_FALSE(fs::exists(temp.file("menu.htm")));
  ASSERT_TRUE(good.commit());
  EXPECT_EQ(readFile(temp.file("menu.htm")), "page");
  EXPECT_EQ(readFile(temp.file("report.txt")), "report");
}

}  // namespace
}  // namespace quillon
