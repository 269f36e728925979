#pragma once
// The link browse buttons of the "Tab" and "Tree" pages.
#include <optional>
#include <string>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon::gui {

// Asks for an HTML file from the page's folder and gives it as link text,
// relative to the class-file folder; nothing when the dialog is cancelled.
std::optional<std::string> browseForLink(const MenuModel& menu, UserInterface& ui);

}  // namespace quillon::gui
