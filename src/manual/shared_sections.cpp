#include "manual/manual_page.hpp"

namespace quillon::manual {

Section environmentSection() {
  return {"ENVIRONMENT",
          "",
          {{"QUILLON_HOME", "", "The folder of the shipped files (applets, templates, themes, help pages) instead of "
                                "../share/quillon beside the program, or the program's own folder in a build."},
           {"QUILLON_CONFIG_DIR", "", "Used instead of $XDG_CONFIG_HOME for the settings files below Morvane/."},
           {"XDG_CONFIG_HOME", "", "The folder of per-user settings; ~/.config when not set."},
           {"XDG_CACHE_HOME", "", "The folder of per-user scratch files; ~/.cache when not set."}}};
}

Section filesSection() {
  return {"FILES",
          "",
          {{"$XDG_CONFIG_HOME/Morvane/quillon.ini", "",
            "The settings kept between runs: the last save folder and the site indexer's choices. An old quillon.ini "
            "beside the program is taken over once."},
           {"$XDG_CONFIG_HOME/Morvane/QuillonV50.ini", "", "The recent pages of the File menu."},
           {"$XDG_CACHE_HOME/quillon/", "",
            "The copy of the demo menu and its preview (demo/), and the site indexer's scratch folders (temp/)."},
           {"~/Documents/Quillon/", "",
            "The folder offered for a new page (MyQuillon.htm); the documents folder is the one of "
            "$XDG_CONFIG_HOME/user-dirs.dirs when set."},
           {"/usr/share/quillon/", "",
            "The shipped files: applets, template pages, stock images, themes and help pages. Never written to."}}};
}

}  // namespace quillon::manual
