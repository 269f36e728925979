// Save and Preview of the generator window.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "generator_fixture.hpp"
#include "generators/generator_commands.hpp"

namespace quillon {
namespace {

using testing::GeneratorFixture;
using Lines = std::vector<std::string>;

TEST(GeneratorCommands, PreviewWritesTheTildePageAndOpensIt) {
  const std::pair<GeneratorTab, const char*> cases[] = {
      {GeneratorTab::DropDown, "~MyMenu.htm"}, {GeneratorTab::TreeView, "~MyTree.htm"}, {GeneratorTab::SiteMap, "~MySiteMap.htm"}};
  for (const auto& [tab, page] : cases) {
    GeneratorFixture f;
    f.treeMenu({{"A", 0}});
    testing::RecordingBrowser browser;
    const GenerationResult result = previewGenerated(generatorOptionsFor(akTree, tab), f.context, browser);
    ASSERT_TRUE(result.written()) << page;
    EXPECT_EQ(browser.opened, Lines{"file://" + f.site(page)});
    EXPECT_EQ(f.ui.statusTexts, (Lines{"Generating HTML file.", "Ready."}));
    EXPECT_EQ(f.ui.busyDepth, 0);
    EXPECT_TRUE(f.ui.messages.empty());
  }
}

TEST(GeneratorCommands, SaveWritesThePageUnderItsOwnName) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  GeneratorOptions options = generatorOptionsFor(akTree, GeneratorTab::DropDown);
  const GenerationResult result = saveGenerated(options, f.context);
  EXPECT_EQ(result.pagePath, f.site("MyMenu.htm"));
  EXPECT_FALSE(std::filesystem::exists(f.site("~MyMenu.htm")));
  EXPECT_EQ(f.ui.statusTexts, (Lines{"Generating HTML file.", "Saved " + f.site("MyMenu.htm")}));
}

TEST(GeneratorCommands, ARunThatWritesNothingSaysSo) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  f.useTemplates({});
  testing::RecordingBrowser browser;
  const GenerationResult result = previewGenerated(generatorOptionsFor(akTree, GeneratorTab::SiteMap), f.context, browser);
  EXPECT_FALSE(result.written());
  EXPECT_TRUE(browser.opened.empty());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_EQ(f.ui.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(f.ui.messages[0].text, "The template " + f.temp.file("program/") +
                                       "resource/sitemap.htm could not be read.\nNothing was generated.");

  f.ui.messages.clear();
  f.context.programFolder = QUILLON_SHIPPED_DIR;
  f.menu.Document.PagePath.clear();
  EXPECT_FALSE(saveGenerated(generatorOptionsFor(akTree, GeneratorTab::DropDown), f.context).written());
  EXPECT_EQ(f.ui.messageTexts(), Lines{"The menu page has not been saved yet.\nNothing was generated."});
}

TEST(GeneratorCommands, TheMenuPageIsNeverReplaced) {
  const std::pair<GeneratorTab, std::function<void(GeneratorOptions&)>> cases[] = {
      {GeneratorTab::DropDown, [](GeneratorOptions& o) { o.dropDown.outputPage = "index.htm"; }},
      {GeneratorTab::SiteMap, [](GeneratorOptions& o) { o.siteMap.outputPage = "./index.htm"; }},
      {GeneratorTab::TreeView, [](GeneratorOptions& o) { o.treeView.framesetPage = "index.htm"; }},
  };
  for (const auto& [tab, nameThePage] : cases) {
    GeneratorFixture f;
    f.treeMenu({{"A", 0}});
    testing::writeFile(f.site("index.htm"), "the menu page");
    GeneratorOptions options = generatorOptionsFor(akTree, tab);
    nameThePage(options);
    EXPECT_FALSE(saveGenerated(options, f.context).written());
    EXPECT_EQ(testing::readFile(f.site("index.htm")), "the menu page");
    EXPECT_EQ(f.ui.messageTexts().at(0).rfind("The page " + f.site(""), 0), 0u);
    EXPECT_NE(f.ui.messageTexts().at(0).find(
                  "index.htm is the menu page itself and is not replaced. Please choose another name.\nNothing was generated."),
              std::string::npos);
  }
}

TEST(GeneratorCommands, FilesInTheSiteAreKeptAndTheGeneratorsOwnPagesRenewed) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  for (const char* name : {"main.htm", "Leaf.gif", "Space.gif", "MyTree.htm"}) testing::writeFile(f.site(name), "mine");
  ASSERT_TRUE(saveGenerated(generatorOptionsFor(akTree, GeneratorTab::TreeView), f.context).written());
  for (const char* name : {"main.htm", "Leaf.gif", "Space.gif"}) EXPECT_EQ(testing::readFile(f.site(name)), "mine") << name;
  EXPECT_NE(testing::readFile(f.site("MyTree.htm")), "mine");
  EXPECT_TRUE(std::filesystem::exists(f.site("Folder95O.gif"))) << "a missing picture is still copied";
}

TEST(GeneratorCommands, SaveIntoAFolderThatCannotBeWrittenSaysSo) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  f.menu.Document.PagePath = f.temp.file("missing/index.htm");
  EXPECT_FALSE(saveGenerated(generatorOptionsFor(akTree, GeneratorTab::TreeView), f.context).written());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_NE(f.ui.messages[0].text.find("MyTree.htm could not be written"), std::string::npos);
}

TEST(GeneratorCommands, APageLeftUnwrittenIsReportedEvenWhenOthersWereWritten) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  std::filesystem::create_directories(f.site("treex.htm"));  // a folder in the tree page's place
  const GenerationResult result = saveGenerated(generatorOptionsFor(akTree, GeneratorTab::TreeView), f.context);
  EXPECT_EQ(result.pagePath, f.site("MyTree.htm"));
  EXPECT_EQ(f.ui.messageTexts(), Lines{"The page " + f.site("treex.htm") + " could not be written."});
}

TEST(GeneratorOptions, WindowDefaultsByMenuKind) {
  const GeneratorOptions tree = generatorOptionsFor(akTree, GeneratorTab::SiteMap);
  EXPECT_TRUE(tree.siteMap.upperCaseRoots);
  EXPECT_TRUE(tree.siteMap.breakBeforeRoots);
  EXPECT_FALSE(generatorOptionsFor(akTabTree, GeneratorTab::SiteMap).siteMap.upperCaseRoots);

  const SiteMapControls tab = siteMapControlsFor(akTab, SiteMapConstruction::SiteMap);
  EXPECT_TRUE(tab.tabCaptionOptions);
  EXPECT_FALSE(tab.indentSpaces || tab.token || tab.noLineWrap || tab.rootNodeOptions);
  const SiteMapControls outline = siteMapControlsFor(akTabTree, SiteMapConstruction::Outline);
  EXPECT_TRUE(outline.indentSpaces && outline.tabCaptionOptions);
  EXPECT_FALSE(outline.token || outline.noLineWrap || outline.rootNodeOptions);

  DropDownOptions changed;
  changed.indentSymbol = "*";
  changed.upperCaseRoots = false;
  changed.target = "kept";
  setDropDownDefaults(changed);
  EXPECT_EQ(changed.indentSymbol, "-");
  EXPECT_TRUE(changed.upperCaseRoots);
  EXPECT_EQ(changed.target, "kept");
}

}  // namespace
}  // namespace quillon
