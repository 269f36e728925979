// The main window's commands, driven headless through scripted ports.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/commander.hpp"
#include "memory_ports.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

class RecordingBrowser : public Browser {
 public:
  std::vector<std::string> opened;
  bool fail = false;
  void open(const std::string& url) override {
    if (fail) throw std::runtime_error("Couldn't launch default browser");
    opened.push_back(url);
  }
};

class ScriptedWindows : public Windows {
 public:
  std::optional<NewMenuChoice> wizardAnswer;
  std::vector<std::string> shown;
  std::optional<NewMenuChoice> chooseNewMenu() override {
    shown.push_back("wizard");
    return wizardAnswer;
  }
  std::optional<std::string> themeAnswer;
  std::optional<std::string> chooseTheme(std::uint8_t kind) override {
    shown.push_back("themes " + std::to_string(kind));
    return themeAnswer;
  }
  void showUploadReport(const std::string& path) override { shown.push_back("report " + path); }
  void showAbout() override { shown.push_back("about"); }
  void showGenerator(std::optional<int> mode) override { shown.push_back("generator " + std::to_string(mode.value_or(-1))); }
  void showDeploy(std::optional<int> mode) override { shown.push_back("deploy " + std::to_string(mode.value_or(-1))); }
  void showSiteIndexer(std::optional<int> mode) override { shown.push_back("indexer " + std::to_string(mode.value_or(-1))); }
};

class CommanderTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  testing::MemoryClipboard clipboardPort;
  RecordingBrowser browser;
  ScriptedWindows windows;
  testing::MemorySettings programSettings;
  testing::MemorySettings userSettings;
  std::string program = temp.file("program/");
  std::string cache = temp.file("cache");
  std::string projects = temp.file("documents/Quillon/");
  Commander commander{{ui, clipboardPort, browser, windows, programSettings, userSettings, program, cache, projects}};

  void SetUp() override {
    fs::create_directories(program + "files/JClass/jimages");
    fs::create_directories(temp.file("site"));
    for (const char* icon : {"BookC.gif", "BookO.gif", "Leaf.gif"}) {
      testing::writeGif(program + "files/JClass/jimages/" + icon, 16, 16);
    }
  }

  std::string site(const std::string& name) const { return temp.file("site/" + name); }

  // A new menu of the kind, saved as site/index.htm.
  void newMenu(TAppletKind kind, const std::string& theme = "") {
    windows.wizardAnswer = NewMenuChoice{kind, theme};
    ui.pickedFiles.push_back(site("index.htm"));
    commander.newMenu();
    ui.messages.clear();
  }
};

TEST_F(CommanderTest, StartsWithoutAMenuAndRemembersTheProgramFolder) {
  EXPECT_FALSE(commander.state().menuOpen);
  EXPECT_EQ(userSettings.read("", "Path").value_or(""), program);
  EXPECT_TRUE(commander.recentFiles().entries()[0].empty());
}

TEST_F(CommanderTest, NewMenuWithStockImagesIsSavedWhereTheUserSays) {
  newMenu(akTabTree);
  EXPECT_TRUE(commander.state().menuOpen);
  EXPECT_TRUE(commander.state().tabPagesShown && commander.state().treePagesShown);
  EXPECT_TRUE(fs::exists(site("index.htm")));
  const MenuModel& menu = commander.menu();
  EXPECT_EQ(menu.Images.count(), 3);
  EXPECT_EQ(menu.tab(0).Nodes.root().children()[0]->Data.CollapsedImage, menu.Settings.DefLeaf);
  EXPECT_FALSE(menu.Document.AskSaveLocation);
  EXPECT_FALSE(menu.Document.NewMenuSetup);
  // The stock images make the default-image check pass from now on.
  EXPECT_TRUE(commander.checkDefaultImages("saving."));
  EXPECT_EQ(commander.recentFiles().entries()[0], site("index.htm"));
}

