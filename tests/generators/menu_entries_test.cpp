// How the generators read links and entries from the menu.
#include <gtest/gtest.h>

#include "generator_fixture.hpp"
#include "generators/menu_entries.hpp"

namespace quillon {
namespace {

TEST(RelativeToCodebase, RestatesClassFolderLinksFromThePage) {
  struct Case {
    const char* codebase;
    const char* url;
    const char* expected;
  };
  const Case cases[] = {
      {"java/", "../index.htm", "index.htm"},
      {"a/b/", "../../a/b.htm", "a/b.htm"},
      {"java/", "../../a/b.htm", "../a/b.htm"},
      {"java/", "inside.htm", "java/inside.htm"},
      {"java", "..\\docs\\x.htm", "docs/x.htm"},
      {"java/", "../docs/", "docs/"},
      {"java/", "../", "./"},
      {"java/", "../x.htm?a=1#top", "x.htm?a=1#top"},
      {"../java/", "../x.htm", "../x.htm"},
      {"java/", "http://example.com/../x.htm", "http://example.com/../x.htm"},
      {"java/", "mailto:someone@example.com", "mailto:someone@example.com"},
      {"java/", "/root.htm", "/root.htm"},
      {"java/", "", ""},
      {"", "../x.htm", "../x.htm"},
      {"/", "../x.htm", "../x.htm"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(relativeToCodebase(c.codebase, c.url), c.expected) << c.codebase << " + " << c.url;
  }
}

TEST(MenuEntries, NoneReadsAsEmpty) {
  TAppletSettings settings;
  settings.Codebase = "java/";
  for (const char* none : {"none", "None", "NONE"}) {
    EXPECT_EQ(entryUrl(none, settings), "");
    EXPECT_EQ(entryTarget(none), "");
    EXPECT_EQ(entryStatusText(none), "");
  }
  EXPECT_EQ(entryTarget("main"), "main");
}

TEST(MenuEntries, RecordsKeepEveryFieldWhole) {
  testing::GeneratorFixture f;
  f.treeMenu({{"A|B", 0}, {"C", 1}});
  TAppletNode& first = f.menu.tab(0).Nodes.root().children()[0]->Data;
  first.URL1 = "a|b.htm";
  first.Target1 = "";
  first.StatusText = "x|y";
  const MenuEntries entries = readMenuEntries(f.menu, {});
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].caption, "A|B");
  EXPECT_EQ(entries[0].url, "a|b.htm");
  EXPECT_EQ(entries[0].target, "");
  EXPECT_EQ(entries[0].statusText, "x|y");
  EXPECT_EQ(entries[1].caption, "C");
  EXPECT_EQ(entries[1].level, 1);
}

TEST(MenuEntries, TabTreeMenusReadTabsInOrderWithOrWithoutTabRecords) {
  testing::GeneratorFixture f;
  f.tabTreeMenu({{"One", {{"a", 0}, {"b", 1}}}, {"Two", {{"c", 0}}}});
  f.menu.tab(1).TabPage.URL1 = "../two.htm";
  f.menu.Settings.Codebase = "java/";
  int calls = 0;
  const auto nodesOnly = readMenuEntries(f.menu, {false, [&calls] { ++calls; }});
  ASSERT_EQ(nodesOnly.size(), 3u);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(nodesOnly[2].tabIndex, 1);
  EXPECT_EQ(nodesOnly[2].level, 0);

  const auto withTabs = readMenuEntries(f.menu, {true, {}});
  ASSERT_EQ(withTabs.size(), 5u);
  EXPECT_TRUE(withTabs[3].isTab);
  EXPECT_EQ(withTabs[3].url, "two.htm") << "tab links are stated from the class folder too";
  EXPECT_EQ(withTabs[4].level, 1);
  EXPECT_EQ(withTabs[2].level, 2);
}

}  // namespace
}  // namespace quillon
