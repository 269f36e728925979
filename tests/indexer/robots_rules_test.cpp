// Which paths a robots.txt leaves to our crawler.
#include "indexer/robots_rules.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(RobotsRules, TheGroupForUsOrEveryoneAndTheLongestRule) {
  struct Row {
    const char* text;
    const char* path;
    bool allowed;
  } rows[] = {
      {"", "/x", true},
      {"User-agent: *\nDisallow: /", "/x", false},
      {"User-agent: *\nDisallow: /", "/robots.txt", true},
      {"User-agent: *\nDisallow:", "/x", true},
      {"User-agent: *\r\nDisallow: /private # comment\r\n", "/private/a", false},
      {"User-agent: *\nDisallow: /private", "/public", true},
      // Our group, named in any case or with a version, replaces the one for everyone.
      {"User-agent: *\nDisallow: /\n\nuser-agent: quillon/5.3\nDisallow: /b", "/a", true},
      {"User-agent: *\nDisallow: /\n\nUser-agent: Quillon\nDisallow: /b", "/b", false},
      // Agent lines in a row share one group, blank lines between them too.
      {"User-agent: other\nUser-agent: Quillon\nDisallow: /x\nUser-agent: *\nDisallow: /", "/x", false},
      {"User-agent: Quillon\n\nUser-agent: *\nDisallow: /", "/x", false},
      {"User-agent: Quillon\nAllow: /\nUser-agent: *\nDisallow: /", "/x", true},
      {"User-agent: other\nDisallow: /", "/x", true},
      // The longest match decides; a tie goes to Allow.
      {"User-agent: *\nDisallow: /dir/\nAllow: /dir/open", "/dir/open.htm", true},
      {"User-agent: *\nAllow: /dir/\nDisallow: /dir/shut", "/dir/shut.htm", false},
      {"User-agent: *\nDisallow: /same\nAllow: /same", "/same", true},
      // "*" stands for any text and a final "$" for the end.
      {"User-agent: *\nDisallow: /*.php$", "/a/b.php", false},
      {"User-agent: *\nDisallow: /*.php$", "/a/b.php?x=1", true},
      {"User-agent: *\nDisallow: /*?", "/page?id=3", false},
      {"User-agent: *\nDisallow: /*?", "/page", true},
      {"User-agent: *\nDisallow: /a*b*c", "/a--b--c/d", false},
      {"User-agent: *\nDisallow: /a*b*c", "/a--c--b", true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(RobotsRules(row.text, kRobotsAgent).allows(row.path), row.allowed) << row.text << "\n" << row.path;
  }
}

TEST(RobotsRules, TheCrawlDelayOfTheGroupWithinItsBound) {
  using std::chrono::milliseconds;
  const struct {
    const char* text;
    std::optional<milliseconds> delay;
  } rows[] = {
      {"User-agent: *\nDisallow: /x", std::nullopt},
      {"User-agent: *\nCrawl-delay: 2", milliseconds(2000)},
      {"User-agent: *\ncrawl-delay: 0.25\nDisallow: /x", milliseconds(250)},
      {"User-agent: *\nCrawl-delay: .5", milliseconds(500)},
      {"User-agent: *\nCrawl-delay: 1000", milliseconds(60'000)},
      {"User-agent: *\nCrawl-delay: 99999999999999999999", milliseconds(60'000)},
      {"User-agent: *\nCrawl-delay: soon", std::nullopt},
      {"User-agent: *\nCrawl-delay: -1", std::nullopt},
      {"User-agent: other\nCrawl-delay: 5", std::nullopt},
      // Our group's, else none: the one for everyone no longer applies.
      {"User-agent: *\nCrawl-delay: 5\n\nUser-agent: Quillon\nCrawl-delay: 1", milliseconds(1000)},
      {"User-agent: *\nCrawl-delay: 5\n\nUser-agent: Quillon\nDisallow: /x", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(RobotsRules(row.text, kRobotsAgent).crawlDelay(), row.delay) << row.text;
}

TEST(RobotsRules, OnlyTheFirstPartOfAHugeFileIsRead) {
  std::string text = "User-agent: *\n";
  text += std::string(kMaxRobotsBytes, '\n');
  text += "Disallow: /\n";
  EXPECT_TRUE(RobotsRules(text, kRobotsAgent).allows("/x"));
}

}  // namespace
}  // namespace quillon
