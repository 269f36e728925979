#pragma once
// A theme change: the open menu takes over a theme page's look — its page
// frame, body tag, colours, fonts, styles and default images — and keeps its
// kind, size, class-file location, tabs and nodes.
#include <string>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

// Applies the theme page to the menu. Returns false, with the user told
// ("No Quillon [Applets] found"), when the page holds none of the three
// applets or cannot be read; the menu is then unchanged.
//
// The image list is rebuilt from the theme's default images. A node keeps the
// icon it showed: one of the old default images becomes the theme's
// counterpart, an icon of its own is listed again after the theme's images.
bool swapThemes(MenuModel& menu, const std::string& themePagePath, UserInterface& ui);

}  // namespace quillon
