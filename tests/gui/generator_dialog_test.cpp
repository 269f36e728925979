// The generator window: the tab it opens on, its controls writing the
// options, what it shows for each kind of menu, and Save, Preview, Help and
// the font and colour settings reaching the generators.
#include "gui/generator_dialog.hpp"

#include <fstream>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include "format/text_helpers.hpp"
#include "gui/page_font_color_dialog.hpp"
#include "page_windows_fixture.hpp"

namespace quillon::gui {
namespace {

namespace fs = std::filesystem;

class GeneratorDialogTest : public PageWindowsTest {
 protected:
  std::unique_ptr<GeneratorDialog> open(std::optional<int> mode) {
    return std::make_unique<GeneratorDialog>(ports(), style, mode);
  }
  // Whether the control shows while its tab is the one shown.
  static bool shown(GeneratorDialog& dialog, const char* name) {
    QWidget* found = control<QWidget>(dialog, name);
    for (int tab = 0; tab < dialog.tabs().count(); ++tab) {
      QWidget* page = dialog.tabs().widget(tab);
      if (page->isAncestorOf(found)) return found->isVisibleTo(page);
    }
    return false;
  }
};

TEST_F(GeneratorDialogTest, OpensOnTheTabItIsGivenAndFollowsTheTabShown) {
  const std::pair<std::optional<int>, int> cases[] = {{std::nullopt, 0}, {0, 0}, {1, 1}, {2, 2}, {3, 3}, {7, 0}};
  for (const auto& [mode, tab] : cases) {
    auto dialog = open(mode);
    EXPECT_EQ(dialog->tabs().currentIndex(), tab) << mode.value_or(-1);
    EXPECT_EQ(static_cast<int>(dialog->options().tab), tab);
  }
  auto dialog = open(1);
  EXPECT_EQ(dialog->windowTitle().toStdString(), kGeneratorWindowTitle);
  dialog->tabs().setCurrentIndex(2);
  EXPECT_EQ(dialog->options().tab, GeneratorTab::SiteMap);
  EXPECT_EQ(dialog->tabs().tabText(0).toStdString(), "Tree View Menu");
  EXPECT_EQ(control<QLineEdit>(*dialog, "txtFDir")->text().toStdString(), site());
}

TEST_F(GeneratorDialogTest, ControlsWriteTheOptions) {
  auto dialog = open(1);
  control<QComboBox>(*dialog, "cmbIntentSymbol")->setEditText("+*");
  control<QComboBox>(*dialog, "cmbIntentAmount")->setCurrentText("none");
  control<QComboBox>(*dialog, "cmbSelect")->setCurrentIndex(2);
  control<QCheckBox>(*dialog, "chkUpperRoot")->setChecked(false);
  control<QCheckBox>(*dialog, "chkTarget")->setChecked(true);
  control<QLineEdit>(*dialog, "txtTarget")->setText("main");
  control<QLineEdit>(*dialog, "txtFStart")->setText("nav.htm");
  control<QLineEdit>(*dialog, "txtTOrvel")->setText("Our site");
  control<QCheckBox>(*dialog, "chkTFrameLines")->setChecked(false);
  control<QLineEdit>(*dialog, "txtTLeftWidth")->setText("30%");
  control<QRadioButton>(*dialog, "optOutline")->setChecked(true);
  control<QComboBox>(*dialog, "cmbToken")->setEditText(" - ");
  control<QCheckBox>(*dialog, "chkSTarget")->setChecked(true);

  const GeneratorOptions& o = dialog->options();
  EXPECT_EQ(o.dropDown.indentSymbol, "+*");
  EXPECT_EQ(o.dropDown.indentCount, "none");
  EXPECT_EQ(o.dropDown.selectionTitle, "Select one ...");
  EXPECT_FALSE(o.dropDown.upperCaseRoots);
  EXPECT_TRUE(o.dropDown.useFrames);
  EXPECT_EQ(o.dropDown.target, "main");
  EXPECT_EQ(o.dropDown.outputPage, "nav.htm");
  EXPECT_EQ(o.treeView.title, "Our site");
  EXPECT_FALSE(o.treeView.showFrameLines);
  EXPECT_EQ(o.treeView.leftFrameWidth, "30%");
  EXPECT_EQ(o.siteMap.construction, SiteMapConstruction::Outline);
  EXPECT_EQ(o.siteMap.token, " - ");
  EXPECT_TRUE(o.siteMap.useMainTarget);

  control<QPushButton>(*dialog, "btnFDefaults")->click();
  EXPECT_EQ(o.dropDown.indentSymbol, "-");
  EXPECT_EQ(o.dropDown.indentCount, "2");
  EXPECT_TRUE(o.dropDown.upperCaseRoots);
  EXPECT_EQ(control<QComboBox>(*dialog, "cmbIntentSymbol")->currentText().toStdString(), "-");
  EXPECT_TRUE(control<QCheckBox>(*dialog, "chkUpperRoot")->isChecked());
  EXPECT_EQ(o.dropDown.target, "main") << "the defaults leave the target alone";
}

TEST_F(GeneratorDialogTest, TargetBoxesShowWhileTheyAreUsed) {
  auto dialog = open(1);
  EXPECT_FALSE(shown(*dialog, "txtTarget"));
  control<QCheckBox>(*dialog, "chkTarget")->setChecked(true);
  EXPECT_TRUE(shown(*dialog, "txtTarget"));
  EXPECT_TRUE(shown(*dialog, "txtSTarget"));
  control<QCheckBox>(*dialog, "chkSTarget")->setChecked(true);
  EXPECT_FALSE(shown(*dialog, "txtSTarget")) << "the menu's own targets replace it";
}

struct SiteMapShowCase {
  TAppletKind kind;
  bool rootPair;
  bool tabPair;
  bool indent;
  bool rootsChecked;
};

TEST_F(GeneratorDialogTest, SiteMapControlsFollowTheMenuKindAndTheConstruction) {
  const SiteMapShowCase cases[] = {
      {akTab, false, true, false, false}, {akTree, true, false, true, true}, {akTabTree, false, true, true, false}};
  for (const SiteMapShowCase& c : cases) {
    sampleMenu(c.kind);
    auto dialog = open(2);
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_EQ(shown(*dialog, "chkUCaseRootNode"), c.rootPair);
    EXPECT_EQ(shown(*dialog, "chkLBRRootNode"), c.rootPair);
    EXPECT_EQ(shown(*dialog, "chkUCaseTabCaption"), c.tabPair);
    EXPECT_EQ(shown(*dialog, "cmbSpaceIntent"), c.indent);
    EXPECT_EQ(shown(*dialog, "cmbToken"), c.indent);
    EXPECT_EQ(shown(*dialog, "chkLineWrap"), c.indent);
    EXPECT_EQ(control<QCheckBox>(*dialog, "chkUCaseRootNode")->isChecked(), c.rootsChecked);
    EXPECT_EQ(control<QCheckBox>(*dialog, "chkLBRRootNode")->isChecked(), c.rootsChecked);
    control<QRadioButton>(*dialog, "optOutline")->setChecked(true);
    EXPECT_FALSE(shown(*dialog, "cmbToken"));
    EXPECT_FALSE(shown(*dialog, "chkLineWrap"));
    EXPECT_EQ(shown(*dialog, "cmbSpaceIntent"), c.indent);
  }
}

struct SaveCase {
  int tab;
  std::vector<std::string> files;
  std::string caption;  // a node caption the page carries
};

TEST_F(GeneratorDialogTest, SaveWritesThePagesOfTheTabShownIntoTheSite) {
  const SaveCase cases[] = {
      {0, {"MyTree.htm", "treex.htm", "main.htm"}, "Prices"},
      {1, {"MyMenu.htm"}, "CATALOGUE"},
      {2, {"MySiteMap.htm"}, "Questions"},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.tab);
    auto dialog = open(c.tab);
    bool stripShown = false;
    ui.duringEvents = [&] { stripShown = stripShown || !dialog->progressStrip().isHidden(); };
    dialog->commands().button(RowCommand::Save)->click();
    ui.duringEvents = nullptr;
    for (const std::string& file : c.files) EXPECT_TRUE(fs::exists(site(file))) << file;
    EXPECT_NE(testing::readFile(site(c.files.front())).find(c.caption), std::string::npos);
    EXPECT_TRUE(stripShown);
    EXPECT_TRUE(dialog->progressStrip().isHidden());
    EXPECT_EQ(dialog->progressStrip().stripWidth(), 430);
  }
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(browser.opened.empty());
}

TEST_F(GeneratorDialogTest, PreviewWritesTheTildePageAndOpensIt) {
  auto dialog = open(1);
  control<QLineEdit>(*dialog, "txtFStart")->setText("nav.htm");
  dialog->commands().button(RowCommand::Preview)->click();
  EXPECT_TRUE(fs::exists(site("~nav.htm")));
  EXPECT_FALSE(fs::exists(site("nav.htm")));
  EXPECT_EQ(browser.opened, std::vector<std::string>{localPathToFileURL(site("~nav.htm"))});
}

TEST_F(GeneratorDialogTest, SaveOfAMenuNeverSavedSaysNothingWasWritten) {
  menu.Document.PagePath.clear();
  auto dialog = open(2);
  dialog->save();
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"The menu page has not been saved yet.\nNothing was generated."});
}

