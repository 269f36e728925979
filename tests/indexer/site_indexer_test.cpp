// The indexer window's logic: kept settings, modes, checks, Start and Abort,
// the local files mode and closing.
#include "indexer/site_indexer.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "format/text_helpers.hpp"
#include "indexer_fixture.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class SiteIndexerTest : public IndexerFixture, public ::testing::Test {};

TEST_F(SiteIndexerTest, TheFirstShowingLoadsTheKeptSettingsAndClosingKeepsThem) {
  iniFile.values = {{{"SiteIndexer", "Last Dir"}, "/docs/"},
                    {{"SiteIndexer", "Last File"}, "/site/index.htm"},
                    {{"SiteIndexer", "Last URL"}, "http://host/"},
                    {{"SiteIndexer", "Proxy Host"}, "proxy"}};
  indexer->formShow(1);
  const IndexerSettings& settings = indexer->settings;
  EXPECT_EQ(settings.Files.LocalDir, "/docs/");
  EXPECT_EQ(settings.LocalFile, "/site/index.htm");
  EXPECT_EQ(settings.URL, "http://host/");
  EXPECT_EQ(settings.ProxyHost, "proxy");
  EXPECT_EQ(settings.ProxyPort, "80") << "the default port";
  EXPECT_TRUE(indexer->localMode());

  indexer->settings.URL = "http://changed/";
  indexer->state().log.add("line of the last run");
  indexer->formShow(std::nullopt);
  EXPECT_EQ(settings.URL, "http://changed/") << "later showings keep the fields as left";
  EXPECT_TRUE(indexer->state().log.lines().empty());
  EXPECT_EQ(indexer->tab(), IndexerTab::LocalSite) << "the mode last set";

  EXPECT_TRUE(indexer->formClose());
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Last URL"}]), "http://changed/");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Proxy Port"}]), "80");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Last Dir"}]), "/docs/");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Max Pages"}]), "10000");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Obey Robots"}]), "Yes");
}

TEST_F(SiteIndexerTest, TheLimitsAndSwitchesAreKeptBetweenRuns) {
  iniFile.values = {{{"SiteIndexer", "Max Pages"}, "50"},       {{"SiteIndexer", "Max Depth"}, "3"},
                    {{"SiteIndexer", "Max URL Length"}, "300"}, {{"SiteIndexer", "Max Query Repeats"}, "2"},
                    {{"SiteIndexer", "Max Minutes"}, "5"},      {{"SiteIndexer", "Page Seconds"}, "7"},
                    {{"SiteIndexer", "Connections"}, "8"},      {{"SiteIndexer", "Delay"}, "250"},
                    {{"SiteIndexer", "Obey Robots"}, "No"},     {{"SiteIndexer", "Include"}, "*/docs/* *.htm"}};
  indexer->formShow(0);
  const IndexerSettings& settings = indexer->settings;
  EXPECT_EQ(std::tie(settings.Limits.MaxPages, settings.Limits.MaxDepth, settings.Limits.MaxAddressLength,
                     settings.Limits.MaxQueryRepeats, settings.Limits.MaxMinutes, settings.Limits.PageSeconds),
            std::make_tuple("50", "3", "300", "2", "5", "7"));
  EXPECT_EQ(std::tie(settings.Limits.Connections, settings.Limits.DelayMs), std::make_tuple("8", "250"));
  EXPECT_FALSE(settings.ObeyRobots);
  EXPECT_TRUE(settings.PagesByType) << "the default of a missing key";
  EXPECT_EQ(std::tie(settings.Include, settings.Exclude), std::make_tuple("*/docs/* *.htm", ""));
  indexer->settings.PagesByType = false;
  indexer->settings.HonourCrawlDelay = true;
  indexer->settings.Exclude = "*.pdf";
  indexer->settings.Limits.MaxPages = "60";
  EXPECT_TRUE(indexer->formClose());
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Max Pages"}]), "60");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Pages By Type"}]), "No");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Honour Crawl-delay"}]), "Yes");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Connections"}]), "8");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Obey Robots"}]), "No");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Exclude"}]), "*.pdf");
}

TEST_F(SiteIndexerTest, EachTabShowsItsGroups) {
  struct Row {
    IndexerTab tab;
    IndexerLayout layout;
    bool localMode;
  } rows[] = {
      {IndexerTab::LocalSite, {false, true, true, false, true, "Index"}, true},
      // The local files tab leaves the mode as it was.
      {IndexerTab::LocalFiles, {false, false, false, true, false, "Browse"}, true},
      {IndexerTab::Internet, {true, false, true, false, true, "Index"}, false},
      {IndexerTab::LocalFiles, {false, false, false, true, false, "Browse"}, false},
  };
  for (const Row& row : rows) {
    indexer->state().setBusy(true);
    indexer->tabChanged(row.tab);
    const IndexerLayout layout = indexer->layout();
    EXPECT_EQ(std::tie(layout.internetGroup, layout.driveGroup, layout.siteGroup, layout.localDirGroup,
                       layout.logAndAbort, layout.startCaption),
              std::tie(row.layout.internetGroup, row.layout.driveGroup, row.layout.siteGroup,
                       row.layout.localDirGroup, row.layout.logAndAbort, row.layout.startCaption));
    EXPECT_EQ(indexer->localMode(), row.localMode);
    EXPECT_FALSE(indexer->state().busy()) << "the start button is enabled";
  }
}

