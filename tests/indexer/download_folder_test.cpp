// The scratch folder of a crawl: its own folder, where downloads may go, and
// that it goes at the end.
#include "indexer/download_folder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "temp_dir.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;

class DownloadFolderTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string problem;
  std::unique_ptr<DownloadFolder> folder = DownloadFolder::makeIn(dir.file("cache"), problem);
  std::string temp(const std::string& name) const { return folder->path() + "/" + name; }
};

TEST_F(DownloadFolderTest, NamesThatWouldLeaveTheFolderAreReplaced) {
  const std::pair<std::string, std::string> rows[] = {
      {"page.htm", "page.htm"}, {"", "document.htm"},     {".", "document.htm"},
      {"..", "document.htm"},   {"a/b", "document.htm"},  {"a\\..\\b", "a\\..\\b"},
      {"...", "..."},           {std::string("a\0b", 3), "document.htm"},
  };
  for (const auto& [name, stored] : rows) EXPECT_EQ(storedDocumentName(name), stored) << name;
}

TEST_F(DownloadFolderTest, EachCrawlHasItsOwnFolderThatGoesWithAllInIt) {
  ASSERT_TRUE(folder) << problem;
  std::unique_ptr<DownloadFolder> second = DownloadFolder::makeIn(dir.file("cache"), problem);
  ASSERT_TRUE(second);
  EXPECT_NE(folder->path(), second->path());
  EXPECT_EQ(fs::path(folder->path()).parent_path(), fs::path(dir.file("cache")));
  writeFile(dir.file("mine.htm"), "the user's");
  fs::create_symlink(dir.file("mine.htm"), temp("link.htm"));
  writeFile(temp("sub/page.htm"), "download");
  const std::string path = folder->path();
  folder.reset();
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(readFile(dir.file("mine.htm")), "the user's") << "a link is removed, not followed";
  EXPECT_TRUE(fs::exists(second->path()));
}

TEST_F(DownloadFolderTest, EveryDownloadStartsEmptyAndNeverWritesThroughALink) {
  auto first = folder->create("page.htm", problem);
  ASSERT_TRUE(first);
  first->stream() << "first page, longer than the second";
  ASSERT_TRUE(first->close());
  auto second = folder->create("page.htm", problem);
  ASSERT_TRUE(second);
  second->stream() << "second";
  ASSERT_TRUE(second->close());
  EXPECT_EQ(readFile(temp("page.htm")), "second");

  writeFile(dir.file("mine.htm"), "the user's");
  fs::create_symlink(dir.file("mine.htm"), temp("linked.htm"));
  auto third = folder->create("linked.htm", problem);
  ASSERT_TRUE(third);
  third->stream() << "download";
  ASSERT_TRUE(third->close());
  EXPECT_EQ(readFile(dir.file("mine.htm")), "the user's");
  EXPECT_EQ(readFile(temp("linked.htm")), "download");
}

TEST_F(DownloadFolderTest, FailuresSayWhatFailed) {
  fs::create_directories(temp("sub.htm"));
  EXPECT_FALSE(folder->create("sub.htm", problem)) << "a folder of that name stays";
  EXPECT_EQ(problem, "The page cannot be stored in " + temp("sub.htm") + ": File exists");
  writeFile(dir.file("file"), "a file where the cache folder should be");
  EXPECT_FALSE(DownloadFolder::makeIn(dir.file("file"), problem));
  EXPECT_EQ(problem, "The scratch folder of the crawl cannot be made in " + dir.file("file") + ": Not a directory");
}

TEST(UserCacheFolder, FollowsXdgCacheHomeOrTheHomeFolder) {
  const char* saved = std::getenv("XDG_CACHE_HOME");
  const std::string kept = saved != nullptr ? saved : "";
  ::setenv("XDG_CACHE_HOME", "/cache/of/user", 1);
  EXPECT_EQ(userCacheFolder(), "/cache/of/user/quillon");
  ::setenv("XDG_CACHE_HOME", "relative", 1);
  EXPECT_EQ(userCacheFolder(), std::string(std::getenv("HOME")) + "/.cache/quillon") << "only an absolute path counts";
  if (saved != nullptr) {
    ::setenv("XDG_CACHE_HOME", kept.c_str(), 1);
  } else {
    ::unsetenv("XDG_CACHE_HOME");
  }
}

}  // namespace
}  // namespace quillon::testing
