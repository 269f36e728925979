// The "Applet" page: the size boxes, the proxy mode, sounds and the resets.
#include "settings_pages_fixture.hpp"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>


namespace quillon::gui {
namespace {

void leave(QLineEdit* box) {
  QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(box, &event);
}

struct SizeCase {
  const char* box;
  const char* typed;
  bool left;
  const char* shown;
};

TEST_F(SettingsPagesTest, SizeBoxesTakeDigitsAndMendTheTextWhenLeft) {
  open(akTab);
  const SizeCase cases[] = {
      {"widthBox", "12a", false, "12"},   {"widthBox", "1200", false, "1200"}, {"widthBox", "1200", true, "1000"},
      {"widthBox", "", true, "200"},      {"heightBox", "", true, "320"},      {"heightBox", "900", true, "800"},
      {"heightBox", "7x9", true, "79"},   {"widthBox", "1000", true, "1000"},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    auto* box = find<QLineEdit>(c.box);
    box->clear();
    QTest::keyClicks(box, c.typed);
    if (c.left) leave(box);
    EXPECT_EQ(box->text(), c.shown);
    const std::string& setting = std::string(c.box) == "widthBox" ? settings().Width : settings().Height;
    EXPECT_EQ(setting, c.shown);
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingsPagesTest, ProxyModeTakesAwayImagesAndTheExternalFile) {
  open(akTabTree);
  find<QRadioButton>("externalFileOption")->setChecked(true);
  ASSERT_TRUE(settings().ContentInFile);

  find<QCheckBox>("proxyCheck")->setChecked(true);
  EXPECT_TRUE(settings().ProxyEnhanced);
  EXPECT_FALSE(settings().ContentInFile);
  EXPECT_TRUE(find<QRadioButton>("withinCodeOption")->isChecked());
  EXPECT_FALSE(find<QRadioButton>("externalFileOption")->isEnabled());
  for (const char* name : {"tabBackImageBrowse", "tabBackImageRemove", "treeBackImageBrowse", "iconsButton",
                           "imageDirBrowse", "addImagesButton", "defaultLeafButton", "iconSlider"})
    EXPECT_FALSE(find<QWidget>(name)->isEnabled()) << name;

  find<QCheckBox>("proxyCheck")->setChecked(false);
  for (const char* name : {"tabBackImageBrowse", "treeBackImageBrowse", "iconsButton", "imageDirBrowse",
                           "externalFileOption", "addImagesButton", "defaultLeafButton"})
    EXPECT_TRUE(find<QWidget>(name)->isEnabled()) << name;

  // With the icons toggle up, the proxy mode's end leaves the icon controls off.
  find<QToolButton>("iconsButton")->setChecked(false);
  find<QCheckBox>("proxyCheck")->setChecked(true);
  find<QCheckBox>("proxyCheck")->setChecked(false);
  EXPECT_FALSE(settings().UseIcons);
  EXPECT_TRUE(find<QWidget>("iconsButton")->isEnabled());
  EXPECT_FALSE(find<QWidget>("addImagesButton")->isEnabled());
  EXPECT_FALSE(find<QWidget>("defaultLeafButton")->isEnabled());
}

TEST_F(SettingsPagesTest, SoundsKeepTheirPathAndShowTheirName) {
  open(akTab);
  const std::string sound = temp.file("elsewhere/click.au");
  ui.pickedFiles.push_back(sound);
  find<QToolButton>("clickSoundBrowse")->click();
  EXPECT_EQ(settings().ClickSound, sound);
  EXPECT_EQ(find<QLineEdit>("clickSoundBox")->text(), "click.au");

  ui.answers.push_back(Answer::No);
  find<QToolButton>("clickSoundRemove")->click();
  EXPECT_EQ(settings().ClickSound, sound);
  ui.answers.push_back(Answer::Yes);
  find<QToolButton>("clickSoundRemove")->click();
  EXPECT_EQ(settings().ClickSound, "");
  EXPECT_EQ(find<QLineEdit>("clickSoundBox")->text(), "");
}

TEST_F(SettingsPagesTest, AppletDefaultsResetTheGeneralGroupAndApplyTheSize) {
  open(akTabTree);
  std::vector<std::pair<int, int>> applied;
  QObject::connect(pages.get(), &SettingsPages::appletSizeApplied,
                   [&applied](int width, int height) { applied.emplace_back(width, height); });
  find<QLineEdit>("widthBox")->setText("640");
  find<QCheckBox>("proxyCheck")->setChecked(true);
  settings().OverSound = "/s/over.au";
  settings().OverSoundName = "over.au";
  find<QPushButton>("applySizeButton")->click();

  find<QPushButton>("appletDefaultsButton")->click();
  EXPECT_EQ(find<QLineEdit>("widthBox")->text(), "220");
  EXPECT_EQ(find<QLineEdit>("heightBox")->text(), "320");
  EXPECT_FALSE(find<QCheckBox>("proxyCheck")->isChecked());
  EXPECT_TRUE(find<QWidget>("iconsButton")->isEnabled());
  EXPECT_EQ(find<QLineEdit>("overSoundBox")->text(), "");
  EXPECT_EQ(settings().OverSound, "");
  EXPECT_EQ(applied, (std::vector<std::pair<int, int>>{{640, 320}, {220, 320}}));
}

TEST_F(SettingsPagesTest, ClassFolderShownAndClearedWithTheImageFolder) {
  open(akTab);
  ui.pickedFiles.push_back(temp.file("site/java"));
  find<QPushButton>("advancedButton")->click();
  find<QToolButton>("codebaseBrowse")->click();
  EXPECT_EQ(find<QLineEdit>("codebaseBox")->text(), "java/");
  EXPECT_EQ(find<QLineEdit>("imageDirBox")->text(), "java/");
  EXPECT_TRUE(find<QLineEdit>("codebaseBox")->isReadOnly());

  find<QPushButton>("clearLocationsButton")->click();
  EXPECT_EQ(settings().Codebase, "");
  EXPECT_EQ(find<QLineEdit>("imageDirBox")->text(), "");
}

}  // namespace
}  // namespace quillon::gui
