// The "temp" folder: where downloads may go, and what clearing it removes.
#include "indexer/download_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;

class DownloadFolderTest : public ::testing::Test {
 protected:
  TempDir dir;
  DownloadFolder folder{dir.path().string() + "/"};
  std::string temp(const std::string& name) const { return folder.path() + "/" + name; }
};

TEST_F(DownloadFolderTest, NamesThatWouldLeaveTheFolderAreReplaced) {
  const std::pair<std::string, std::string> rows[] = {
      {"page.htm", "page.htm"}, {"", "document.htm"},     {".", "document.htm"},
      {"..", "document.htm"},   {"a/b", "document.htm"},  {"a\\..\\b", "a\\..\\b"},
      {"...", "..."},           {std::string("a\0b", 3), "document.htm"},
  };
  for (const auto& [name, stored] : rows) EXPECT_EQ(storedDocumentName(name), stored) << name;
}

TEST_F(DownloadFolderTest, EveryDownloadStartsEmptyAndNeverWritesThroughALink) {
  auto first = folder.create("page.htm");
  ASSERT_TRUE(first);
  first->stream() << "first page, longer than the second";
  ASSERT_TRUE(first->close());
  auto second = folder.create("page.htm");
  ASSERT_TRUE(second);
  second->stream() << "second";
  ASSERT_TRUE(second->close());
  EXPECT_EQ(readFile(temp("page.htm")), "second");

  writeFile(dir.file("mine.htm"), "the user's");
  fs::create_symlink(dir.file("mine.htm"), temp("linked.htm"));
  auto third = folder.create("linked.htm");
  ASSERT_TRUE(third);
  third->stream() << "download";
  ASSERT_TRUE(third->close());
  EXPECT_EQ(readFile(dir.file("mine.htm")), "the user's");
  EXPECT_EQ(readFile(temp("linked.htm")), "download");
}

TEST_F(DownloadFolderTest, NoDownloadWhereNoFileCanBe) {
  fs::create_directories(temp("sub.htm"));
  EXPECT_FALSE(folder.create("sub.htm")) << "a folder of that name stays";
  fs::remove_all(folder.path());
  fs::create_directories(dir.file("elsewhere"));
  fs::create_directory_symlink(dir.file("elsewhere"), folder.path());
  EXPECT_FALSE(folder.create("page.htm")) << "a link named temp is not followed";
  EXPECT_TRUE(fs::is_empty(dir.file("elsewhere")));
}

TEST_F(DownloadFolderTest, ClearingRemovesTheFilesButNotTheFolders) {
  folder.clear();  // no folder yet: nothing happens
  writeFile(temp("a.htm"), "a");
  writeFile(temp("sub/kept.htm"), "kept");
  writeFile(dir.file("mine.htm"), "the user's");
  fs::create_symlink(dir.file("mine.htm"), temp("link.htm"));
  folder.clear();
  EXPECT_FALSE(fs::exists(temp("a.htm")));
  EXPECT_FALSE(fs::is_symlink(temp("link.htm")));
  EXPECT_EQ(readFile(dir.file("mine.htm")), "the user's");
  EXPECT_EQ(readFile(temp("sub/kept.htm")), "kept");
}

TEST_F(DownloadFolderTest, ClearingDoesNotFollowALinkNamedTemp) {
  writeFile(dir.file("elsewhere/file.htm"), "elsewhere");
  fs::create_directory_symlink(dir.file("elsewhere"), folder.path());
  folder.clear();
  EXPECT_EQ(readFile(dir.file("elsewhere/file.htm")), "elsewhere");
}

}  // namespace
}  // namespace quillon::testing
