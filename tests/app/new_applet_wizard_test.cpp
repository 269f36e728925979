// The new-menu wizard's rules over a program folder of theme folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/new_applet_wizard.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::writeFile;
using Entries = std::vector<std::string>;

class NewAppletWizardTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  std::string program = temp.file("program/");
  NewAppletWizard wizard{program, ui};

  // A theme folder with its page and picture; either may be left out.
  void theme(const std::string& kind, const std::string& name, bool page = true, bool picture = true) {
    const std::string folder = program + "themes/" + kind + "/" + name + "/";
    fs::create_directories(folder);
    if (page) writeFile(folder + name + ".htm", "<APPLET CODE=\"TrellTabR.class\"></APPLET>");
    if (picture) writeFile(folder + name + ".jpg", "picture");
  }

  void normalPicture(const std::string& kind) {
    writeFile(program + "themes/" + kind + "/Normal/Normal.jpg", "picture");
  }

  std::string themePath(const std::string& kind, const std::string& name, const char* extension) const {
    return program + "themes/" + kind + "/" + name + "/" + name + extension;
  }
};

TEST_F(NewAppletWizardTest, FreshWizardOffersThePlainStyleAndTheTabAndTreeThemes) {
  for (const char* name : {"Slate", "autumn", "Blue"}) theme("tabtree", name);
  theme("tabtree", ".svn", false, false);
  normalPicture("tabtree");
  normalPicture("tab");
  writeFile(program + "themes/tabtree/notes.txt", "a plain file is no theme");
  theme("tree", "Forest");

  wizard.shown();
  EXPECT_EQ(wizard.checkedKind(), akTabTree);
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) EXPECT_TRUE(wizard.optionVisible(kind));
  // "Normal" holds the plain style's picture and is no theme; names are sorted without regard to case.
  EXPECT_EQ(wizard.entries(), (Entries{"_Normal", "autumn", "Blue", "Slate"}));
  EXPECT_EQ(wizard.selectedIndex(), 0);
  EXPECT_EQ(wizard.picture(akTabTree), program + "themes/tabtree/Normal/Normal.jpg");
  EXPECT_EQ(wizard.picture(akTab), program + "themes/tab/Normal/Normal.jpg");
  EXPECT_FALSE(wizard.picture(akTree));
}

TEST_F(NewAppletWizardTest, OptionClickRefillsTheListKeepingThePosition) {
  for (const char* name : {"A", "B", "C"}) theme("tabtree", name);
  for (const char* name : {"X", "Y"}) theme("tree", name);
  wizard.shown();
  wizard.entryClicked(2);

  wizard.optionClicked(akTree);
  EXPECT_EQ(wizard.checkedKind(), akTree);
  EXPECT_EQ(wizard.entries(), (Entries{"_Normal", "X", "Y"}));
  EXPECT_EQ(wizard.selectedIndex(), 2);

  // The Tab folder has no themes: the third position is gone, and so are the pictures.
  wizard.optionClicked(akTab);
  EXPECT_EQ(wizard.entries(), (Entries{"_Normal"}));
  EXPECT_EQ(wizard.selectedIndex(), -1);
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) EXPECT_FALSE(wizard.picture(kind));
  EXPECT_FALSE(wizard.accept()) << "OK without a selection leaves the wizard open";
  EXPECT_FALSE(wizard.result());

  // Nothing selected is remembered as the first position.
  wizard.optionClicked(akTabTree);
  EXPECT_EQ(wizard.selectedIndex(), 0);
}

TEST_F(NewAppletWizardTest, PicturesFollowTheSelectedNameInEveryKind) {
  theme("tabtree", "Blue");
  theme("tab", "Blue");
  theme("tree", "Blue", true, false);
  wizard.shown();
  wizard.entryClicked(1);
  EXPECT_EQ(wizard.picture(akTabTree), themePath("tabtree", "Blue", ".jpg"));
  EXPECT_EQ(wizard.picture(akTab), themePath("tab", "Blue", ".jpg"));
  EXPECT_FALSE(wizard.picture(akTree)) << "a missing picture stays hidden";
  wizard.entryClicked(7);
  EXPECT_EQ(wizard.selectedIndex(), 1) << "a click beside the entries changes nothing";
}

