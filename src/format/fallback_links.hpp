#pragma once
// The menu's entries as nested lists of plain links: the alternate content of
// the applet element, which a browser shows when neither Java nor the menu
// script runs. The reader skips it with the rest of the applet block.
#include <string>
#include <vector>

#include "model/menu_model.hpp"

namespace quillon {

// codebase is the applet tag's CODEBASE ("." or a folder with "/"
// separators); links are written relative to it, as the applets open them.
std::vector<std::string> fallbackLinks(const MenuModel& menu, const std::string& codebase);

}  // namespace quillon
