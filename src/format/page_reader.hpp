#pragma once
// Opens an applet page back into the menu: the applet tag, every parameter,
// the tabs and their trees (from the page or its content files), the images
// and sounds it names, and the page frame around the applet.
#include <cstdint>
#include <optional>
#include <string>

#include "format/page_file.hpp"
#include "format/page_frame.hpp"
#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

struct ReaderContext {
  UserInterface& ui;
  // A theme page imported by the new-menu wizard keeps asking for the save location.
  bool importingTheme = false;
  // The first face the font lists offer; used where the page names no font.
  std::string defaultFontFace = "Arial";
  // The largest page, or content file, that is read.
  std::uint64_t maxPageBytes = kDefaultMaxPageBytes;
};

// Replaces the menu by the page's. Returns false, with the menu cleared and
// the user told, when the page holds none of the three applets or cannot be read.
bool ReadPage(MenuModel& menu, const std::string& path, ReaderContext& context);

// The parts of a page that a theme change takes besides the settings.
struct PageLook {
  std::optional<std::string> bodyTag;  // the last body tag before the applet
  PageFrame frame;
};

// Reads only the look of a page into the menu: the settings its applet's
// parameters name, read as ReadPage reads them for the menu's kind, with files
// found below the page's folder and the menu's Codebase; for kinds with trees
// also its default images, added to the image list. Kind, size, Codebase, tabs
// and nodes stay. Returns false, with the user told, when the page holds none
// of the three applets or cannot be read; the menu is then unchanged.
bool ReadPageLook(MenuModel& menu, const std::string& path, ReaderContext& context, PageLook& look);

}  // namespace quillon
