// The "Tab Style" and "Tree Style" pages: colours, toggles and resets.
#include "gui/font_choices.hpp"
#include "settings_pages_fixture.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>


namespace quillon::gui {
namespace {

QAction* entry(QMenu* menu, const char* caption) {
  for (QAction* action : menu->actions())
    if (action->text() == caption) return action;
  ADD_FAILURE() << caption;
  return nullptr;
}

const char* const kTreeBackSamples[] = {"treeBranchSample", "mouseOverSample", "openColorSample", "closedColorSample",
                                        "leafColorSample",  "lineColorSample", "frameLineSample"};

TEST(FontChoices, ListPlainFamilyNamesOnce) {
  const std::pair<const char*, const char*> names[] = {
      {"Nimbus Sans [urw]", "Nimbus Sans"}, {"DejaVu Sans", "DejaVu Sans"}, {"Odd [name] here", "Odd [name] here"},
      {"[urw]", "[urw]"}};
  for (const auto& [family, plain] : names) EXPECT_EQ(plainFamilyName(family).toStdString(), plain) << family;

  QComboBox list;
  fillFontFaces(&list);
  QStringList faces;
  for (int i = 0; i < list.count(); ++i) {
    EXPECT_FALSE(list.itemText(i).endsWith(']')) << list.itemText(i).toStdString();
    faces << list.itemText(i);
  }
  EXPECT_EQ(faces.removeDuplicates(), 0);
}

TEST_F(SettingsPagesTest, TreeBackgroundColourPaintsItsSevenSamples) {
  open(akTree);
  auto* colors = find<QMenu>("treeColorMenu");
  ui.pickedColors.push_back(0x0000FF);
  entry(colors, "Tree branch - Background color")->trigger();
  EXPECT_EQ(ui.colorPresets, std::vector<std::uint32_t>{kWhite});
  EXPECT_EQ(settings().TreeBackColor, 0x0000FFu);
  for (const char* sample : kTreeBackSamples) EXPECT_EQ(background(sample), QColor(Qt::red)) << sample;
  EXPECT_EQ(background("selectedBranchSample"), QColor(Qt::blue));
  EXPECT_EQ(background("tooltipSample"), QColor(Qt::yellow));

  // Cancelled: every sample stays as it was.
  entry(colors, "Leaf - color")->trigger();
  EXPECT_EQ(text("leafColorSample"), QColor(Qt::black));
  EXPECT_EQ(settings().LeafColor, kBlack);
}

TEST_F(SettingsPagesTest, ColourMenusHoldTheirEntriesAndSeparators) {
  open(akTabTree);
  QStringList tree;
  for (QAction* action : find<QMenu>("treeColorMenu")->actions()) tree << (action->isSeparator() ? "-" : action->text());
  EXPECT_EQ(tree.join("|").toStdString(),
            "Tree branch - Text color|Tree branch - Background color|-|Selected branch - Text color|"
            "Selected branch - Background color|-|Mouse-over - color|-|Tooltip - Text color|"
            "Tooltip - Background color|-|Toggle symbol - Open color|Toggle symbol - Closed color|-|"
            "Leaf - color|Line - color|Mouse-over - Frame or Line color");
  EXPECT_EQ(find<QMenu>("tabColorMenu")->actions().size(), 3);
}

TEST_F(SettingsPagesTest, TabBackgroundColourPaintsBothTabSamples) {
  open(akTab);
  ui.pickedColors.push_back(0x00FF00);
  entry(find<QMenu>("tabColorMenu"), "Tab - Background color")->trigger();
  EXPECT_EQ(background("tabCaptionSample"), QColor(Qt::green));
  EXPECT_EQ(background("tabMouseOverSample"), QColor(Qt::green));
  EXPECT_EQ(text("tabMouseOverSample"), QColor(Qt::red));
}

TEST_F(SettingsPagesTest, TabStyleDefaultsPutTheTabsBackOnTop) {
  open(akTabTree);
  find<QRadioButton>("tabsOnBottomOption")->setChecked(true);
  EXPECT_TRUE(settings().TabOnBottom);
  EXPECT_EQ(menuChanges, 1);
  find<QCheckBox>("showTabsOnlyCheck")->setChecked(true);
  settings().TabTextColor = kRed;
  settings().TabBackImage = "/img/back.gif";
  pages->refreshFromModel();
  EXPECT_EQ(find<QLineEdit>("tabBackImageBox")->text(), "back.gif");

  find<QPushButton>("tabStyleDefaultsButton")->click();
  EXPECT_TRUE(find<QRadioButton>("tabsOnTopOption")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("showTabsOnlyCheck")->isChecked());
  EXPECT_EQ(text("tabCaptionSample"), QColor(Qt::black));
  EXPECT_EQ(find<QLineEdit>("tabBackImageBox")->text(), "");
  EXPECT_FALSE(settings().TabOnBottom);
  EXPECT_EQ(menuChanges, 2);
}

TEST_F(SettingsPagesTest, TreeStyleDefaultsClearTheDefaultImagesAndPressIcons) {
  open(akTree);
  find<QToolButton>("iconsButton")->setChecked(false);
  find<QCheckBox>("showBorderCheck")->setChecked(true);
  EXPECT_TRUE(settings().ShowBorder);
  EXPECT_FALSE(find<QWidget>("defaultLeafButton")->isEnabled());

  find<QPushButton>("treeStyleDefaultsButton")->click();
  EXPECT_TRUE(find<QToolButton>("iconsButton")->isChecked());
  EXPECT_FALSE(find<QCheckBox>("showBorderCheck")->isChecked());
  EXPECT_TRUE(find<QCheckBox>("showTooltipCheck")->isChecked());
  EXPECT_TRUE(find<QWidget>("defaultLeafButton")->isEnabled());
  EXPECT_EQ(settings().DefLeaf, -1);
  EXPECT_TRUE(find<QLabel>("defaultLeafPreview")->pixmap().isNull());
}

struct ToggleCase {
  const char* press;
  bool pressed;
  const char* style;  // ToggleSymbol, LineStyle and the mouse-over frame after the click
  std::vector<const char*> down;
};

TEST_F(SettingsPagesTest, ToggleGroupsExcludeEachOtherOrHaveNonePressed) {
  open(akTree);
  auto style = [this] {
    const char frame[] = {'N', 'R', 'L'};
    return std::string{settings().ToggleSymbol, settings().LineStyle, frame[static_cast<int>(settings().MouseOverFrame)]};
  };
  EXPECT_EQ(style(), "AAN");
  const ToggleCase cases[] = {
      {"toggleBoxDownArrowButton", true, "CAN", {"toggleBoxDownArrowButton", "linesDottedButton"}},
      {"toggleBoxDownArrowButton", false, "XAN", {"linesDottedButton"}},
      {"linesSolidButton", true, "XBN", {"linesSolidButton"}},
      {"mouseOverFrameButton", true, "XBR", {"linesSolidButton", "mouseOverFrameButton"}},
      {"mouseOverUnderlineButton", true, "XBL", {"linesSolidButton", "mouseOverUnderlineButton"}},
      {"linesDottedButton", true, "XAL", {"linesDottedButton", "mouseOverUnderlineButton"}},
      {"linesDottedButton", false, "XXL", {"mouseOverUnderlineButton"}},
  };
  const char* all[] = {"togglePlainButton", "toggleBoxLeftArrowButton", "toggleBoxDownArrowButton",
                       "toggleBoxUpArrowButton", "toggleArrowDownButton", "toggleArrowUpButton", "linesSolidButton",
                       "linesDottedButton", "mouseOverFrameButton", "mouseOverUnderlineButton"};
  for (const ToggleCase& c : cases) {
    SCOPED_TRACE(std::string(c.press) + (c.pressed ? " down" : " up"));
    find<QToolButton>(c.press)->setChecked(c.pressed);
    EXPECT_EQ(style(), c.style);
    for (const char* name : all) {
      const bool expected = std::find_if(c.down.begin(), c.down.end(),
                                         [name](const char* d) { return std::string(d) == name; }) != c.down.end();
      EXPECT_EQ(find<QToolButton>(name)->isChecked(), expected) << name;
    }
  }
}

}  // namespace
}  // namespace quillon::gui