TEST_F(GeneratorDialogTest, XmlSitemapTabShowsTheRobotsLineAndWritesTheSitemap) {
  auto dialog = open(3);
  auto* robots = control<QLineEdit>(*dialog, "txtRobotsLine");
  EXPECT_EQ(robots->text().toStdString(), "");
  dialog->save();
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_NE(ui.messageTexts().front().find("base URL"), std::string::npos);
  EXPECT_FALSE(fs::exists(site("sitemap.xml")));

  control<QLineEdit>(*dialog, "txtBaseUrl")->setText("https://www.example.com/shop/");
  EXPECT_EQ(robots->text().toStdString(), "Sitemap: https://www.example.com/shop/sitemap.xml");
  dialog->save();
  EXPECT_EQ(ui.messageTexts().size(), 1u);
  std::ifstream file(site("sitemap.xml"));
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("<loc>https://www.example.com/shop/prices.htm</loc>"), std::string::npos) << text;
}

TEST_F(GeneratorDialogTest, HelpOpensThePageOfTheTabShown) {
  auto dialog = open(0);
  for (int tab : {0, 1, 2, 3}) {
    dialog->tabs().setCurrentIndex(tab);
    dialog->commands().button(RowCommand::Help)->click();
  }
  const std::string files = localPathToFileURL(std::string(QUILLON_SHIPPED_DIR) + "files/");
  EXPECT_EQ(browser.opened, (std::vector<std::string>{files + "OrvelGenTreeView.htm", files + "OrvelGenDropDown.htm",
                                                      files + "OrvelGenSiteMap.htm", files + "OrvelGenXmlSitemap.htm"}));
  browser.fail = true;
  dialog->help();
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Couldn't launch default browser"});
}

TEST_F(GeneratorDialogTest, FontAndColourSettingsOfTheDropDownTabSetTheBodyTagOfItsPage) {
  auto dialog = open(1);
  bool dropDownCaption = false;
  QTimer::singleShot(0, [&] {
    auto* settings = qobject_cast<PageFontColorDialog*>(QApplication::activeModalWidget());
    if (!settings) return;
    dropDownCaption = settings->findChild<QLabel*>("FontLevel1")->text() == "Normal Text - Example";
    settings->findChild<QPushButton*>("btnOK")->click();
  });
  control<QPushButton>(*dialog, "btnFFontColor")->click();
  EXPECT_TRUE(dropDownCaption);
  EXPECT_EQ(menu.Document.BodyTag,
            "<BODY bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000FF\" vlink=\"#800080\" alink=\"#FF0000\">");
  dialog->save();
  EXPECT_NE(testing::readFile(site("MyMenu.htm")).find(menu.Document.BodyTag), std::string::npos);
}

}  // namespace
}  // namespace quillon::gui
