#pragma once
// The toggle buttons of the Tree Style page. Buttons of one group exclude each
// other and a group may have none pressed; the settings hold which one is.
#include "model/applet_settings.hpp"

namespace quillon {

enum class TreeStyleButton {
  TogglePlain,          // ToggleSymbol 'A'
  ToggleBoxLeftArrow,   // 'B'
  ToggleBoxDownArrow,   // 'C'
  ToggleBoxUpArrow,     // 'D'
  ToggleArrowDown,      // 'E'
  ToggleArrowUp,        // 'F'
  LeafSymbol,
  LinesSolid,           // LineStyle 'B'
  LinesDotted,          // LineStyle 'A'
  Icons,
  MouseOverFrame,       // rectangle
  MouseOverUnderline,   // line
};

bool isPressed(const TAppletSettings& settings, TreeStyleButton button);

// Pressing a button selects its value and so releases the others of its group;
// releasing the pressed button leaves its group with none. Releasing a button
// that is not pressed changes nothing.
void setPressed(TAppletSettings& settings, TreeStyleButton button, bool pressed);

}  // namespace quillon
