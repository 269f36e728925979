// The main window's wiring: its two states, commands from the bar and the
// menu reaching Commander, node edits from the construction area's selection.
#include "app/commander.hpp"
#include "gui/command_bar.hpp"
#include "gui/construction_area.hpp"
#include "gui/hover_highlight.hpp"
#include "gui/main_window.hpp"
#include "gui/node_tree_view.hpp"
#include "gui/settings_pages.hpp"
#include "gui/tab_position_control.hpp"
#include "memory_ports.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>

namespace quillon::gui {
namespace {

namespace fs = std::filesystem;

class RecordingBrowser : public Browser {
 public:
  std::vector<std::string> opened;
  void open(const std::string& url) override { opened.push_back(url); }
};

class ScriptedWindows : public Windows {
 public:
  std::optional<NewMenuChoice> wizardAnswer;
  std::vector<std::string> shown;
  std::optional<NewMenuChoice> chooseNewMenu() override { return wizardAnswer; }
  std::optional<std::string> chooseTheme(std::uint8_t) override { return std::nullopt; }
  void showUploadReport(const std::string& path) override { shown.push_back("report " + path); }
  void showAbout() override { shown.push_back("about"); }
  void showGenerator(std::optional<int> mode) override { shown.push_back("generator " + std::to_string(mode.value_or(-1))); }
  void showDeploy(std::optional<int> mode) override { shown.push_back("deploy " + std::to_string(mode.value_or(-1))); }
  void showSiteIndexer(std::optional<int> mode) override {
    shown.push_back("indexer " + std::to_string(mode.value_or(-1)));
  }
};

// The toolbar commands and main menu entries that need an open menu, and those that do not.
const char* const kMenuToolbar[] = {"Save", "Preview", "Clipboard", "Upload", "Indexer", "Deploy", "Generate"};
const char* const kAlwaysToolbar[] = {"New", "Open", "Help", "Demo", "Exit"};
const char* const kMenuEntries[] = {"&Upload", "&Deploy ", "&Auto-Index", "&Generate", "&Themes",
                                    "&Preview", "&Save", "Save &As"};
const char* const kAlwaysEntries[] = {"&New", "&Open", "&Help", "&Exit"};

class MainWindowTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  testing::MemoryClipboard clipboard;
  RecordingBrowser browser;
  ScriptedWindows windows;
  testing::MemorySettings programSettings;
  testing::MemorySettings userSettings;
  std::string program = temp.file("program/");
  std::string cache = temp.file("cache");
  std::string projects = temp.file("projects/");
  std::unique_ptr<MainWindow> window;

  void SetUp() override {
    // Closing the window in a test must not end the shared application.
    QApplication::setQuitOnLastWindowClosed(false);
    fs::create_directories(program + "files/JClass/jimages");
    fs::create_directories(temp.file("site"));
    for (const char* icon : {"BookC.gif", "BookO.gif", "Leaf.gif"}) {
      testing::writeGif(program + "files/JClass/jimages/" + icon, 16, 16);
    }
    window = std::make_unique<MainWindow>(
        CommanderPorts{ui, clipboard, browser, windows, programSettings, userSettings, program, cache, projects});
  }

  std::string site(const std::string& name) const { return temp.file("site/" + name); }
  Commander& commander() { return window->commander(); }
  MenuModel& menu() { return commander().menu(); }

  // A new Tab&Tree menu from the toolbar's New, saved as site/index.htm.
  void newMenuFromToolbar() {
    windows.wizardAnswer = NewMenuChoice{akTabTree, ""};
    ui.pickedFiles.push_back(site("index.htm"));
    window->commandBar().button("New")->click();
    ui.messages.clear();
  }

