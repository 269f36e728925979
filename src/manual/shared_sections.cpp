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
            "The settings kept between runs: the recent pages, the last save folder and the site indexer's choices."},
           {"$XDG_CACHE_HOME/quillon/", "",
            "The copy of the demo menu and its preview, and the site indexer's scratch folders."},
           {"/usr/share/quillon/", "",
            "The shipped files: applets, template pages, stock images, themes and help pages. Never written to."}}};
}

}  // namespace quillon::manual
