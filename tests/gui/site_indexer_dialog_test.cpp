// The indexer window: the tab of its mode, the checks of its fields, a crawl
// of a site on disk into the menu with its log and busy buttons, Abort, the
// local files, and the indexer command of the main window with its tree
// drawn again before the window closes.
#include "gui/site_indexer_dialog.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/commander.hpp"
#include "app/link_path.hpp"
#include "gui/construction_area.hpp"
#include "gui/main_window.hpp"
#include "gui/node_tree_view.hpp"
#include "gui/qt_windows.hpp"
#include "memory_ports.hpp"
#include "page_windows_fixture.hpp"

namespace quillon::gui {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class SiteIndexerDialogTest : public PageWindowsTest {
 protected:
  testing::MemorySettings iniFile;
  std::string program = temp.file("program/");
  SiteIndexer indexer{{ui, browser, iniFile, menu, program, [this](const std::string& file) {
                         return linkPathFor(menu.Document.PagePath, menu.Settings.Codebase, file);
                       }}};

  void SetUp() override {
    PageWindowsTest::SetUp();
    fs::create_directories(program);
    // New nodes go into the tree of the tab shown.
    menu.setCurrentTab(0);
  }

  std::unique_ptr<SiteIndexerDialog> open(std::optional<int> mode) {
    auto dialog = std::make_unique<SiteIndexerDialog>(indexer, mode);
    dialog->show();
    return dialog;
  }

  // A site on disk: its start page links three pages, the first of which links back.
  std::string writeSite() {
    const std::string web = temp.file("web/");
    fs::create_directories(web);
    testing::writeFile(web + "index.htm",
                       "<title>Home</title><a href=\"a.htm\">A</a><a href=\"b.htm\">B</a><a href=\"c.htm\">C</a>");
    testing::writeFile(web + "a.htm", "<title>Page A</title><a href=\"index.htm\">home</a>");
    testing::writeFile(web + "b.htm", "<title>Page B</title>");
    testing::writeFile(web + "c.htm", "<title>Page C</title>");
    return web + "index.htm";
  }

  // The current tree, a node a line, indented by level.
  std::string tree() const {
    std::string text;
    menu.tab(0).Nodes.forEachInPageOrder([&text](const TreeNode& node, int level) {
      text += std::string(static_cast<std::size_t>(level) * 2, ' ') + node.Text + "\n";
    });
    return text;
  }

