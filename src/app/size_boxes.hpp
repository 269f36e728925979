#pragma once
// The applet's width and height boxes: what can be typed, and what the text
// becomes when the box is left.
#include <string>

#include "model/applet_settings.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

// Only digits can be typed: every other character of the typed text is dropped.
std::string keepDigits(const std::string& typed);

// Applies the leave rule to Width or Height; a text that is no number is
// reported as a conversion error and stays as it is.
void leaveSizeBox(SizeBox box, TAppletSettings& settings, UserInterface& ui);

}  // namespace quillon
