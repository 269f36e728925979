// The log streamed to a temporary file: the saved file holds every line in
// order, an earlier file stays until a complete log replaces it, and a log
// never saved leaves nothing behind.
#include "indexer/crawl_log.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;

std::size_t filesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(CrawlLogTest, StreamedLinesReachTheFileInOrderOnlyWhenSaved) {
  TempDir dir;
  const std::string target = dir.file("SiteIndexer.log");
  writeFile(target, "an earlier run\r\n");
  CrawlLog log;
  std::vector<std::string> shown;
  log.onLine = [&shown](std::string_view line) { shown.emplace_back(line); };
  log.add("before ", "streaming");
  ASSERT_TRUE(log.streamTo(target));
  // Far more than one write's worth, so that most lines have left the memory.
  std::vector<std::string> expected{"before streaming"};
  std::string whole = "before streaming\r\n";
  for (int i = 0; i < 5000; ++i) {
    const std::string address = "http://www.example.org/page" + std::to_string(i) + ".htm";
    log.add(">>> PROCESSING: ", address);
    expected.push_back(">>> PROCESSING: " + address);
    whole += expected.back() + "\r\n";
  }
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(readFile(target), "an earlier run\r\n") << "the old log stays until the new one is complete";
  EXPECT_EQ(log.lines(), expected);
  ASSERT_TRUE(log.save());
  EXPECT_EQ(readFile(target), whole);
  EXPECT_EQ(filesIn(dir.path()), 1U);
  EXPECT_EQ(log.lines(), expected);
  // The saved file edited by hand, its last line end gone: read back, not looped on.
  writeFile(target, "edited\r\nlast");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"edited", "last"}));
}

TEST(CrawlLogTest, ALogNeverSavedLeavesNoFile) {
  TempDir dir;
  for (const bool cleared : {true, false}) {
    {
      CrawlLog log;
      ASSERT_TRUE(log.streamTo(dir.file("SiteIndexer.log")));
      log.add("a line");
      EXPECT_EQ(filesIn(dir.path()), 1U);
      if (cleared) {
        log.clear();
        EXPECT_TRUE(log.lines().empty());
      }
    }
    EXPECT_EQ(filesIn(dir.path()), 0U) << cleared;
  }
}

TEST(CrawlLogTest, AFolderThatCannotTakeTheFileKeepsTheLinesInMemory) {
  TempDir dir;
  CrawlLog log;
  log.add("kept");
  EXPECT_FALSE(log.streamTo(dir.file("missing/SiteIndexer.log")));
  log.add("and this");
  EXPECT_FALSE(log.save());
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"kept", "and this"}));
}

}  // namespace
}  // namespace quillon::testing
