#include "app/tree_style_buttons.hpp"

namespace quillon {

namespace {

// The exclusive groups: a setting and the value each of its buttons stands for.
enum class Group { Toggle, Leaf, Lines, Icons, MouseOver };

struct ButtonValue {
  Group group;
  char letter;            // Toggle and Lines
  TMouseOverFrame frame;  // MouseOver
};

ButtonValue valueOf(TreeStyleButton button) {
  using B = TreeStyleButton;
  switch (button) {
    case B::TogglePlain: return {Group::Toggle, 'A', {}};
    case B::ToggleBoxLeftArrow: return {Group::Toggle, 'B', {}};
    case B::ToggleBoxDownArrow: return {Group::Toggle, 'C', {}};
    case B::ToggleBoxUpArrow: return {Group::Toggle, 'D', {}};
    case B::ToggleArrowDown: return {Group::Toggle, 'E', {}};
    case B::ToggleArrowUp: return {Group::Toggle, 'F', {}};
    case B::LeafSymbol: return {Group::Leaf, 0, {}};
    case B::LinesSolid: return {Group::Lines, 'B', {}};
    case B::LinesDotted: return {Group::Lines, 'A', {}};
    case B::Icons: return {Group::Icons, 0, {}};
    case B::MouseOverFrame: return {Group::MouseOver, 0, TMouseOverFrame::Rect};
    case B::MouseOverUnderline: return {Group::MouseOver, 0, TMouseOverFrame::Line};
  }
  return {Group::Icons, 0, {}};  // unreachable: every member is listed above
}

}  // namespace

bool isPressed(const TAppletSettings& settings, TreeStyleButton button) {
  const ButtonValue value = valueOf(button);
  switch (value.group) {
    case Group::Toggle: return settings.ToggleSymbol == value.letter;
    case Group::Leaf: return settings.LeafSymbol;
    case Group::Lines: return settings.LineStyle == value.letter;
    case Group::Icons: return settings.UseIcons;
    case Group::MouseOver: return settings.MouseOverFrame == value.frame;
  }
  return false;
}

void setPressed(TAppletSettings& settings, TreeStyleButton button, bool pressed) {
  if (!pressed && !isPressed(settings, button)) return;
  const ButtonValue value = valueOf(button);
  switch (value.group) {
    case Group::Toggle: settings.ToggleSymbol = pressed ? value.letter : 'X'; break;
    case Group::Leaf: settings.LeafSymbol = pressed; break;
    case Group::Lines: settings.LineStyle = pressed ? value.letter : 'X'; break;
    case Group::Icons: settings.UseIcons = pressed; break;
    case Group::MouseOver: settings.MouseOverFrame = pressed ? value.frame : TMouseOverFrame::None; break;
  }
}

}  // namespace quillon