  bool toolbarEnabled(const char* caption) const {
    return window->commandBar().button(caption)->isEnabled() && window->commandBar().caption(caption)->isEnabled();
  }
  bool entryEnabled(const char* caption) const {
    QAction* entry = window->menuEntry(caption);
    EXPECT_NE(entry, nullptr) << caption;
    return entry && entry->isEnabled();
  }
  bool showsNoMenuHint() const {
    auto* centre = qobject_cast<QStackedWidget*>(window->centralWidget());
    return centre && centre->currentWidget() == &window->noMenuHint();
  }
};

TEST_F(MainWindowTest, StartsWithoutAMenuAndOnlyTheCommandsThatLeadOnEnabled) {
  EXPECT_EQ(window->windowTitle().toStdString(), "Morvane's Quillon - Commander");
  EXPECT_TRUE(showsNoMenuHint());
  EXPECT_EQ(window->noMenuHint().text().toStdString(), "Please choose an option from the Task bar.");
  for (const char* caption : kMenuToolbar) EXPECT_FALSE(toolbarEnabled(caption)) << caption;
  for (const char* caption : kAlwaysToolbar) EXPECT_TRUE(toolbarEnabled(caption)) << caption;
  for (const char* caption : kMenuEntries) EXPECT_FALSE(entryEnabled(caption)) << caption;
  for (const char* caption : kAlwaysEntries) EXPECT_TRUE(entryEnabled(caption)) << caption;
}

TEST_F(MainWindowTest, ANewMenuOpensTheConstructionAreaAndEnablesEveryCommand) {
  newMenuFromToolbar();
  ASSERT_TRUE(commander().state().menuOpen);
  EXPECT_FALSE(showsNoMenuHint());
  for (const char* caption : kMenuToolbar) EXPECT_TRUE(toolbarEnabled(caption)) << caption;
  for (const char* caption : kMenuEntries) EXPECT_TRUE(entryEnabled(caption)) << caption;
  ConstructionArea& area = window->constructionArea();
  ASSERT_EQ(area.count(), 1);
  EXPECT_EQ(area.tabText(0).toStdString(), "New Tab");
  ASSERT_EQ(area.treeView(0)->topLevelItemCount(), 1);
  EXPECT_EQ(area.treeView(0)->topLevelItem(0)->text(0).toStdString(), "New Node");
}

TEST_F(MainWindowTest, CancellingTheFirstSaveOfANewMenuReturnsToTheHint) {
  windows.wizardAnswer = NewMenuChoice{akTree, ""};
  window->menuEntry("&New")->trigger();
  EXPECT_TRUE(showsNoMenuHint());
  EXPECT_FALSE(toolbarEnabled("Save"));
  EXPECT_FALSE(entryEnabled("&Preview"));
}

TEST_F(MainWindowTest, PreviewFromTheBarAndFromTheMenuWritesThePreviewPageAndOpensIt) {
  newMenuFromToolbar();
  const std::function<void()> triggers[] = {
      [this] { window->commandBar().button("Preview")->click(); },
      [this] { window->menuEntry("&Preview")->trigger(); },
  };
  for (const auto& trigger : triggers) {
    fs::remove(site("~preview.htm"));
    browser.opened.clear();
    trigger();
    EXPECT_TRUE(fs::exists(site("~preview.htm")));
    ASSERT_EQ(browser.opened.size(), 1u);
    EXPECT_TRUE(browser.opened[0].ends_with("/~preview.htm")) << browser.opened[0];
  }
}

TEST_F(MainWindowTest, TheBarAndTheMenuSaveNameTheirOwnActionWhenADefaultImageIsMissing) {
  newMenuFromToolbar();
  menu().Settings.DefLeaf = -1;
  window->settingsPages().setCurrentIndex(static_cast<int>(SettingsPage::Applet));
  const std::pair<std::function<void()>, std::string> saves[] = {
      {[this] { window->commandBar().button("Save")->click(); }, "saving."},
      {[this] { window->menuEntry("&Save")->trigger(); }, "saveing."},
  };
  for (const auto& [save, action] : saves) {
    ui.messages.clear();
    window->settingsPages().setCurrentIndex(static_cast<int>(SettingsPage::Applet));
    save();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please specify default images before " + action +
                                       "\nAlternatively, deselect \"Icons\" on the \"Tree Style\" tab.");
  }
  // The failed check shows the "Tree" page the first time it names it.
  EXPECT_EQ(commander().state().activePage, SettingsPage::Tree);
}

