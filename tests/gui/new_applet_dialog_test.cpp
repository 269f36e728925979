// The new-menu wizard window over a program folder of themes.
#include "gui/new_applet_dialog.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <filesystem>

#include "scripted_ui.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon::gui {
namespace {

namespace fs = std::filesystem;

QStringList entries(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

class NewAppletDialogTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  std::string program = temp.file("program/");
  NewAppletWizard wizard{program, ui};

  void SetUp() override {
    for (const char* kind : {"tab", "tree", "tabtree"}) fs::create_directories(program + "themes/" + kind + "/Normal");
    testing::writeJpeg(program + "themes/tab/Normal/Normal.jpg", 230, 50);
    testing::writeJpeg(program + "themes/tree/Normal/Normal.jpg", 230, 55);
    testing::writeJpeg(program + "themes/tabtree/Normal/Normal.jpg", 230, 80);
    for (const char* name : {"Harbour", "Orchard"}) theme("tabtree", name);
    theme("tree", "Meadow");
    theme("tree", "Paper");
  }

  void theme(const std::string& kind, const std::string& name) {
    const std::string folder = program + "themes/" + kind + "/" + name + "/";
    fs::create_directories(folder);
    testing::writeFile(folder + name + ".htm", "<APPLET CODE=\"TrellTreeR.class\"></APPLET>");
    testing::writeJpeg(folder + name + ".jpg", 230, kind == "tree" ? 55 : 80);
  }

  static bool shows(const QLabel& picture) { return picture.isVisible() && !picture.pixmap().isNull(); }
};

TEST_F(NewAppletDialogTest, OpensWithTheTabAndTreeStyleAndThePlainStylesPictures) {
  NewAppletDialog dialog(wizard);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Please make your selection.");
  EXPECT_EQ(dialog.size(), QSize(NewAppletDialog::kWidth, NewAppletDialog::kHeight));
  EXPECT_TRUE(dialog.option(akTabTree)->isChecked());
  EXPECT_EQ(dialog.option(akTree)->text().toStdString(), "Tree Only");
  EXPECT_EQ(entries(*dialog.themeList()), (QStringList{"_Normal", "Harbour", "Orchard"}));
  EXPECT_EQ(dialog.themeList()->currentRow(), 0);
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) {
    EXPECT_TRUE(shows(*dialog.picture(kind))) << int(kind);
    EXPECT_EQ(dialog.picture(kind)->pixmap().size(), dialog.picture(kind)->size()) << int(kind);
  }
  EXPECT_EQ(dialog.picture(akTabTree)->toolTip().toStdString(), "Quillon (Tab&Tree applet)");
}

TEST_F(NewAppletDialogTest, OptionClickRefillsTheListAndPicturesFollowTheSelection) {
  NewAppletDialog dialog(wizard);
  dialog.show();
  dialog.themeList()->setCurrentRow(2);
  EXPECT_TRUE(shows(*dialog.picture(akTabTree)));
  EXPECT_FALSE(shows(*dialog.picture(akTree))) << "no tree theme is called Orchard";

  dialog.option(akTree)->click();
  EXPECT_EQ(entries(*dialog.themeList()), (QStringList{"_Normal", "Meadow", "Paper"}));
  EXPECT_EQ(dialog.themeList()->currentRow(), 2);
  EXPECT_TRUE(shows(*dialog.picture(akTree)));
  EXPECT_FALSE(shows(*dialog.picture(akTabTree)));
  // A hidden picture keeps its place: the options stay where they were.
  const QPoint tabOption = dialog.option(akTab)->pos();
  dialog.option(akTab)->click();
  EXPECT_EQ(dialog.themeList()->currentRow(), -1);
  EXPECT_EQ(dialog.option(akTab)->pos(), tabOption);
}

TEST_F(NewAppletDialogTest, DoubleClickChoosesTheTheme) {
  NewAppletDialog dialog(wizard);
  QTimer::singleShot(0, &dialog, [&dialog] {
    QListWidget* list = dialog.themeList();
    list->setCurrentRow(1);
    Q_EMIT list->itemDoubleClicked(list->item(1));
  });
  const std::optional<WizardResult> result = dialog.run();
  ASSERT_TRUE(result);
  EXPECT_EQ(result->kind, akTabTree);
  EXPECT_EQ(result->themePage, program + "themes/tabtree/Harbour/Harbour.htm");
}

TEST_F(NewAppletDialogTest, MissingThemePageIsReportedAndTheWizardStillCloses) {
  fs::remove(program + "themes/tree/Paper/Paper.htm");
  NewAppletDialog dialog(wizard);
  QTimer::singleShot(0, &dialog, [&dialog] {
    dialog.option(akTree)->click();
    dialog.themeList()->setCurrentRow(2);
    dialog.okButton()->click();
  });
  const std::optional<WizardResult> result = dialog.run();
  ASSERT_TRUE(result);
  EXPECT_EQ(result->kind, akTree);
  EXPECT_EQ(result->themePage, "");
  EXPECT_EQ(ui.messageTexts(),
            std::vector<std::string>{"File " + program + "themes/tree/Paper/Paper.htm missing."});
}

TEST_F(NewAppletDialogTest, CancelChoosesNothing) {
  NewAppletDialog dialog(wizard);
  QTimer::singleShot(0, &dialog, [&dialog] { dialog.cancelButton()->click(); });
  EXPECT_FALSE(dialog.run());
}

TEST_F(NewAppletDialogTest, ThemeChangeShowsOnlyTheMenusStyleWithoutThePlainStyle) {
  QPoint treeOption;
  {
    NewAppletDialog plain(wizard);
    plain.show();
    treeOption = plain.option(akTree)->pos();
  }
  wizard.beginThemeChange(akTree);
  NewAppletDialog dialog(wizard);
  dialog.show();
  EXPECT_EQ(dialog.option(akTree)->pos(), treeOption) << "the option stays in its row";
  EXPECT_TRUE(dialog.option(akTree)->isVisible());
  EXPECT_TRUE(dialog.option(akTree)->isChecked());
  EXPECT_FALSE(dialog.option(akTab)->isVisible());
  EXPECT_FALSE(dialog.option(akTabTree)->isVisible());
  EXPECT_EQ(entries(*dialog.themeList()), (QStringList{"Meadow", "Paper"}));
}

}  // namespace
}  // namespace quillon::gui
