// Links, titles and the cut of a title, as the crawl reads them from a page.
#include "indexer/page_text.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using Links = std::vector<std::string>;

TEST(PageText, LinksInDocumentOrderWithDuplicates) {
  const std::string page =
      "<a href=\"a.htm\">A</a> <A HREF=./b.htm>B</A> <a href=\"#top\">top</a> <a href=\"a.htm\">again</a>\r\n"
      "<area shape=rect href=\"map.htm\"> <link rel=stylesheet href=\"s.css\"> <a name=\"anchor\">\r\n"
      "<frameset><frame src=\"left.htm\"><FRAME SRC=\"#x\"></frameset> <img src=\"pic.gif\">\r\n"
      "<!-- <a href=\"hidden.htm\"> --> <a href=\"\">empty</a> <a href=\"c.htm#part\">C</a>";
  // A comment is one tag, and a link inside it counts like any other.
  EXPECT_EQ(getHREFLinks(page), (Links{"a.htm", "b.htm", "a.htm", "map.htm", "s.css", "left.htm", "hidden.htm",
                                       "c.htm#part"}));
}

TEST(PageText, TheBaseTagIsTheBaseOfTheLinksAndNoLinkItself) {
  const std::string page =
      "<head><BASE HREF=\"http://host/a&amp;b/\"><base href=\"second/\"><basefont href=\"font.htm\"></head>"
      "<a href=\"list.htm?x=1&amp;y=2&#38;z=&#x33;#t\"> <a href=\"&#35;top\">";
  EXPECT_EQ(getBaseHref(page), "http://host/a&b/");
  // Character references are decoded; a "#" made by one is a bookmark all the same.
  EXPECT_EQ(getHREFLinks(page), (Links{"font.htm", "list.htm?x=1&y=2&z=3#t"}));
  EXPECT_EQ(getBaseHref("<base target=\"_top\"><a href=\"x.htm\">"), "");
}

TEST(PageText, TitleBetweenTheFirstTitleTags) {
  const std::pair<const char*, const char*> rows[] = {
      {"<html><TITLE> Spaced  </title></html>", " Spaced  "},
      {"<title>Two\r\nlines</title>", "Two\r\nlines"},
      {"<title>First</title><title>Second</title>", "First"},
      {"<title></title>", ""},
      {"<title>Never closed", ""},
      {"no title at all", ""},
      {"</title>closed before<title>", ""},
  };
  for (const auto& [page, want] : rows) EXPECT_EQ(getHTMLTitle(page), want) << page;
}

TEST(PageText, LinesAreJoinedWithCrLf) {
  EXPECT_EQ(pageTextFromBytes(""), std::nullopt) << "an empty file has no lines";
  EXPECT_EQ(pageTextFromBytes("\n"), "") << "one empty line";
  EXPECT_EQ(pageTextFromBytes("a\nb\r\nc\rd\n"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(pageTextFromBytes("a\n\nb"), "a\r\n\r\nb");
}

TEST(PageText, TitlesAreCutByCharactersNeverInsideOne) {
  const std::string title = "Caf\xC3\xA9 \xE2\x82\xAC 5";  // "Café € 5"
  EXPECT_EQ(leadingCharacters(title, 4), "Caf\xC3\xA9");
  EXPECT_EQ(leadingCharacters(title, 6), "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(leadingCharacters(title, 100), title);
  EXPECT_EQ(leadingCharacters(title, 0), "");
  EXPECT_EQ(leadingCharacters(title, -3), "");
  // Bytes of another encoding count one each.
  EXPECT_EQ(leadingCharacters("Caf\xE9 bar", 4), "Caf\xE9");
  EXPECT_EQ(leadingCharacters("\xC3", 1), "\xC3");
}

TEST(PageText, WholeNumbers) {
  const std::pair<const char*, std::optional<long long>> rows[] = {
      {"30", 30}, {"  7", 7}, {"-2", -2}, {"+4", 4}, {"0", 0},
      {"", std::nullopt}, {"abc", std::nullopt}, {"3x", std::nullopt}, {"3 ", std::nullopt},
      {"+-5", std::nullopt}, {"99999999999999999999", std::nullopt},
  };
  for (const auto& [text, want] : rows) EXPECT_EQ(parseWholeNumber(text), want) << '"' << text << '"';
}

}  // namespace
}  // namespace quillon