TEST_F(CommanderTest, NewMenuDroppedWhenTheLocationIsCancelled) {
  windows.wizardAnswer = NewMenuChoice{akTree, ""};
  commander.newMenu();
  EXPECT_FALSE(commander.state().menuOpen);
  EXPECT_EQ(ui.fileDialogs.at(0).title, "Please set the Save location");
  EXPECT_FALSE(commander.state().menuCommandsEnabled());
}

TEST_F(CommanderTest, NewMenuWizardCancelledChangesNothing) {
  newMenu(akTab);
  commander.menu().tab(0).Caption = "Mine";
  windows.wizardAnswer.reset();
  commander.newMenu();
  EXPECT_EQ(commander.menu().tab(0).Caption, "Mine");
  EXPECT_TRUE(commander.state().menuOpen);
}

TEST_F(CommanderTest, NewMenuFromAThemeNeverWritesTheTheme) {
  const std::string theme = temp.file("program/themes/tree/Blue/Blue.htm");
  writeFile(theme, "<APPLET CODE=\"TrellTreeR.class\" WIDTH=300 HEIGHT=200>\r\n"
                   "<PARAM NAME=\"BACKGROUND\" VALUE=\"0,0,128\">\r\n"
                   "<PARAM NAME=\"STYLE\" VALUE=\"AXAX\">\r\n"
                   "<PARAM NAME=\"I0\" VALUE=\"Welcome; None; None; 0; ; ; ;None; None; NO\">\r\n</APPLET>\r\n");
  const std::string before = readFile(theme);
  newMenu(akTree, theme);
  EXPECT_EQ(readFile(theme), before);
  EXPECT_EQ(commander.menu().Document.PagePath, site("index.htm"));
  EXPECT_EQ(commander.menu().Settings.TreeBackColor, 0x800000u);
  EXPECT_EQ(commander.menu().tab(0).Nodes.root().children()[0]->Text, "Welcome");
  EXPECT_EQ(ui.fileDialogs.back().title, "Please set the Save location");
}

TEST_F(CommanderTest, ChangeThemeKeepsTabsNodesAndTheClassFolder) {
  newMenu(akTree);
  MenuModel& menu = commander.menu();
  menu.tab(0).Nodes.root().children()[0]->Text = "Mine";
  menu.Settings.Codebase = "java/";
  const std::string folder = program + "themes/tree/Night/";
  fs::create_directories(folder);
  testing::writeGif(folder + "leaf.gif", 16, 16, 0x202020);
  writeFile(folder + "Night.htm", "<BODY BGCOLOR=\"black\">\r\n<APPLET CODE=\"TrellTreeR.class\" WIDTH=90>\r\n"
                                  "<PARAM NAME=\"BACKGROUND\" VALUE=\"0,0,64\">\r\n"
                                  "<PARAM NAME=\"LEAF\" VALUE=\"leaf.gif\">\r\n</APPLET>\r\n</BODY>\r\n");
  windows.themeAnswer = folder + "Night.htm";
  commander.changeTheme();
  EXPECT_EQ(windows.shown.back(), "themes 1");
  EXPECT_TRUE(commander.state().menuOpen);
  EXPECT_EQ(menu.tab(0).Nodes.root().children()[0]->Text, "Mine");
  EXPECT_EQ(menu.Settings.Codebase, "java/");
  EXPECT_EQ(menu.Settings.Width, "220");
  EXPECT_EQ(menu.Settings.TreeBackColor, 0x400000u);
  EXPECT_EQ(menu.Images.ImageFiles(), std::vector<std::string>{folder + "leaf.gif"});
  EXPECT_EQ(menu.Document.BodyTag, "<BODY BGCOLOR=\"black\">");
  EXPECT_EQ(menu.Document.PagePath, site("index.htm"));
}

TEST_F(CommanderTest, ChangeThemeToAPageWithoutAnAppletLeavesNoMenu) {
  newMenu(akTabTree);
  const std::string page = program + "themes/tabtree/Plain/Plain.htm";
  writeFile(page, "<HTML><BODY><P>No menu here</P></BODY></HTML>");
  windows.themeAnswer = page;
  commander.changeTheme();
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"No Quillon [Applets] found"});
  EXPECT_FALSE(commander.state().menuOpen);
}

