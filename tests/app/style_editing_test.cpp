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

// Settings off their defaults in every group, the proxy mode included.
TAppletSettings changedSettings() {
  TAppletSettings s;
  s.Width = "500";
  s.ProxyEnhanced = true;
  s.TabOnBottom = true;
  s.TreeBackColor = 4;
  s.Codebase = "java/";
  s.ImageDir = "java/img/";
  return s;
}

struct ResetCase {
  SettingsGroup group;
  bool general, tabStyle, treeStyle, locations;  // which group's values are back to their defaults
};

class GroupResets : public ::testing::TestWithParam<ResetCase> {};

TEST_P(GroupResets, EachTouchesOnlyItsGroup) {
  const ResetCase c = GetParam();
  TAppletSettings settings = changedSettings();
  resetGroup(settings, c.group);
  EXPECT_EQ(settings.Width == "220", c.general);
  EXPECT_EQ(!settings.TabOnBottom, c.tabStyle);
  EXPECT_EQ(settings.TreeBackColor == kWhite, c.treeStyle);
  EXPECT_EQ(settings.Codebase.empty() && settings.ImageDir.empty(), c.locations);
}

INSTANTIATE_TEST_SUITE_P(Cases, GroupResets,
                         ::testing::Values(ResetCase{SettingsGroup::General, true, false, false, false},
                                           ResetCase{SettingsGroup::TabStyle, false, true, false, false},
                                           ResetCase{SettingsGroup::TreeStyle, false, false, true, false},
                                           ResetCase{SettingsGroup::Locations, false, false, false, true}));

TEST(GeneralDefaults, ReenableTheImageControls) {
  TAppletSettings settings = changedSettings();
  settings.UseIcons = true;
  ASSERT_FALSE(styleControlState(settings, 3).iconControlsEnabled);
  resetGroup(settings, SettingsGroup::General);
  EXPECT_TRUE(styleControlState(settings, 3).iconControlsEnabled);
  EXPECT_TRUE(styleControlState(settings, 3).externalFileEnabled);
}

}  // namespace
}  // namespace quillon
