#pragma once
// The applet's width and height boxes: what can be typed, and what the text
// becomes when the box is left.
#include <optional>
#include <string>

#include "model/applet_settings.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

enum class SizeBox { Width, Height };

// Only digits can be typed: every other character of the typed text is dropped.
std::string keepDigits(const std::string& typed);

// The text the box keeps when it is left: empty becomes the box's fallback
// ("200" wide, "320" high), a number above the box's limit (1000 wide, 800
// high) becomes the limit, any other number stays as typed. Nothing when the
// text is no number (only pasting gets one there).
std::optional<std::string> sizeOnLeave(SizeBox box, const std::string& text);

// Applies the leave rule to Width or Height; a text that is no number is
// reported as a conversion error and stays as it is.
void leaveSizeBox(SizeBox box, TAppletSettings& settings, UserInterface& ui);

}  // namespace quillon