TEST_F(MainWindowTest, CommandsThatOpenOtherWindowsReachThemWithTheirModes) {
  newMenuFromToolbar();
  ui.answers = {Answer::No, Answer::No};
  window->commandBar().button("Upload")->click();
  window->menuEntry("Local Network Files")->trigger();
  window->menuEntry("Floating Window")->trigger();
  window->menuEntry("Site Map (Pure HTML)")->trigger();
  window->menuEntry("&About")->trigger();
  EXPECT_EQ(windows.shown, (std::vector<std::string>{"report " + site("index_UPLOADREPORT.TXT"), "indexer 2",
                                                     "deploy 1", "generator 2", "about"}));
}

TEST_F(MainWindowTest, OpeningTheFileMenuShowsTheRecentPages) {
  QAction* recent = nullptr;
  for (QAction* action : window->menuEntry("&File")->menu()->actions()) {
    if (action->isVisible() && action->text().startsWith("&1")) recent = action;
  }
  EXPECT_EQ(recent, nullptr);

  userSettings.write("", "File1", site("a&b.htm"));
  QMenu* file = window->menuEntry("&File")->menu();
  Q_EMIT file->aboutToShow();
  for (QAction* action : file->actions()) {
    if (action->isVisible() && action->text().startsWith("&1")) recent = action;
  }
  ASSERT_NE(recent, nullptr);
  EXPECT_TRUE(recent->text().endsWith("a&&b.htm")) << recent->text().toStdString();

  // The entry opens the page; a page that is gone is reported.
  recent->trigger();
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Could not loacte file."});
}

TEST_F(MainWindowTest, ClosingAsksToSaveOnlyWhileAMenuIsOpen) {
  window->close();
  EXPECT_TRUE(ui.messages.empty());

  newMenuFromToolbar();
  testing::writeFile(site("~preview.htm"), "x");
  window->close();
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Do you want to save your work"});
  EXPECT_FALSE(fs::exists(site("~preview.htm")));
}

TEST_F(MainWindowTest, EditingTheNodeTextWritesTheNodeSelectedInTheTree) {
  newMenuFromToolbar();
  TreeNode& second = menu().tab(0).Nodes.root().appendChild("Second", {});
  window->refreshFromModel();
  NodeTreeView* tree = window->constructionArea().treeView(0);
  ASSERT_EQ(tree->topLevelItemCount(), 2);

  tree->setCurrentItem(tree->topLevelItem(1));
  EXPECT_EQ(menu().tab(0).Nodes.selected(), &second);
  auto* textBox = window->findChild<QLineEdit*>("nodeTextBox");
  ASSERT_NE(textBox, nullptr);
  EXPECT_EQ(textBox->text().toStdString(), "Second");

  textBox->setText("Renamed");
  EXPECT_EQ(second.Text, "Renamed");
  EXPECT_EQ(menu().tab(0).Nodes.root().children().front()->Text, "New Node");
  EXPECT_EQ(tree->topLevelItem(1)->text(0).toStdString(), "Renamed");
}

TEST_F(MainWindowTest, ClickingAnotherTabMakesItCurrentForTheEditors) {
  newMenuFromToolbar();
  TAppletPage& second = menu().AddTab("Second");
  second.Nodes.root().children().front()->Text = "Second's node";
  menu().setCurrentTab(0);
  window->refreshFromModel();
  ConstructionArea& area = window->constructionArea();
  ASSERT_EQ(area.count(), 2);
  area.setCurrentIndex(1);
  EXPECT_EQ(menu().currentTabIndex(), 1);
  EXPECT_EQ(window->findChild<QLineEdit*>("nodeTextBox")->text().toStdString(), "Second's node");
}

TEST_F(MainWindowTest, WritingThePageLeavesTheUserOnTheirTabAndPage) {
  newMenuFromToolbar();
  menu().AddTab("Second");
  menu().AddTab("Third");
  window->refreshFromModel();
  const std::pair<const char*, std::function<void()>> commands[] = {
      {"Save", [this] { window->commandBar().button("Save")->click(); }},
      {"Preview", [this] { window->commandBar().button("Preview")->click(); }},
      {"Clipboard", [this] { window->commandBar().button("Clipboard")->click(); }},
      {"Generate", [this] {
         ui.answers.push_back(Answer::Yes);  // save first
         window->commandBar().button("Generate")->click();
       }},
  };
  for (const auto& [name, run] : commands) {
    window->constructionArea().setCurrentIndex(1);
    window->settingsPages().setCurrentIndex(static_cast<int>(SettingsPage::TabStyle));
    run();
    EXPECT_EQ(window->constructionArea().currentIndex(), 1) << name;
    EXPECT_EQ(menu().currentTabIndex(), 1) << name;
    EXPECT_EQ(window->settingsPages().currentIndex(), static_cast<int>(SettingsPage::TabStyle)) << name;
  }
}

