#include <gtest/gtest.h>

#include "app/size_boxes.hpp"
#include "app/style_control_state.hpp"
#include "app/style_editing.hpp"
#include "scripted_ui.hpp"

namespace quillon {
namespace {

TEST(SizeBoxes, TypingKeepsOnlyDigits) {
  EXPECT_EQ(keepDigits("12a"), "12");
  EXPECT_EQ(keepDigits("-3 4.5px"), "345");
  EXPECT_EQ(keepDigits("abc"), "");
}

struct LeaveCase {
  SizeBox box;
  const char* text;
  std::optional<std::string> kept;
};

class SizeBoxLeave : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(SizeBoxLeave, AppliesTheBoxRule) {
  const LeaveCase c = GetParam();
  EXPECT_EQ(sizeOnLeave(c.box, c.text), c.kept) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SizeBoxLeave,
    ::testing::Values(LeaveCase{SizeBox::Width, "", "200"}, LeaveCase{SizeBox::Height, "", "320"},
                      LeaveCase{SizeBox::Width, "1200", "1000"}, LeaveCase{SizeBox::Width, "1000", "1000"},
                      LeaveCase{SizeBox::Width, "1001", "1000"}, LeaveCase{SizeBox::Height, "801", "800"},
                      LeaveCase{SizeBox::Height, "800", "800"}, LeaveCase{SizeBox::Height, "1000", "800"},
                      // Numbers too long for any integer are still just too large.
                      LeaveCase{SizeBox::Width, "99999999999999999999", "1000"},
                      // Leading zeros count by value and stay as typed.
                      LeaveCase{SizeBox::Width, "0999", "0999"}, LeaveCase{SizeBox::Height, "00000900", "800"},
                      LeaveCase{SizeBox::Width, "0", "0"},
                      LeaveCase{SizeBox::Width, "12a", std::nullopt}, LeaveCase{SizeBox::Height, " 5", std::nullopt}));

TEST(SizeBoxes, LeavingAppliesTheRuleToTheSetting) {
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.Width = "1200";
  settings.Height = "";
  leaveSizeBox(SizeBox::Width, settings, ui);
  leaveSizeBox(SizeBox::Height, settings, ui);
  EXPECT_EQ(settings.Width, "1000");
  EXPECT_EQ(settings.Height, "320");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(SizeBoxes, APastedNonNumberIsReportedAndStays) {
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.Height = "3x0";
  leaveSizeBox(SizeBox::Height, settings, ui);
  EXPECT_EQ(settings.Height, "3x0");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
  EXPECT_EQ(ui.messages[0].text, "'3x0' is not a valid integer value");
}

TEST(ProxyToggle, OnSwitchesExternalFileBackToWithinAppletCode) {
  TAppletSettings settings;
  setContentInFile(settings, true);
  ASSERT_TRUE(settings.ContentInFile);
  setProxyEnhanced(settings, true);
  EXPECT_FALSE(settings.ContentInFile);
  EXPECT_FALSE(styleControlState(settings, 0).externalFileEnabled);

  setContentInFile(settings, true);  // not offered in proxy mode
  EXPECT_FALSE(settings.ContentInFile);

  setProxyEnhanced(settings, false);
  EXPECT_FALSE(settings.ContentInFile);  // off does not bring the external file back
  EXPECT_TRUE(styleControlState(settings, 0).externalFileEnabled);
  setContentInFile(settings, true);
  EXPECT_TRUE(settings.ContentInFile);
}

struct ControlCase {
  const char* name;
  TAppletKind kind;
  bool proxy;
  bool icons;
  int images;
  StyleControlState expected;
};

class StyleControls : public ::testing::TestWithParam<ControlCase> {};

TEST_P(StyleControls, FollowKindProxyAndIcons) {
  const ControlCase c = GetParam();
  TAppletSettings settings;
  settings.Kind = c.kind;
  settings.ProxyEnhanced = c.proxy;
  settings.UseIcons = c.icons;
  EXPECT_EQ(styleControlState(settings, c.images), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StyleControls,
    ::testing::Values(
        ControlCase{"tab applet: tree pages and their controls are off", akTab, false, true, 5,
                    {.tabPagesShown = true, .tabBackImageEnabled = true, .imageLocationBrowseEnabled = true,
                     .externalFileEnabled = true}},
        ControlCase{"tree applet with icons and images", akTree, false, true, 2,
                    {.treePagesShown = true, .treeBackImageEnabled = true, .iconsToggleEnabled = true,
                     .iconControlsEnabled = true, .iconSliderEnabled = true, .imageLocationBrowseEnabled = true,
                     .externalFileEnabled = true}},
        ControlCase{"fewer than two images: no slider", akTabTree, false, true, 1,
                    {.tabPagesShown = true, .treePagesShown = true, .showTabsOnlyOffered = true,
                     .tabBackImageEnabled = true, .treeBackImageEnabled = true, .iconsToggleEnabled = true,
                     .iconControlsEnabled = true, .imageLocationBrowseEnabled = true, .externalFileEnabled = true}},
        ControlCase{"icons released: icon controls off, toggle still on", akTabTree, false, false, 5,
                    {.tabPagesShown = true, .treePagesShown = true, .showTabsOnlyOffered = true,
                     .tabBackImageEnabled = true, .treeBackImageEnabled = true, .iconsToggleEnabled = true,
                     .imageLocationBrowseEnabled = true, .externalFileEnabled = true}},
        ControlCase{"proxy: every image control off, even with icons pressed", akTabTree, true, true, 5,
                    {.tabPagesShown = true, .treePagesShown = true, .showTabsOnlyOffered = true}}));

TEST(ProxyToggle, UncheckingWithIconsReleasedLeavesIconControlsOff) {
  TAppletSettings settings;
  settings.UseIcons = false;
  setProxyEnhanced(settings, true);
  setProxyEnhanced(settings, false);
  const StyleControlState state = styleControlState(settings, 5);
  EXPECT_TRUE(state.iconsToggleEnabled);
  EXPECT_TRUE(state.treeBackImageEnabled);
  EXPECT_FALSE(state.iconControlsEnabled);
  EXPECT_FALSE(state.iconSliderEnabled);
}

// Every setting off its default, so a reset shows exactly what it touches.
TAppletSettings changedSettings() {
  TAppletSettings s;
  s.Width = "500";
  s.Height = "400";
  s.Codebase = "java/";
  s.ImageDir = "java/img/";
  s.ProxyEnhanced = true;
  s.ClickSound = "/s/click.au";
  s.ClickSoundName = "click.au";
  s.OverSound = "/s/over.au";
  s.OverSoundName = "over.au";
  s.TabOnBottom = true;
  s.ShowTabsOnly = true;
  s.TabFontName = "Verdana";
  s.TabBackColor = 1;
  s.TabTextColor = 2;
  s.TabMouseOverColor = 3;
  s.TabBackImage = "/i/tab.gif";
  s.TreeFontName = "Verdana";
  s.TreeBackColor = 4;
  s.TreeSelBackColor = 5;
  s.MouseOverFrameColor = 6;
  s.TreeBackImage = "/i/tree.gif";
  s.ShowBorder = true;
  s.ShowTooltip = false;
  s.StartExpanded = true;
  s.MouseOverFrame = TMouseOverFrame::Line;
  s.ToggleSymbol = 'C';
  s.LeafSymbol = true;
  s.LineStyle = 'X';
  s.UseIcons = false;
  s.DefFolderClosed = 1;
  s.DefFolderOpen = 2;
  s.DefLeaf = 3;
  return s;
}

TEST(GroupResets, EachTouchesOnlyItsGroup) {
  const TAppletSettings defaults;
  const TAppletSettings changed = changedSettings();

  TAppletSettings general = changed;
  resetGroup(general, SettingsGroup::General);
  TAppletSettings expected = changed;
  expected.Width = "220";
  expected.Height = "320";
  expected.ProxyEnhanced = false;
  expected.ClickSound = expected.ClickSoundName = expected.OverSound = expected.OverSoundName = "";
  EXPECT_EQ(general, expected);

  TAppletSettings tab = changed;
  resetGroup(tab, SettingsGroup::TabStyle);
  expected = changed;
  expected.TabOnBottom = false;
  expected.ShowTabsOnly = false;
  expected.TabBackColor = kWhite;
  expected.TabTextColor = kBlack;
  expected.TabMouseOverColor = kRed;
  expected.TabBackImage = "";
  EXPECT_EQ(tab, expected);

  TAppletSettings tree = changed;
  resetGroup(tree, SettingsGroup::TreeStyle);
  EXPECT_EQ(tree.TreeBackColor, kWhite);
  EXPECT_EQ(tree.TreeSelBackColor, kBlue);
  EXPECT_EQ(tree.ToggleSymbol, 'A');
  EXPECT_EQ(tree.LineStyle, 'A');
  EXPECT_TRUE(tree.UseIcons);
  EXPECT_TRUE(tree.ShowTooltip);
  EXPECT_EQ(tree.DefLeaf, -1);
  EXPECT_EQ(tree.TreeBackImage, "");
  EXPECT_EQ(tree.TreeFontName, "Verdana");  // fonts are no part of the style reset
  EXPECT_EQ(tree.TabBackColor, changed.TabBackColor);
  EXPECT_EQ(tree.Width, changed.Width);

  TAppletSettings locations = changed;
  resetGroup(locations, SettingsGroup::Locations);
  expected = changed;
  expected.Codebase = expected.ImageDir = "";
  EXPECT_EQ(locations, expected);
}

TEST(GroupResets, GeneralDefaultsReenableTheImageControls) {
  TAppletSettings settings = changedSettings();
  settings.UseIcons = true;
  ASSERT_FALSE(styleControlState(settings, 3).iconControlsEnabled);
  resetGroup(settings, SettingsGroup::General);
  EXPECT_TRUE(styleControlState(settings, 3).iconControlsEnabled);
  EXPECT_TRUE(styleControlState(settings, 3).externalFileEnabled);
}

}  // namespace
}  // namespace quillon