struct OkCase {
  const char* name;
  TAppletKind kind;
  int entry;
  bool pageExists;
  bool themeChosen;
};

class WizardOk : public NewAppletWizardTest, public ::testing::WithParamInterface<OkCase> {};

TEST_P(WizardOk, ClosesWithTheKindAndTheThemeWhosePageExists) {
  const OkCase& c = GetParam();
  const char* folder = c.kind == akTab ? "tab" : c.kind == akTree ? "tree" : "tabtree";
  theme(folder, "Ocean", c.pageExists);
  wizard.shown();
  wizard.optionClicked(c.kind);
  wizard.entryClicked(c.entry);
  ASSERT_TRUE(wizard.accept());
  ASSERT_TRUE(wizard.result());
  EXPECT_EQ(wizard.result()->kind, c.kind);
  const std::string page = themePath(folder, "Ocean", ".htm");
  EXPECT_EQ(wizard.result()->themePage, c.themeChosen ? page : "");
  if (c.entry == 1 && !c.pageExists) {
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui.messages[0].text, "File " + page + " missing.");
  } else {
    EXPECT_TRUE(ui.messages.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, WizardOk,
                         ::testing::Values(OkCase{"NormalGivesNoTheme", akTabTree, 0, true, false},
                                           OkCase{"TreeTheme", akTree, 1, true, true},
                                           OkCase{"TabTheme", akTab, 1, true, true},
                                           OkCase{"MissingPageClosesWithoutTheme", akTabTree, 1, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewAppletWizardTest, ThemeChangeOffersOnlyTheOpenKindWithoutThePlainStyle) {
  theme("tree", "Forest");
  theme("tree", "Night");
  theme("tabtree", "Blue");
  wizard.beginThemeChange(akTree);
  wizard.shown();
  EXPECT_TRUE(wizard.optionVisible(akTree));
  EXPECT_FALSE(wizard.optionVisible(akTab));
  EXPECT_FALSE(wizard.optionVisible(akTabTree));
  EXPECT_EQ(wizard.checkedKind(), akTree);
  EXPECT_EQ(wizard.entries(), (Entries{"Forest", "Night"}));

  // A hidden option cannot be chosen; the visible one refills without the plain style.
  wizard.optionClicked(akTabTree);
  EXPECT_EQ(wizard.checkedKind(), akTree);
  wizard.entryClicked(1);
  wizard.optionClicked(akTree);
  EXPECT_EQ(wizard.entries(), (Entries{"Forest", "Night"}));
  ASSERT_TRUE(wizard.accept());
  EXPECT_EQ(wizard.result()->themePage, themePath("tree", "Night", ".htm"));

  wizard.endThemeChange();
  EXPECT_FALSE(wizard.themeChangeMode());
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) EXPECT_FALSE(wizard.optionVisible(kind));

  // The same wizard next time keeps the selected position and starts without a result.
  wizard.beginThemeChange(akTree);
  wizard.shown();
  EXPECT_FALSE(wizard.result());
  EXPECT_EQ(wizard.selectedIndex(), 1);
}

TEST_F(NewAppletWizardTest, WithoutThemeFoldersOnlyThePlainStyleIsOffered) {
  wizard.shown();
  EXPECT_EQ(wizard.entries(), (Entries{"_Normal"}));
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) EXPECT_FALSE(wizard.picture(kind));

  wizard.beginThemeChange(akTab);
  wizard.shown();
  EXPECT_TRUE(wizard.entries().empty());
  EXPECT_EQ(wizard.selectedIndex(), -1);
  EXPECT_FALSE(wizard.accept());
}

}  // namespace
}  // namespace quillon