TEST_F(MainWindowTest, AnEmptiedWidthBoxIsSavedByTheSizeRules) {
  newMenuFromToolbar();
  auto* width = window->findChild<QLineEdit*>("widthBox");
  ASSERT_NE(width, nullptr);
  width->setFocus();
  width->setText("");
  window->commandBar().button("Save")->click();  // the box still has the focus
  const std::string page = testing::readFile(site("index.htm"));
  EXPECT_NE(page.find(" WIDTH=200 HEIGHT=320>"), std::string::npos);
  EXPECT_EQ(width->text().toStdString(), "200");
}

TEST_F(MainWindowTest, OnlyAChangedMenuIsOfferedForSavingBeforeAnotherIsOpened) {
  newMenuFromToolbar();
  ui.pickedFiles.push_back(site("index.htm"));
  window->commandBar().button("Open")->click();
  EXPECT_TRUE(ui.messages.empty()) << "showing a menu read changes nothing in it";

  window->findChild<QLineEdit*>("nodeTextBox")->setText("Edited");
  window->settingsPages().setCurrentIndex(static_cast<int>(SettingsPage::TabStyle));
  ui.pickedFiles.push_back(site("index.htm"));
  ui.answers.push_back(Answer::Cancel);
  window->commandBar().button("Open")->click();
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Do you want to save your work"});
  EXPECT_EQ(window->constructionArea().treeView(0)->topLevelItem(0)->text(0).toStdString(), "Edited");
  EXPECT_EQ(window->settingsPages().currentIndex(), static_cast<int>(SettingsPage::TabStyle)) << "as it was";
}

TEST_F(MainWindowTest, NewPagesAndTheDemoCopyGoToTheFoldersHandedIn) {
  windows.wizardAnswer = NewMenuChoice{akTree, ""};
  window->commandBar().button("New")->click();
  ASSERT_FALSE(ui.fileDialogs.empty());
  EXPECT_EQ(ui.fileDialogs.back().initialDir, projects);

  testing::writeFile(program + "files/OrvelLeft.htm", "<APPLET CODE=\"TrellTabR.class\">\r\n</APPLET>\r\n");
  ui.answers.push_back(Answer::Ok);
  window->commandBar().button("Demo")->click();
  EXPECT_TRUE(fs::is_regular_file(cache + "/demo/OrvelLeft.htm"));
}

TEST_F(MainWindowTest, TheWindowShowsItsNewStateBeforeTheMessageAboutIt) {
  fs::create_directories(program + "files");
  testing::writeFile(program + "files/OrvelLeft.htm",
                     "<APPLET CODE=\"TrellTabR.class\" WIDTH=300 HEIGHT=50>\r\n<PARAM NAME=\"TAB0\" VALUE=\"Demo\">\r\n"
                     "<PARAM NAME=\"TAB1\" VALUE=\"Second\">\r\n</APPLET>\r\n");
  std::vector<std::string> seen;
  ui.onMessage = [&](const std::string& text) {
    seen.push_back(text.substr(0, 20) + (showsNoMenuHint() ? ": hint" : ": ") +
                   std::to_string(window->constructionArea().count()));
  };
  ui.answers.push_back(Answer::Ok);
  window->commandBar().button("Demo")->click();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], "Demonstration succes: 2");

  seen.clear();
  ui.onMessage = [&](const std::string& text) {
    if (text.rfind("File Saved as", 0) == 0) seen.push_back(showsNoMenuHint() ? "hint" : "menu");
  };
  windows.wizardAnswer = NewMenuChoice{akTab, ""};
  ui.pickedFiles.push_back(site("new.htm"));
  window->commandBar().button("New")->click();
  EXPECT_EQ(seen, std::vector<std::string>{"menu"});
}

