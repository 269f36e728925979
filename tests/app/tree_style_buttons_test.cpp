#include <gtest/gtest.h>

#include "app/tree_style_buttons.hpp"

namespace quillon {
namespace {

using B = TreeStyleButton;

struct ButtonCase {
  const char* name;
  std::vector<std::pair<B, bool>> steps;  // press (true) or release (false), in order
  char toggle;
  bool leaf;
  char lines;
  bool icons;
  TMouseOverFrame frame;
};

class TreeStyleToggles : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(TreeStyleToggles, GroupsExcludeAndMayBeEmpty) {
  const ButtonCase c = GetParam();
  TAppletSettings settings;  // plain toggle, no leaf, dotted lines, icons, no frame
  for (auto [button, pressed] : c.steps) setPressed(settings, button, pressed);
  EXPECT_EQ(settings.ToggleSymbol, c.toggle) << c.name;
  EXPECT_EQ(settings.LeafSymbol, c.leaf) << c.name;
  EXPECT_EQ(settings.LineStyle, c.lines) << c.name;
  EXPECT_EQ(settings.UseIcons, c.icons) << c.name;
  EXPECT_EQ(settings.MouseOverFrame, c.frame) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TreeStyleToggles,
    ::testing::Values(
        ButtonCase{"defaults", {}, 'A', false, 'A', true, TMouseOverFrame::None},
        ButtonCase{"another toggle symbol replaces the plain one",
                   {{B::ToggleArrowUp, true}}, 'F', false, 'A', true, TMouseOverFrame::None},
        ButtonCase{"releasing the pressed toggle symbol leaves none",
                   {{B::ToggleBoxDownArrow, true}, {B::ToggleBoxDownArrow, false}}, 'X', false, 'A', true,
                   TMouseOverFrame::None},
        ButtonCase{"releasing a button that is not pressed changes nothing",
                   {{B::ToggleBoxLeftArrow, true}, {B::TogglePlain, false}, {B::LinesSolid, false}}, 'B', false,
                   'A', true, TMouseOverFrame::None},
        ButtonCase{"solid lines replace dotted, released leaves none",
                   {{B::LinesSolid, true}, {B::LinesSolid, false}}, 'A', false, 'X', true, TMouseOverFrame::None},
        ButtonCase{"dotted after solid", {{B::LinesSolid, true}, {B::LinesDotted, true}}, 'A', false, 'A', true,
                   TMouseOverFrame::None},
        ButtonCase{"underline replaces the frame", {{B::MouseOverFrame, true}, {B::MouseOverUnderline, true}}, 'A',
                   false, 'A', true, TMouseOverFrame::Line},
        ButtonCase{"frame released", {{B::MouseOverFrame, true}, {B::MouseOverFrame, false}}, 'A', false, 'A', true,
                   TMouseOverFrame::None},
        ButtonCase{"single buttons: leaf on, icons off", {{B::LeafSymbol, true}, {B::Icons, false}}, 'A', true, 'A',
                   false, TMouseOverFrame::None},
        ButtonCase{"groups do not touch each other",
                   {{B::ToggleArrowDown, true}, {B::LinesSolid, true}, {B::MouseOverUnderline, true},
                    {B::LeafSymbol, true}},
                   'E', true, 'B', true, TMouseOverFrame::Line}));

TEST(TreeStyleToggles, PressedStateFollowsTheSettings) {
  TAppletSettings settings;
  settings.ToggleSymbol = 'D';
  settings.LineStyle = 'B';
  settings.MouseOverFrame = TMouseOverFrame::Rect;
  EXPECT_TRUE(isPressed(settings, B::ToggleBoxUpArrow));
  EXPECT_FALSE(isPressed(settings, B::TogglePlain));
  EXPECT_TRUE(isPressed(settings, B::LinesSolid));
  EXPECT_FALSE(isPressed(settings, B::LinesDotted));
  EXPECT_TRUE(isPressed(settings, B::MouseOverFrame));
  EXPECT_FALSE(isPressed(settings, B::MouseOverUnderline));
}

}  // namespace
}  // namespace quillon
