#pragma once
// Opens an applet page back into the menu: the applet tag, every parameter,
// the tabs and their trees (from the page or its content files), the images
// and sounds it names, and the page frame around the applet.
#include <string>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

struct ReaderContext {
  UserInterface& ui;
  // A theme page imported by the new-menu wizard keeps asking for the save location.
  bool importingTheme = false;
  // The first face the font lists offer; used where the page names no font.
  std::string defaultFontFace = "Arial";
};

// Replaces the menu by the page's. Returns false, with the menu cleared and
// the user told, when the page holds none of the three applets or cannot be read.
bool ReadPage(MenuModel& menu, const std::string& path, ReaderContext& context);

}  // namespace quillon