TEST_F(CommanderTest, ChangeThemeNeedsAMenuAndAChosenTheme) {
  commander.changeTheme();
  EXPECT_TRUE(windows.shown.empty()) << "the command is off while no menu is open";
  newMenu(akTab);
  const TAppletSettings before = commander.menu().Settings;
  windows.themeAnswer.reset();
  commander.changeTheme();
  EXPECT_EQ(windows.shown.back(), "themes 0");
  EXPECT_EQ(commander.menu().Settings, before);
  EXPECT_TRUE(commander.state().menuOpen);
}

struct SaveCheckCase {
  SaveTrigger trigger;
  const char* action;
};

class SaveWithoutDefaults : public CommanderTest, public ::testing::WithParamInterface<SaveCheckCase> {};

TEST_P(SaveWithoutDefaults, NamesTheActionAndWritesNothing) {
  newMenu(akTabTree);
  fs::remove(site("index.htm"));
  commander.menu().Settings.DefLeaf = -1;
  commander.save(GetParam().trigger);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{std::string("Please specify default images before ") +
                                                        GetParam().action +
                                                        "\nAlternatively, deselect \"Icons\" on the \"Tree Style\" tab."});
  EXPECT_EQ(commander.state().activePage, SettingsPage::Tree);
  EXPECT_FALSE(fs::exists(site("index.htm")));

  ui.messages.clear();
  commander.menu().Settings.ProxyEnhanced = true;
  commander.save(GetParam().trigger);
  EXPECT_TRUE(fs::exists(site("index.htm")));
}

INSTANTIATE_TEST_SUITE_P(Triggers, SaveWithoutDefaults,
                         ::testing::Values(SaveCheckCase{SaveTrigger::Toolbar, "saving."},
                                           SaveCheckCase{SaveTrigger::Menu, "saveing."}));

TEST_F(CommanderTest, PreviewOpensThePreviewOrTheDemoPage) {
  newMenu(akTab);
  commander.preview();
  EXPECT_TRUE(fs::exists(site("~preview.htm")));
  EXPECT_EQ(browser.opened, std::vector<std::string>{"file://" + temp.file("site") + "/~preview.htm"});

  const std::string demo = program + "files/OrvelLeft.htm";
  writeFile(demo, "<APPLET CODE=\"TrellTabR.class\">\r\n<PARAM NAME=\"TAB0\" VALUE=\"Demo\">\r\n</APPLET>\r\n");
  ui.answers.push_back(Answer::Ok);
  commander.demo();
  EXPECT_EQ(ui.messages.at(0).text,
            "The Commander will now import a demonstration file of the Quillon(Tab&Tree) applet style.\n\n" + demo);
  EXPECT_EQ(ui.messages.at(1).text,
            "Demonstration successfully imported.\nTo preview, simply click the \"Preview\" button.");
  EXPECT_TRUE(commander.menu().Document.DemoLoaded);
  commander.preview();
  EXPECT_EQ(browser.opened.back(), "file://" + cache + "/demo/~demo.htm");
  EXPECT_NE(readFile(cache + "/demo/~preview.htm").find("VALUE=\"Demo;"), std::string::npos)
      << "the frame of ~demo.htm is the menu read";
}

TEST_F(CommanderTest, TheDemonstrationComesFromTheUsersCopyAndTheProgramFolderIsNeverWritten) {
  const std::string demo = program + "files/OrvelLeft.htm";
  writeFile(demo, "<APPLET CODE=\"TrellTabR.class\">\r\n<PARAM NAME=\"TAB0\" VALUE=\"Demo\">\r\n</APPLET>\r\n");
  const std::vector<std::string> before = testing::folderListing(program);
  ui.answers.push_back(Answer::Ok);
  commander.demo();
  EXPECT_TRUE(fs::exists(cache + "/demo/JClass/jimages/Leaf.gif")) << "the demonstration's folder is copied whole";
  commander.preview();
  commander.clipboard();  // asks for a location: cancelled

  ui.pickedFiles.push_back(site("demo.htm"));
  commander.save(SaveTrigger::Toolbar);
  EXPECT_EQ(ui.fileDialogs.back().title, "Please set the Save location");
  EXPECT_EQ(ui.fileDialogs.back().initialDir, projects) << "offered in the user's projects folder, made for it";
  EXPECT_TRUE(fs::is_directory(projects));
  EXPECT_TRUE(fs::exists(site("demo.htm")));
  EXPECT_EQ(testing::folderListing(program), before);
  EXPECT_EQ(commander.recentFiles().entries()[1], "") << "the copy is never a recent page";
}