  static bool shown(QWidget& dialog, const char* name) { return control<QWidget>(dialog, name)->isVisibleTo(&dialog); }
  static std::string textOf(QWidget& dialog, const char* name) {
    return control<QLineEdit>(dialog, name)->text().toStdString();
  }
  // Each command as enabled ("+") or not ("-"): start, abort, help, exit; then the tabs.
  static std::string enabled(const SiteIndexerDialog& dialog) {
    std::string marks;
    for (IndexerCommand command :
         {IndexerCommand::Start, IndexerCommand::Abort, IndexerCommand::Help, IndexerCommand::Exit}) {
      const bool on = dialog.button(command)->isEnabled();
      EXPECT_EQ(dialog.caption(command)->isEnabled(), on) << "a caption follows its button";
      marks += on ? '+' : '-';
    }
    return marks + (dialog.tabs().isEnabled() ? " tabs" : " no tabs");
  }
};

struct TabCase {
  std::optional<int> mode;
  int tab;
  const char* shownGroups;  // of grpInternet, grpDrive, grpSite, grpLimits, grpLocalDir, memInternetMsg, btnAbortButton
  const char* start;
};

TEST_F(SiteIndexerDialogTest, OpensOnTheTabOfItsModeWithTheGroupsOfThatTab) {
  iniFile.values = {{{"SiteIndexer", "Last URL"}, "http://host/"}, {{"SiteIndexer", "Last File"}, "/site/a.htm"}};
  const TabCase cases[] = {
      {1, 1, "0111011", "Index"},
      {2, 2, "0000100", "Browse"},
      {0, 0, "1011011", "Index"},
      // Without a mode the window keeps the tab last shown.
      {std::nullopt, 0, "1011011", "Index"},
  };
  const char* const groups[] = {"grpInternet", "grpDrive", "grpSite", "grpLimits", "grpLocalDir", "memInternetMsg",
                                "btnAbortButton"};
  for (const TabCase& c : cases) {
    SCOPED_TRACE(c.mode.value_or(-1));
    auto dialog = open(c.mode);
    EXPECT_EQ(dialog->windowTitle().toStdString(), kIndexerCaption);
    EXPECT_EQ(dialog->tabs().currentIndex(), c.tab);
    std::string seen;
    for (const char* group : groups) seen += shown(*dialog, group) ? '1' : '0';
    EXPECT_EQ(seen, c.shownGroups);
    EXPECT_EQ(dialog->caption(IndexerCommand::Start)->text().toStdString(), c.start);
    EXPECT_EQ(enabled(*dialog), "+-++ tabs");
    EXPECT_EQ(textOf(*dialog, "txtURL"), "http://host/");
    EXPECT_EQ(textOf(*dialog, "txtLocalFile"), "/site/a.htm");
    EXPECT_EQ(textOf(*dialog, "txtProxyPort"), "80");
  }

  auto dialog = open(0);
  dialog->tabs().setCurrentIndex(2);
  EXPECT_EQ(indexer.tab(), IndexerTab::LocalFiles);
  EXPECT_FALSE(shown(*dialog, "grpSite"));
  EXPECT_EQ(dialog->caption(IndexerCommand::Start)->text().toStdString(), "Browse");
}

TEST_F(SiteIndexerDialogTest, TheLimitsAndSwitchesShowTheKeptValuesAndTakeChanges) {
  iniFile.values = {{{"SiteIndexer", "Max Pages"}, "500"}, {{"SiteIndexer", "Obey Robots"}, "No"}};
  auto dialog = open(0);
  const std::pair<const char*, const char*> shownValues[] = {
      {"txtMaxPages", "500"},       {"txtMaxDepth", "25"},   {"txtMaxUrlLength", "2000"},
      {"txtMaxQueryRepeats", "3"}, {"txtMaxMinutes", "30"}, {"txtPageSeconds", "30"}};
  for (const auto& [name, value] : shownValues) EXPECT_EQ(textOf(*dialog, name), value) << name;
  EXPECT_FALSE(control<QCheckBox>(*dialog, "chkRobots")->isChecked());
  EXPECT_TRUE(control<QCheckBox>(*dialog, "chkPagesByType")->isChecked());

  QLineEdit* pages = control<QLineEdit>(*dialog, "txtMaxPages");
  pages->setText("20");
  Q_EMIT pages->textEdited("20");
  control<QCheckBox>(*dialog, "chkRobots")->click();
  control<QCheckBox>(*dialog, "chkPagesByType")->click();
  QLineEdit* exclude = control<QLineEdit>(*dialog, "txtExclude");
  exclude->setText("*.pdf */old/*");
  Q_EMIT exclude->textEdited(exclude->text());
  EXPECT_EQ(indexer.settings.Limits.MaxPages, "20");
  EXPECT_TRUE(indexer.settings.ObeyRobots);
  EXPECT_FALSE(indexer.settings.PagesByType);
  dialog->reject();
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Max Pages"}]), "20");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Pages By Type"}]), "No");
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Exclude"}]), "*.pdf */old/*");
  dialog = open(0);
  EXPECT_EQ(textOf(*dialog, "txtMaxPages"), "20");
  EXPECT_EQ(textOf(*dialog, "txtExclude"), "*.pdf */old/*");
}

struct FieldCase {
  const char* box;
  const char* typed;
  bool leave;  // the box is left (the address) rather than typed in (the widths)
  const char* after;
  const char* message;
};

TEST_F(SiteIndexerDialogTest, FieldChecksPutTheirValuesBackWithTheirMessages) {
  const FieldCase cases[] = {
      {"txtURL", "www.host.org/docs/", true, "http://www.host.org/docs/", nullptr},
      {"txtURL", "host//docs", true, "http://host//docs", "Not a valid URL"},
      {"txtMaxWidth", "12", false, "12", nullptr},
      {"txtMaxWidth", "x", false, "30", "Max Width must be numeric"},
      {"txtLMaxWidth", "0", false, "5", "Max Width must be at least 5"},
  };
  auto dialog = open(0);
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    ui.messages.clear();
    QLineEdit* box = control<QLineEdit>(*dialog, c.box);
    box->setText(c.typed);
    if (c.leave) {
      Q_EMIT box->editingFinished();
    } else {
      Q_EMIT box->textEdited(c.typed);
    }
    EXPECT_EQ(box->text().toStdString(), c.after);
    EXPECT_EQ(ui.messageTexts(), c.message ? Texts{c.message} : Texts{});
  }
  EXPECT_EQ(indexer.settings.URL, "http://host//docs");
  EXPECT_EQ(indexer.settings.Site.MaxWidth, "30");
  EXPECT_EQ(indexer.settings.Files.MaxWidth, "5");
}

TEST_F(SiteIndexerDialogTest, TheWidthFieldShowsForTheTitleOnlyAndStartsAtThirty) {
  auto dialog = open(1);
  QComboBox* nodeText = control<QComboBox>(*dialog, "cmbNodeText");
  auto choose = [nodeText](const char* choice) {
    nodeText->setCurrentText(choice);
    Q_EMIT nodeText->textActivated(choice);
  };
  EXPECT_FALSE(shown(*dialog, "txtMaxWidth"));
  control<QLineEdit>(*dialog, "txtMaxWidth")->setText("12");
  choose(kHTMLFileTitle);
  EXPECT_TRUE(shown(*dialog, "txtMaxWidth"));
  EXPECT_TRUE(shown(*dialog, "lblMaxWidth"));
  EXPECT_EQ(textOf(*dialog, "txtMaxWidth"), "30");
  choose(kURL);
  EXPECT_FALSE(shown(*dialog, "txtMaxWidth"));
  EXPECT_EQ(indexer.settings.Site.NodeText, kURL);
}

TEST_F(SiteIndexerDialogTest, ALocalCrawlFillsTheTreeAndTheLogAsItGoes) {
  const std::string start = writeSite();
  auto dialog = open(1);
  control<QLineEdit>(*dialog, "txtLocalFile")->setText(QString::fromStdString(start));
  control<QComboBox>(*dialog, "cmbNodeText")->setCurrentText(kHTMLFileTitle);
  QSignalSpy menuChanged(dialog.get(), &SiteIndexerDialog::menuChanged);
  std::vector<int> logLines;
  std::vector<std::string> buttons;
  ui.duringEvents = [&] {
    logLines.push_back(dialog->logView().blockCount());
    buttons.push_back(enabled(*dialog));
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible()) << "the window stays open while the crawl runs";
  };
  dialog->logView().setPlainText("the last run's log");
  dialog->button(IndexerCommand::Start)->click();

  EXPECT_EQ(tree(), "Catalogue\n  Prices\nHome\n  Page A\n    Home\n  Page B\n  Page C\n");
  EXPECT_EQ(ui.messageTexts(), Texts{"Site successfully indexed"});
  ASSERT_EQ(logLines.size(), 5u) << "a pause after each entry";
  EXPECT_TRUE(std::is_sorted(logLines.begin(), logLines.end()) && logLines.front() < logLines.back())
      << "the log grows during the crawl";
  EXPECT_EQ(buttons, Texts(5, "-++- no tabs")) << "busy for the whole crawl of a local site";
  EXPECT_EQ(enabled(*dialog), "+-++ tabs");
  std::string log;
  for (const std::string& line : indexer.state().log.lines()) log += (log.empty() ? "" : "\n") + line;
  EXPECT_EQ(dialog->logView().toPlainText().toStdString(), log);
  EXPECT_TRUE(log.starts_with(" \n>>> PROCESSING: " + start + "\n")) << log;
  EXPECT_EQ(testing::readFile(site("SiteIndexer.log")).substr(0, 18), " \r\n>>> PROCESSING:");
  EXPECT_GE(menuChanged.count(), 1) << "the main window draws the new nodes";

  dialog->reject();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Last File"}]), start);
}

TEST_F(SiteIndexerDialogTest, TheSitemapTabBuildsTheTreeFromASitemapFile) {
  const std::string sitemap = temp.file("sitemap.xml");
  testing::writeFile(sitemap, "<urlset><url><loc>http://host/docs/a.htm</loc></url>"
                              "<url><loc>http://host/b.htm</loc></url></urlset>");
  auto dialog = open(3);
  EXPECT_EQ(dialog->tabs().currentIndex(), 3);
  EXPECT_EQ(dialog->tabs().tabText(3).toStdString(), "XML Sitemap");
  EXPECT_TRUE(shown(*dialog, "grpSitemap"));
  EXPECT_TRUE(shown(*dialog, "grpSite"));
  EXPECT_FALSE(shown(*dialog, "grpInternet"));
  EXPECT_FALSE(shown(*dialog, "chkFileOnly")) << "a sitemap has no links to follow";
  control<QLineEdit>(*dialog, "txtSitemap")->setText(QString::fromStdString(sitemap));
  // No title is asked for, so nothing goes over the network.
  control<QComboBox>(*dialog, "cmbStatusBar")->setCurrentText(kURL);
  dialog->button(IndexerCommand::Start)->click();
  EXPECT_EQ(tree(), "Catalogue\n  Prices\nhost\n  docs\n    a.htm\n  b.htm\n");
  EXPECT_EQ(ui.messageTexts(), Texts{"Site successfully indexed"});
  EXPECT_EQ(enabled(*dialog), "+-++ tabs");
  dialog->reject();
  EXPECT_EQ((iniFile.values[{"SiteIndexer", "Last Sitemap"}]), sitemap);
}

TEST_F(SiteIndexerDialogTest, AbortAnsweredNoGoesOnAndYesStopsAfterTheEntryInProgress) {
  auto dialog = open(1);
  control<QLineEdit>(*dialog, "txtLocalFile")->setText(QString::fromStdString(writeSite()));
  ui.answers = {Answer::No, Answer::Yes};
  int pauses = 0;
  ui.duringEvents = [&] {
    if (++pauses > 2) return;
    // The caption stops a fetch only: in the local mode it does nothing, and asks nothing.
    QTest::mouseClick(dialog->caption(IndexerCommand::Abort), Qt::LeftButton);
    dialog->button(IndexerCommand::Abort)->click();
  };
  dialog->start();
  EXPECT_EQ(ui.messageTexts(), (Texts{"Stop Auto Indexer", "Stop Auto Indexer"}));
  EXPECT_EQ(ui.messages.front().kind, MessageKind::Confirmation);
  EXPECT_EQ(pauses, 2);
  EXPECT_EQ(tree(), "Catalogue\n  Prices\nindex.htm\n  a.htm\n");
  EXPECT_EQ(enabled(*dialog), "+-++ tabs");
}

TEST_F(SiteIndexerDialogTest, BrowseAddsTheChosenFilesAndShowsTheirFolder) {
  const std::string web = temp.file("web/");
  fs::create_directories(web);
  testing::writeFile(web + "one.htm", "<title>One</title>");
  testing::writeFile(web + "two.htm", "");
  ui.pickedFileLists.push_back({web + "one.htm", web + "two.htm"});
  auto dialog = open(2);
  control<QToolButton>(*dialog, "btnBrowseDir")->click();
  EXPECT_EQ(tree(), "Catalogue\n  Prices\none.htm\ntwo.htm\n");
  EXPECT_EQ(ui.messageTexts(), Texts{"Files successfully added"});
  EXPECT_EQ(textOf(*dialog, "txtLocalDir"), web);
  EXPECT_EQ(enabled(*dialog), "+-++ tabs");
}

TEST_F(SiteIndexerDialogTest, TheIndexerCommandOpensTheWindowOverTheCommandersMenu) {
  testing::MemorySettings programSettings;
  testing::MemorySettings userSettings;
  testing::MemoryClipboard clipboard;
  QtWindows windows(ui);
  Commander commander({ui, clipboard, browser, windows, programSettings, userSettings, program});
  windows.attach(commander);
  programSettings.values[{"SiteIndexer", "Last File"}] = "/kept/start.htm";
  std::vector<std::string> seen;
  auto describe = [&seen](const char* typed) {
    QTimer::singleShot(0, [&seen, typed] {
      auto* dialog = qobject_cast<SiteIndexerDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      auto* file = dialog->findChild<QLineEdit*>("txtLocalFile");
      seen.push_back(std::to_string(dialog->tabs().currentIndex()) + " " + file->text().toStdString());
      file->setText(typed);
      dialog->reject();
    });
  };
  describe("/typed/start.htm");
  commander.siteIndexer(1);
  programSettings.values[{"SiteIndexer", "Last File"}] = "/changed/start.htm";
  describe("/typed/again.htm");
  commander.siteIndexer(2);
  EXPECT_EQ(seen, (Texts{"1 /kept/start.htm", "2 /typed/start.htm"})) << "the kept inputs are read once a run";
  EXPECT_EQ((programSettings.values[{"SiteIndexer", "Last File"}]), "/typed/again.htm");
}

TEST_F(SiteIndexerDialogTest, TheMainWindowShowsTheNewNodesBeforeTheWindowCloses) {
  const std::string start = writeSite();
  testing::MemorySettings programSettings;
  testing::MemorySettings userSettings;
  testing::MemoryClipboard clipboard;
  QtWindows windows(ui);
  MainWindow window({ui, clipboard, browser, windows, programSettings, userSettings, program});
  windows.attach(&window);
  windows.attach(window.commander());
  MenuModel& shown = window.commander().menu();
  resetToNewMenu(shown, akTree);
  shown.Document.PagePath = site("index.htm");
  shown.CurrentTab()->Nodes.selectFirst();
  window.commander().showMenuOpen();
  window.refreshFromModel();
  int rowsWhileOpen = 0;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<SiteIndexerDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->findChild<QLineEdit*>("txtLocalFile")->setText(QString::fromStdString(start));
    dialog->start();
    rowsWhileOpen = window.constructionArea().treeView(0)->topLevelItemCount();
    dialog->reject();
  });
  window.menuEntry("Local Network Site")->trigger();
  EXPECT_EQ(rowsWhileOpen, 2) << "New Node and the start page";
}

}  // namespace
}  // namespace quillon::gui