TEST_F(SiteIndexerTest, TheAddressFieldGetsItsSchemeAndRefusesDoubleSlashes) {
  struct Row {
    const char* typed;
    const char* result;
    bool accepted;
  } rows[] = {
      {"www.host.org/dir/", "http://www.host.org/dir/", true},
      {"HTTP://host/", "HTTP://host/", true},
      {"http://host//dir", "http://host//dir", false},
      {"host//dir", "http://host//dir", false},
      {"", "http://", true},
      {"https://host/dir/", "https://host/dir/", true},
      {"HTTPS://host//dir", "HTTPS://host//dir", false},
  };
  for (const Row& row : rows) {
    ui.messages.clear();
    indexer->settings.URL = row.typed;
    EXPECT_EQ(indexer->addressFieldExit(), row.accepted) << row.typed;
    EXPECT_EQ(indexer->settings.URL, row.result);
    EXPECT_EQ(ui.messageTexts(), row.accepted ? Texts{} : Texts{"Not a valid URL"}) << row.typed;
  }
}

TEST_F(SiteIndexerTest, WidthFieldsTakeWholeNumbersFromOne) {
  struct Row {
    const char* typed;
    const char* result;
    const char* warning;
  } rows[] = {
      {"12", "12", nullptr},         {"1", "1", nullptr},
      {"abc", "30", "Max Width must be numeric"}, {"", "30", "Max Width must be numeric"},
      {"0", "5", "Max Width must be at least 5"}, {"-4", "5", "Max Width must be at least 5"},
  };
  for (const Row& row : rows) {
    ui.messages.clear();
    indexer->settings.Files.MaxWidth = row.typed;
    indexer->localMaxWidthChanged();
    EXPECT_EQ(indexer->settings.Files.MaxWidth, row.result) << row.typed;
    EXPECT_EQ(ui.messageTexts(), row.warning ? Texts{row.warning} : Texts{}) << row.typed;
    if (row.warning) {
      EXPECT_EQ(ui.messages.front().kind, MessageKind::Warning);
    }
  }
}

TEST_F(SiteIndexerTest, TheStartFileDialogRemembersItsFolder) {
  iniFile.values[{"SiteIndexer", "LastBrowseDir"}] = "/last/";
  ui.pickedFiles = {"/site/pages/index.htm", ""};
  indexer->browseFile();
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Select File");
  EXPECT_EQ(ui.fileDialogs[0].filter, "Html Files|*.html;*.htm");
  EXPECT_EQ(ui.fileDialogs[0].initialDir, "/last/");
  EXPECT_EQ(indexer->settings.LocalFile, "/site/pages/index.htm");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "LastBrowseDir"}]), "/site/pages/");
  indexer->browseFile();
  EXPECT_EQ(indexer->settings.LocalFile, "/site/pages/index.htm") << "cancelled";
}

TEST_F(SiteIndexerTest, LocalFilesBecomeNodesOnTheSelectedLevel) {
  const std::string page = write("docs/a.htm", "<title>Title of the page A</title>");
  const std::string picture = write("docs/pic.gif", "GIF89a");
  struct Row {
    LocalFilesSettings settings;
    const char* tree;
  } rows[] = {
      {{}, "a.htm |Title of the page A ->a.htm\npic.gif |link:docs/pic.gif ->pic.gif\n"},
      {{.NodeText = kHTMLFileTitle, .MaxWidth = "8", .Link = kRelativeToSavedPage, .Target = "_top"},
       "Title of |Title of the page A ->link:docs/a.htm\npic.gif |link:docs/pic.gif ->link:docs/pic.gif\n"},
      {{.NodeText = kURL, .Statusbar = kFileName},
       "link:docs/a.htm |a.htm ->a.htm\nlink:docs/pic.gif |pic.gif ->pic.gif\n"},
      // A width that is no number and an empty status fall back to the file name,
      // except that a file other than a page shows its link text.
      {{.NodeText = kHTMLFileTitle, .MaxWidth = "x", .Statusbar = ""},
       "a.htm |a.htm ->a.htm\npic.gif |link:docs/pic.gif ->pic.gif\n"},
  };
  indexer->tabChanged(IndexerTab::LocalFiles);
  for (const Row& row : rows) {
    menu.tab(0).Nodes.clear();
    ui.messages.clear();
    const std::string lastDir = indexer->settings.Files.LocalDir;
    indexer->settings.Files = row.settings;
    indexer->settings.Files.LocalDir = lastDir;
    ui.pickedFileLists.push_back({page, picture});
    indexer->start();
    EXPECT_EQ(tree(), row.tree);
    EXPECT_EQ(ui.messageTexts(), Texts{"Files successfully added"});
    EXPECT_EQ(menu.tab(0).Nodes.selected()->Data.Target1, row.settings.Target);
    EXPECT_EQ(menu.tab(0).Nodes.selected()->Data.CollapsedImage, kLeaf);
  }
  EXPECT_EQ(indexer->settings.Files.LocalDir, path("docs/"));
  const FileDialogRequest& dialog = ui.fileDialogs.back();
  EXPECT_EQ(dialog.title, "Highlight all documents you wish to add");
  EXPECT_EQ(dialog.filter, "HTML files (*.htm, *.html)|*.htm;*.html|All Files|*.*");
  EXPECT_EQ(dialog.initialDir, path("docs/"));
  EXPECT_TRUE(dialog.multiSelect);
  EXPECT_FALSE(indexer->state().busy());
}