TEST_F(MainWindowTest, TheSettingsTabsOfATreeMenuStandSideBySide) {
  newMenuFromToolbar();
  window->show();
  windows.wizardAnswer = NewMenuChoice{akTree, ""};
  ui.pickedFiles.push_back(site("tree.htm"));
  window->commandBar().button("New")->click();
  QApplication::processEvents();
  QTabBar* bar = window->settingsPages().tabBar();
  std::vector<QRect> shown;
  for (int i = 0; i < bar->count(); ++i) {
    if (bar->isTabVisible(i)) shown.push_back(bar->tabRect(i));
  }
  ASSERT_EQ(shown.size(), 3u) << "Applet, Tree and Tree Style";
  for (std::size_t i = 1; i < shown.size(); ++i) {
    EXPECT_LE(shown[i].left() - shown[i - 1].right(), 1) << "a gap before tab " << i;
  }
  window->hide();
}

// At the design size, with room on the screen, the hint stands beside the window and covers none of its controls.
TEST_F(MainWindowTest, TheTargetFrameHintStandsBesideTheWindowWhileATargetBoxHasTheFocus) {
  newMenuFromToolbar();
  window->move(window->screen()->availableGeometry().topLeft());
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  struct Case {
    SettingsPage page;
    const char* target;
    const char* other;
  };
  for (const Case& c : {Case{SettingsPage::Tab, "tabTarget1Box", "tabCaptionBox"},
                        Case{SettingsPage::Tab, "tabTarget2Box", "tabStatusBox"},
                        Case{SettingsPage::Tree, "nodeTarget1Box", "nodeTextBox"},
                        Case{SettingsPage::Tree, "nodeTarget2Box", "nodeLink2Box"}}) {
    window->settingsPages().setCurrentIndex(static_cast<int>(c.page));
    auto* target = window->findChild<QLineEdit*>(c.target);
    ASSERT_NE(target, nullptr) << c.target;
    auto* hint = window->settingsPages().currentWidget()->findChild<QWidget*>("targetFrameHint");
    ASSERT_NE(hint, nullptr) << c.target;
    target->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(hint->isVisible()) << c.target;
    EXPECT_EQ(QApplication::focusWidget(), target) << "the hint took the focus from " << c.target;
    EXPECT_EQ(hint->geometry().top(), target->mapToGlobal(QPoint(0, 0)).y()) << c.target;
    for (QWidget* control : window->findChildren<QWidget*>()) {
      if (control->window() != window.get() || !control->isVisible()) continue;
      const QRect shown(control->mapToGlobal(QPoint(0, 0)), control->size());
      EXPECT_FALSE(hint->geometry().intersects(shown)) << c.target << " hint covers " << control->objectName().toStdString()
                                                       << " " << control->metaObject()->className();
    }
    const QPoint besideWindow = hint->pos();
    window->move(window->pos() + QPoint(20, 10));
    QApplication::processEvents();
    EXPECT_EQ(hint->pos(), besideWindow + QPoint(20, 10)) << c.target << " follows the window";
    window->findChild<QLineEdit*>(c.other)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(hint->isVisible()) << c.target;
  }
  auto* target = window->findChild<QLineEdit*>("nodeTarget1Box");
  target->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  window->showMinimized();
  QApplication::processEvents();
  EXPECT_FALSE(window->settingsPages().currentWidget()->findChild<QWidget*>("targetFrameHint")->isVisible())
      << "with the window minimised";
  window->hide();
}

TEST_F(MainWindowTest, ApplyingTheAppletSizeSizesTheConstructionArea) {
  newMenuFromToolbar();
  Q_EMIT window->settingsPages().appletSizeApplied(180, 240);
  EXPECT_EQ(window->constructionArea().minimumSize(), QSize(180, 240));
  EXPECT_EQ(window->constructionArea().maximumSize(), QSize(180, 240));
}

TEST_F(MainWindowTest, CaptionsTurnMaroonWhileTheMouseIsOverTheButtonOrTheCaption) {
  QToolButton* button = window->commandBar().button("Open");
  QLabel* caption = window->commandBar().caption("Open");
  for (QWidget* hovered : {static_cast<QWidget*>(button), static_cast<QWidget*>(caption)}) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(hovered, &enter);
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), kHighlightColor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(hovered, &leave);
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), kNormalColor);
  }
}

