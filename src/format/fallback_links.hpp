#pragma once
// The menu's entries as nested lists of plain links: the alternate content of
// the applet element, for browsers with neither Java nor scripting. It stands
// in a NOSCRIPT element: a browser that runs the menu script then reads it as
// plain text instead of laying out thousands of links while the page loads.
// The reader skips it with the rest of the applet block.
#include <string>

#include "model/menu_model.hpp"

namespace quillon {

// Appends the lists as lines with CR LF ends; nothing for a menu without
// entries. codebase is the applet tag's CODEBASE ("." or a folder with "/"
// separators); links are written relative to it, as the applets open them.
void appendFallbackLinks(std::string& out, const MenuModel& menu, const std::string& codebase);

}  // namespace quillon