TEST_F(SiteIndexerTest, LocalFilesFollowTheSelectedNodeInTheOrderChosen) {
  TreeNode& first = *menu.tab(0).Nodes.root().children().front();
  menu.tab(0).Nodes.select(&first.appendChild("Child", {}));
  ui.pickedFileLists.push_back({write("b.htm", ""), write("a.htm", "")});
  indexer->tabChanged(IndexerTab::LocalFiles);
  indexer->start();
  EXPECT_EQ(tree(), "New Node | ->\n  Child | ->\n  b.htm |b.htm ->b.htm\n  a.htm |a.htm ->a.htm\n");
  ui.messages.clear();
  indexer->start();  // cancelled
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SiteIndexerTest, StartRunsTheCrawlOfTheModeAndIsNotEnteredTwice) {
  write("site/index.htm", "<a href=\"a.htm\">");
  write("site/a.htm", "");
  indexer->settings.LocalFile = path("site/index.htm");
  indexer->settings.URL = "http://127.0.0.1:1/never.htm";
  indexer->tabChanged(IndexerTab::LocalSite);
  int pauses = 0;
  bool alwaysBusy = true;
  ui.duringEvents = [&] {
    ++pauses;
    alwaysBusy = alwaysBusy && indexer->state().busy();
    indexer->start();
    EXPECT_FALSE(indexer->formClose()) << "the window stays open during a run";
  };
  indexer->start();
  EXPECT_EQ(pauses, 2);
  EXPECT_TRUE(alwaysBusy) << "the local mode is busy for the whole crawl";
  EXPECT_FALSE(indexer->state().busy());
  EXPECT_EQ(ui.busyDepth, 0) << "the normal cursor is back";
  EXPECT_EQ(tree(), "New Node | ->\nindex.htm |index.htm ->link:site/index.htm\n  a.htm |a.htm ->link:site/a.htm\n");
  EXPECT_EQ(indexer->state().log.lines()[1], ">>> PROCESSING: " + path("site/index.htm"));
}

TEST_F(SiteIndexerTest, AbortAsksFirstAndItsLabelOnlyStopsTheRequest) {
  indexer->tabChanged(IndexerTab::Internet);
  ui.answers.push_back(Answer::No);
  indexer->abortButtonClick();
  EXPECT_FALSE(indexer->state().abortRequested);
  EXPECT_EQ(ui.messages.back().kind, MessageKind::Confirmation);
  indexer->abortLabelClick();
  EXPECT_FALSE(indexer->state().abortRequested);
  EXPECT_EQ(ui.messages.size(), 1u) << "the label asks nothing";
}

TEST_F(SiteIndexerTest, TheIndicatorShrinksToNothingInTwentyFiveTicks) {
  ActivityIndicator& indicator = indexer->state().indicator;
  int changes = 0;
  indicator.onChange = [&changes] { ++changes; };
  indicator.start();
  EXPECT_TRUE(indicator.visible() && indicator.timerOn());
  for (int tick = 0; tick < 24; ++tick) indexer->timerTick();
  EXPECT_EQ(indicator.width(), 17);
  indexer->timerTick();
  indexer->timerTick();
  EXPECT_EQ(indicator.width(), 0);
  indicator.stop();
  EXPECT_FALSE(indicator.visible() || indicator.timerOn());
  EXPECT_EQ(changes, 28) << "the view hears of each change";
}

TEST_F(SiteIndexerTest, HelpOpensThePageOfTheTab) {
  for (int tab = 0; tab < 3; ++tab) {
    indexer->tabChanged(static_cast<IndexerTab>(tab));
    indexer->help();
  }
  const std::string files = localPathToFileURL(programFolder() + "files/");
  EXPECT_EQ(browser.opened, (Texts{files + "OrvelSiteXInternet.htm", files + "OrvelSiteXLocal.htm",
                                   files + "OrvelSiteXFiles.htm"}));
}

}  // namespace
}  // namespace quillon::testing
