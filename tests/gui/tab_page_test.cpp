// The "Tab" page: caption, position, links, the tab buttons and the start-up tab.
#include "settings_pages_fixture.hpp"
#include "gui/tab_position_control.hpp"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>


namespace quillon::gui {
namespace {

std::vector<std::string> captions(const MenuModel& menu) {
  std::vector<std::string> all;
  for (int i = 0; i < menu.tabCount(); ++i) all.push_back(menu.tab(i).Caption);
  return all;
}

std::vector<std::string> listed(QComboBox* list) {
  std::vector<std::string> all;
  for (int i = 0; i < list->count(); ++i) all.push_back(list->itemText(i).toStdString());
  return all;
}

TEST_F(SettingsPagesTest, RenamingATabRenamesItInTheStartUpList) {
  open(akTab);
  find<QPushButton>("addTabButton")->click();
  auto* startup = find<QComboBox>("startupTabList");
  startup->setCurrentIndex(0);
  EXPECT_EQ(settings().DefaultTab, 0);

  find<QLineEdit>("tabCaptionBox")->setText("Products");
  EXPECT_EQ(menu().tab(1).Caption, "Products");
  EXPECT_EQ(listed(startup), (std::vector<std::string>{"New Tab", "Products"}));
  EXPECT_EQ(startup->currentIndex(), 0);
  EXPECT_GT(menuChanges, 0);
}

TEST_F(SettingsPagesTest, TabButtonsKeepPositionAndListInStep) {
  open(akTabTree);
  auto* position = find<TabPositionControl>("tabPosition");
  auto* startup = find<QComboBox>("startupTabList");
  find<QLineEdit>("tabCaptionBox")->setText("Home");
  find<QPushButton>("addTabButton")->click();
  find<QPushButton>("copyTabButton")->click();
  EXPECT_EQ(captions(menu()), (std::vector<std::string>{"Home", "New Tab", "New Tab"}));
  EXPECT_EQ(position->maximum(), 2);
  EXPECT_EQ(position->position(), 2);
  EXPECT_EQ(startup->count(), 3);

  // The tabbed tree asks before a tab goes; the tab before it becomes current.
  ui.answers.push_back(Answer::Ok);
  find<QPushButton>("deleteTabButton")->click();
  EXPECT_EQ(menu().tabCount(), 2);
  EXPECT_EQ(menu().currentTabIndex(), 1);
  EXPECT_EQ(position->maximum(), 1);
  EXPECT_EQ(position->position(), 1);
  EXPECT_EQ(listed(startup), (std::vector<std::string>{"Home", "New Tab"}));
}

TEST_F(SettingsPagesTest, TheLastTabCannotBeDeleted) {
  open(akTab);
  find<QPushButton>("deleteTabButton")->click();
  EXPECT_EQ(menu().tabCount(), 1);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Cannot delete last tab"});
  EXPECT_EQ(menuChanges, 0);
}

TEST_F(SettingsPagesTest, MovingATabKeepsTheStartUpTabOnIt) {
  open(akTab);
  find<QLineEdit>("tabCaptionBox")->setText("First");
  find<QPushButton>("addTabButton")->click();
  find<QLineEdit>("tabCaptionBox")->setText("Second");
  find<QComboBox>("startupTabList")->setCurrentIndex(1);

  auto* left = find<QToolButton>("tabMoveLeft");
  left->click();
  EXPECT_EQ(captions(menu()), (std::vector<std::string>{"Second", "First"}));
  EXPECT_EQ(settings().DefaultTab, 0);
  EXPECT_EQ(find<QComboBox>("startupTabList")->currentText(), "Second");
  // No wrap-around at the first place.
  EXPECT_FALSE(left->isEnabled());
}

TEST_F(SettingsPagesTest, TabLinksWriteAllFieldsAndBrowseGivesALink) {
  open(akTab);
  find<QLineEdit>("tabStatusBox")->setText("Our products");
  find<QLineEdit>("tabTarget1Box")->setText("_blank");
  ui.pickedFiles.push_back(temp.file("site/docs/a.htm"));
  find<QToolButton>("tabLink1Browse")->click();
  const TTabPage& links = menu().tab(0).TabPage;
  EXPECT_EQ(links.StatusText, "Our products");
  EXPECT_EQ(links.URL1, "docs/a.htm");
  EXPECT_EQ(links.Target1, "_blank");
  EXPECT_EQ(ui.fileDialogs.at(0).title, "Select File");
  EXPECT_EQ(find<QLineEdit>("tabLink1Box")->text(), "docs/a.htm");
}

TEST_F(SettingsPagesTest, TargetFrameHintStandsWhileATargetBoxHasTheFocus) {
  open(akTab);
  auto* hint = pages->findChild<QWidget*>("tabPage")->findChild<QGroupBox*>("targetFrameHint");
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(hint->isHidden());
  QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(find<QLineEdit>("tabTarget2Box"), &in);
  EXPECT_FALSE(hint->isHidden());
  EXPECT_EQ(hint->title(), "Target Frames ");
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(find<QLineEdit>("tabTarget2Box"), &out);
  EXPECT_TRUE(hint->isHidden());
}

}  // namespace
}  // namespace quillon::gui