TEST_F(CommanderTest, TheDemonstrationCopyIsRefreshedFromTheShippedPage) {
  const std::string demo = program + "files/OrvelLeft.htm";
  writeFile(demo, "<APPLET CODE=\"TrellTabR.class\">\r\n<PARAM NAME=\"TAB0\" VALUE=\"Old\">\r\n</APPLET>\r\n");
  ui.answers = {Answer::Ok, Answer::Ok};
  commander.demo();
  writeFile(cache + "/demo/notes.txt", "the user's own");
  writeFile(demo, "<APPLET CODE=\"TrellTabR.class\">\r\n<PARAM NAME=\"TAB0\" VALUE=\"New\">\r\n</APPLET>\r\n");
  commander.demo();
  EXPECT_EQ(commander.menu().tab(0).Caption, "New");
  EXPECT_EQ(readFile(cache + "/demo/notes.txt"), "the user's own");

  ui.messages.clear();
  fs::remove_all(cache);
  writeFile(cache, "a file where the cache folder goes");
  ui.answers = {Answer::Ok};
  commander.demo();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_TRUE(ui.messages[1].text.starts_with("The demonstration cannot be copied to " + cache + "/demo\n"))
      << ui.messages[1].text;
  EXPECT_EQ(commander.menu().tab(0).Caption, "New") << "the menu stays as it was";
}

TEST_F(CommanderTest, ThemeWithoutAnAppletEndsNewWithoutTheNewMenuFlag) {
  const std::string theme = temp.file("program/themes/tree/Empty/Empty.htm");
  writeFile(theme, "<HTML><BODY>No applet</BODY></HTML>");
  windows.wizardAnswer = NewMenuChoice{akTree, theme};
  commander.newMenu();
  EXPECT_FALSE(commander.state().menuOpen);
  EXPECT_FALSE(commander.menu().Document.NewMenuSetup);
}

TEST_F(CommanderTest, AFailedFirstSaveKeepsTheNewMenuToBeSavedElsewhere) {
  windows.wizardAnswer = NewMenuChoice{akTab, ""};
  ui.pickedFiles.push_back(site("gone/index.htm"));
  commander.newMenu();
  EXPECT_TRUE(commander.state().menuOpen);
  EXPECT_TRUE(commander.menu().Document.AskSaveLocation);
  EXPECT_TRUE(commander.recentFiles().entries()[0].empty());
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().text, "An error has occured while saving " + site("gone/index.htm") +
                                         "\nNo such file or directory");
}

TEST_F(CommanderTest, MissingDemoAndBrowserFailuresAreReported) {
  commander.demo();
  EXPECT_EQ(ui.messageTexts(),
            std::vector<std::string>{"An error occured while trying to open " + program + "files/OrvelLeft.htm"});
  ui.messages.clear();
  browser.fail = true;
  commander.help(HelpPage::Commander);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Couldn't launch default browser"});
}

TEST_F(CommanderTest, ClosingOffersToSaveAndRemovesThePreview) {
  newMenu(akTab);
  commander.preview();
  ASSERT_TRUE(fs::exists(site("~preview.htm")));
  fs::remove(site("index.htm"));
  ui.answers.push_back(Answer::Yes);
  commander.close();
  EXPECT_EQ(ui.messages.at(0).text, "Do you want to save your work");
  EXPECT_TRUE(fs::exists(site("index.htm")));
  EXPECT_FALSE(fs::exists(site("~preview.htm")));
  EXPECT_FALSE(commander.state().menuOpen);

  ui.messages.clear();
  commander.close();
  EXPECT_TRUE(ui.messages.empty()) << "no menu, no question";
}