TEST_F(MainWindowTest, EveryCommandHasAHint) {
  for (const char* caption : {"New", "Open", "Save", "Help", "Demo", "Preview", "Clipboard", "Upload", "Indexer",
                              "Deploy", "Generate", "Exit"}) {
    EXPECT_FALSE(window->commandBar().button(caption)->toolTip().isEmpty()) << caption;
    EXPECT_EQ(window->commandBar().caption(caption)->toolTip(), window->commandBar().button(caption)->toolTip());
  }
  for (QAction* action : window->menuBar()->findChildren<QAction*>()) {
    if (action->isSeparator() || action->text().isEmpty() || action->menu()) continue;
    EXPECT_FALSE(action->statusTip().isEmpty()) << action->text().toStdString();
  }
}

// The model's tree as "a(b,c),d", and the view's items alike.
std::string modelOutline(const TreeNode& parent) {
  std::string text;
  for (const auto& node : parent.children()) {
    if (!text.empty()) text += ",";
    text += node->Text;
    if (node->hasChildren()) text += "(" + modelOutline(*node) + ")";
  }
  return text;
}

std::string viewOutline(const QTreeWidgetItem& parent) {
  std::string text;
  for (int i = 0; i < parent.childCount(); ++i) {
    if (i > 0) text += ",";
    text += parent.child(i)->text(0).toStdString();
    if (parent.child(i)->childCount() > 0) text += "(" + viewOutline(*parent.child(i)) + ")";
  }
  return text;
}

// Every item the view holds stands for its node as the model has it: its
// text, and its children in order, all of them wherever its row is shown.
void expectItemsMatchTheModel(const NodeTreeView& view, const NodeTree& tree, const std::string& edit) {
  std::vector<std::pair<const QTreeWidgetItem*, const TreeNode*>> pending{{view.invisibleRootItem(), &tree.root()}};
  while (!pending.empty()) {
    const auto [item, node] = pending.back();
    pending.pop_back();
    const bool shown = item == view.invisibleRootItem() || item->parent() == nullptr || item->parent()->isExpanded();
    if (item->childCount() == 0 && !shown) continue;
    ASSERT_EQ(item->childCount(), static_cast<int>(node->children().size())) << edit << ": below " << node->Text;
    for (int i = 0; i < item->childCount(); ++i) {
      const TreeNode* child = node->children()[static_cast<std::size_t>(i)].get();
      ASSERT_EQ(view.nodeOf(item->child(i)), child) << edit << ": below " << node->Text;
      EXPECT_EQ(item->child(i)->text(0).toStdString(), child->Text) << edit;
      EXPECT_EQ(view.itemOf(child), item->child(i)) << edit;
      pending.emplace_back(item->child(i), child);
    }
  }
  EXPECT_EQ(view.nodeOf(view.currentItem()), tree.selected()) << edit;
}