TEST_F(CommanderTest, RecentEntriesOpenTheirPageOrSayItIsGone) {
  newMenu(akTab);
  commander.menu().tab(0).Caption = "Changed";
  userSettings.write("", "File2", site("gone.htm"));
  commander.fileMenuOpened();
  ui.answers.push_back(Answer::No);
  commander.openRecent(1);
  EXPECT_EQ(commander.menu().tab(0).Caption, "New Tab");
  commander.menu().tab(0).Caption = "Kept";
  commander.openRecent(2);
  EXPECT_EQ(ui.messageTexts().back(), "Could not loacte file.");
  EXPECT_EQ(commander.menu().tab(0).Caption, "Kept");
}

// Each command that puts another menu in the window, set up to reach the
// point where it would replace the open one.
class UnsavedChanges;

struct ReplacingCommand {
  const char* name;
  void (*run)(UnsavedChanges&);
};

// What the user made and what they answer.
enum class Edit { None, Changed, ChangedAndUnsavable };

struct UnsavedCase {
  ReplacingCommand command;
  Edit edit;
  std::optional<Answer> answer;  // none: no question is expected
  bool replaced;
  bool savedFirst;
};

class UnsavedChanges : public CommanderTest, public ::testing::WithParamInterface<UnsavedCase> {
 public:
  static void open(UnsavedChanges& t) {
    t.ui.pickedFiles.push_back(t.site("other.htm"));
    t.commander.open();
  }
  static void newMenuCommand(UnsavedChanges& t) {
    t.windows.wizardAnswer = NewMenuChoice{akTab, ""};
    t.ui.pickedFiles.push_back(t.site("new.htm"));
    t.commander.newMenu();
  }
  static void demo(UnsavedChanges& t) {
    t.ui.answers.push_front(Answer::Ok);  // the demonstration's own question comes first
    t.commander.demo();
  }
  static void recent(UnsavedChanges& t) {
    t.userSettings.write("", "File1", t.site("other.htm"));
    t.commander.fileMenuOpened();
    t.commander.openRecent(1);
  }
};

TEST_P(UnsavedChanges, AreOfferedForSavingBeforeTheMenuIsReplaced) {
  const UnsavedCase c = GetParam();
  newMenu(akTree);
  fs::copy_file(site("index.htm"), site("other.htm"));
  fs::create_directories(program + "files");
  fs::copy_file(site("index.htm"), program + "files/OrvelLeft.htm");
  MenuModel& menu = commander.menu();
  if (c.edit != Edit::None) menu.tab(0).Nodes.root().children()[0]->Text = "Edited";
  if (c.edit == Edit::ChangedAndUnsavable) menu.Settings.DefLeaf = -1;  // the save refuses, naming the images
  if (c.answer) ui.answers.push_back(*c.answer);

  c.command.run(*this);

  const std::vector<std::string> texts = ui.messageTexts();
  const bool asked = std::find(texts.begin(), texts.end(), "Do you want to save your work") != texts.end();
  EXPECT_EQ(asked, c.answer.has_value());
  const bool kept = commander.state().menuOpen && !menu.tab(0).Nodes.empty() &&
                    menu.tab(0).Nodes.root().children()[0]->Text == "Edited" && menu.Document.PagePath == site("index.htm");
  EXPECT_EQ(kept, !c.replaced && c.edit != Edit::None);
  EXPECT_EQ(readFile(site("index.htm")).find("Edited") != std::string::npos, c.savedFirst);
}

const ReplacingCommand kOpen{"Open", &UnsavedChanges::open};
const ReplacingCommand kNew{"New", &UnsavedChanges::newMenuCommand};
const ReplacingCommand kDemo{"Demo", &UnsavedChanges::demo};
const ReplacingCommand kRecent{"Recent", &UnsavedChanges::recent};

std::vector<UnsavedCase> unsavedCases() {
  std::vector<UnsavedCase> cases;
  for (const ReplacingCommand& command : {kOpen, kNew, kDemo, kRecent}) {
    cases.push_back({command, Edit::None, std::nullopt, true, false});
    cases.push_back({command, Edit::Changed, Answer::Cancel, false, false});
    cases.push_back({command, Edit::Changed, Answer::No, true, false});
    cases.push_back({command, Edit::Changed, Answer::Yes, true, true});
    cases.push_back({command, Edit::ChangedAndUnsavable, Answer::Yes, false, false});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, UnsavedChanges, ::testing::ValuesIn(unsavedCases()),
                         [](const ::testing::TestParamInfo<UnsavedCase>& info) {
                           const UnsavedCase& c = info.param;
                           const char* edit = c.edit == Edit::None ? "Unchanged"
                                              : c.edit == Edit::Changed ? "Changed"
                                                                          : "Unsavable";
                           const char* answer = !c.answer                      ? ""
                                                : *c.answer == Answer::Cancel ? "Cancel"
                                                : *c.answer == Answer::No     ? "No"
                                                                              : "Yes";
                           return std::string(c.command.name) + edit + answer;
                         });

TEST_F(CommanderTest, ASavedOrReadMenuHasNoChangesUntilItIsEdited) {
  newMenu(akTabTree);
  EXPECT_FALSE(commander.changedSinceSaved()) << "saved by New";
  commander.menu().tab(0).TabPage.StatusText = "edited";
  EXPECT_TRUE(commander.changedSinceSaved());
  commander.save(SaveTrigger::Toolbar);
  EXPECT_FALSE(commander.changedSinceSaved());
  commander.preview();
  commander.clipboard();
  commander.menu().Settings.Width = "300";
  EXPECT_TRUE(commander.changedSinceSaved()) << "a preview or the clipboard saves nothing";
  ASSERT_TRUE(commander.openPage(site("index.htm")));
  EXPECT_FALSE(commander.changedSinceSaved()) << "as read";
}

TEST_F(CommanderTest, ClipboardSaysWhatItDidInTheStatusLine) {
  newMenu(akTab);
  commander.clipboard();
  EXPECT_NE(clipboardPort.text.find("<APPLET"), std::string::npos);
  EXPECT_EQ(ui.statusTexts.back(), "The HTML code is on the clipboard.");
}

TEST_F(CommanderTest, OpenReadsThePageChosenFromTheLastSaveFolder) {
  programSettings.write("History", "LastSaveDir", site(""));
  writeFile(site("other.htm"), "<p>no menu here</p>");
  ui.pickedFiles.push_back(site("other.htm"));
  commander.open();
  EXPECT_EQ(ui.fileDialogs.at(0).initialDir, site(""));
  EXPECT_EQ(ui.fileDialogs.at(0).filter, "Html Files|*.html;*.htm");
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"No Quillon [Applets] found"});
  EXPECT_FALSE(commander.state().menuOpen);
}

TEST_F(CommanderTest, SaveFirstQuestionsBeforeOtherWindows) {
  newMenu(akTab);
  fs::remove(site("index.htm"));
  ui.answers.push_back(Answer::Yes);
  commander.deploy(1);
  EXPECT_EQ(ui.messages.at(0).text, "You have to save your work before you can deploy it.\n\nDo you want to save now?");
  EXPECT_TRUE(fs::exists(site("index.htm")));
  EXPECT_EQ(windows.shown.back(), "deploy 1");

  commander.generateTreeView();
  EXPECT_EQ(ui.messages.back().text,
            "You have to save your work before you can generate the \"JavaScript Tree View\".\n\nDo you want to save now?");
  EXPECT_EQ(windows.shown.back(), "generator 0");
  const std::size_t questions = ui.messages.size();
  commander.generateSiteMap();
  EXPECT_EQ(ui.messages.size(), questions) << "no question for the site map";
  EXPECT_EQ(windows.shown.back(), "generator 2");
}