TEST_F(MainWindowTest, TheTreesShowWhatTheModelHoldsAfterEachEdit) {
  struct Edit {
    const char* name;
    std::function<void()> run;
  };
  // Reached through the window as the user reaches them: the Tree and Tab
  // pages' controls, and the drop that a drag onto a node ends with.
  const auto node = [this](int tab, std::initializer_list<std::size_t> path) -> TreeNode& {
    TreeNode* at = &menu().tab(tab).Nodes.root();
    for (std::size_t index : path) at = at->children().at(index).get();
    return *at;
  };
  const auto select = [this, node](std::initializer_list<std::size_t> path) {
    NodeTreeView& view = *window->constructionArea().treeView(0);
    view.setCurrentItem(view.makeItemFor(&node(0, path)));
  };
  const auto click = [this](const char* name) { window->findChild<QPushButton*>(name)->click(); };
  const auto drop = [this, node](int fromTab, std::initializer_list<std::size_t> dragged, int toTab,
                                 std::initializer_list<std::size_t> target, DropChoice choice) {
    ConstructionArea& area = window->constructionArea();
    area.setDropChooser([choice](const QPoint&) { return choice; });
    area.dropNode(fromTab, node(fromTab, dragged), toTab, node(toTab, target), QPoint());
  };
  const Edit edits[] = {
      {"rename a shown node", [&] { select({0, 0}); window->findChild<QLineEdit*>("nodeTextBox")->setText("A1 renamed"); }},
      {"add above a top-level node", [&] { select({2}); ui.insertPositions.push_back(InsertPosition::Above); click("addNodeButton"); }},
      {"add at the end of a deep level", [&] { select({0, 0, 0}); ui.insertPositions.push_back(InsertPosition::Below); click("addNodeButton"); }},
      {"add a child to a closed folder", [&] { select({1}); click("addChildButton"); }},
      {"add a child to a leaf", [&] { select({2}); click("addChildButton"); }},
      {"delete a leaf", [&] { select({0, 1}); click("deleteNodeButton"); }},
      {"delete a folder", [&] { select({0}); ui.answers.push_back(Answer::Yes); click("deleteNodeButton"); }},
      {"move into a branch with no items yet", [&] { drop(0, {0, 1}, 0, {1, 0, 0}, DropChoice::MoveAsChild); }},
      {"move up within its level", [&] { drop(0, {0, 1}, 0, {0, 0}, DropChoice::MoveOnSameLevel); }},
      {"move a folder out to the top level", [&] { drop(0, {1, 0}, 0, {0}, DropChoice::MoveOnSameLevel); }},
      {"copy into a closed folder", [&] { drop(0, {2}, 0, {1, 0}, DropChoice::CopyAsChild); }},
      {"move to a tab never shown", [&] { drop(0, {0}, 1, {0}, DropChoice::MoveAsChild); }},
      {"move from a tab shown before", [&] {
         window->constructionArea().setCurrentIndex(1);
         drop(1, {0, 0}, 0, {0, 0}, DropChoice::MoveAsChild);
       }},
      {"add a tab", [&] { click("addTabButton"); }},
      {"copy a tab", [&] { click("copyTabButton"); }},
      {"delete a tab", [&] { ui.answers.push_back(Answer::Ok); click("deleteTabButton"); }},
      {"move a tab", [&] { Q_EMIT window->findChild<TabPositionControl*>("tabPosition")->positionChanged(1); }},
      {"rename a tab", [&] { window->findChild<QLineEdit*>("tabCaptionBox")->setText("Renamed tab"); }},
  };
  for (const Edit& edit : edits) {
    window.reset();
    SetUp();
    newMenuFromToolbar();
    // First: A(A1(A1a),A2), B(B1(B1a(B1a1))), C; Second: X(X1).
    NodeTree& first = menu().tab(0).Nodes;
    first.clear();
    TreeNode& a = first.root().appendChild("A");
    a.appendChild("A1").appendChild("A1a");
    a.appendChild("A2");
    first.root().appendChild("B").appendChild("B1").appendChild("B1a").appendChild("B1a1");
    first.root().appendChild("C");
    first.select(&a);
    menu().AddTab("Second").Nodes.root().children().front()->Text = "X";
    menu().tab(1).Nodes.root().children().front()->appendChild("X1");
    menu().setCurrentTab(0);
    window->refreshFromModel();
    ConstructionArea& area = window->constructionArea();
    area.treeView(0)->topLevelItem(0)->setExpanded(true);

    edit.run();

    ASSERT_EQ(area.count(), menu().tabCount()) << edit.name;
    EXPECT_EQ(area.currentIndex(), menu().currentTabIndex()) << edit.name;
    for (int tab = 0; tab < menu().tabCount(); ++tab) {
      EXPECT_EQ(area.tabText(tab).toStdString(), menu().tab(tab).Caption) << edit.name;
      area.setCurrentIndex(tab);
      NodeTreeView& view = *area.treeView(tab);
      expectItemsMatchTheModel(view, menu().tab(tab).Nodes, edit.name);
      // Nodes that had no items yet show once their branches are opened.
      view.expandAll();
      EXPECT_EQ(viewOutline(*view.invisibleRootItem()), modelOutline(menu().tab(tab).Nodes.root())) << edit.name;
    }
  }
}

}  // namespace
}  // namespace quillon::gui