TEST_F(CommanderTest, PageStyleTakesTheBodyColoursOfEachPageReadAndStartsAfreshOnNew) {
  const std::string applet = "<APPLET CODE=\"TrellTreeR.class\" WIDTH=300 HEIGHT=200>\r\n"
                             "<PARAM NAME=\"I0\" VALUE=\"Welcome; None; None; 0; ; ; ;None; None; NO\">\r\n</APPLET>\r\n";
  writeFile(site("a.htm"), "<BODY vlink=\"#800080\" bgcolor=\"#000080\" text=\"#FFFF00\" link=\"#00FF00\">\r\n" +
                               applet + "</BODY>\r\n");
  writeFile(site("b.htm"), applet);
  ASSERT_TRUE(commander.openPage(site("a.htm")));
  THTMLBody& body = commander.pageStyle().body;
  EXPECT_EQ(body.BackgroundColor, "#000080");
  EXPECT_EQ(body.TextColor, "#FFFF00");
  EXPECT_EQ(body.LinkColor, "#00FF00") << "read by its whole name, not inside vlink";
  EXPECT_EQ(body.VisitedLinkColor, "#800080");

  // A page without a body tag keeps the tag, and so the colours, of the last one.
  ASSERT_TRUE(commander.openPage(site("b.htm")));
  EXPECT_EQ(commander.pageStyle().body.BackgroundColor, "#000080");

  body.BackgroundFile = "paper.gif";
  commander.pageStyle().props.FontTitle.face = "Chosen";
  newMenu(akTree);
  EXPECT_EQ(commander.pageStyle().body.BackgroundColor, "");
  EXPECT_EQ(commander.pageStyle().body.BackgroundFile, "");
  EXPECT_EQ(commander.pageStyle().props.FontTitle.face, "MS Sans Serif");
  EXPECT_EQ(commander.menu().Document.BodyTag, "");
}

TEST_F(CommanderTest, SaveAsOffersTheReportAndUploadShowsIt) {
  newMenu(akTab);
  ui.pickedFiles.push_back(site("copy.htm"));
  ui.answers.push_back(Answer::Yes);
  commander.saveAs();
  EXPECT_EQ(commander.menu().Document.PagePath, site("copy.htm"));
  EXPECT_EQ(windows.shown.back(), "report " + site("copy_UPLOADREPORT.TXT"));
  EXPECT_FALSE(commander.menu().Document.AskSaveLocation);
}

TEST_F(CommanderTest, ACommandStartedWhileAnotherRunsIsRefused) {
  newMenu(akTab);
  // The Windows port runs while the generate command is still going.
  struct Reentering : ScriptedWindows {
    Commander* commander = nullptr;
    void showGenerator(std::optional<int>) override { commander->about(); commander->generateSiteMap(); }
  };
  Reentering reentering;
  Commander second{{ui, clipboardPort, browser, reentering, programSettings, userSettings, program}};
  reentering.commander = &second;
  second.generateDropDown();
  EXPECT_EQ(reentering.shown, std::vector<std::string>{"about"});
}

TEST(ShortenPath, LeadingFoldersGiveWayToDots) {
  // One pixel per character.
  const TextWidth width = [](const std::string& text) { return static_cast<int>(text.size()); };
  EXPECT_EQ(shortenPath("C:\\a.htm", width), "C:\\a.htm");
  const std::string path = "C:\\alpha\\beta\\gamma\\page.htm";  // 28 characters
  EXPECT_EQ(shortenPath(path, width, 28), path);
  EXPECT_EQ(shortenPath(path, width, 27), "C:\\...\\beta\\gamma\\page.htm");
  EXPECT_EQ(shortenPath(path, width, 25), "C:\\...\\gamma\\page.htm");
  EXPECT_EQ(shortenPath(path, width, 20), "C:\\...\\page.htm");
  EXPECT_EQ(shortenPath(path, width, 14), "...\\page.htm");
  EXPECT_EQ(shortenPath(path, width, 11), "page.htm");
  EXPECT_EQ(shortenPath("/home/me/site/index.htm", width, 20), "/.../site/index.htm");
  EXPECT_EQ(recentEntryCaption(1, "/a.htm", width), "&1 /a.htm");
}

}  // namespace
}  // namespace quillon
