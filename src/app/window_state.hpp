#pragma once
// What the main window shows and allows, as data: the desktop window reads it
// after every command.
#include "model/applet_kind.hpp"

namespace quillon {

enum class SettingsPage { Applet, Tab, TabStyle, Tree, TreeStyle };

struct WindowState {
  // The construction area and the settings pages; otherwise the hint
  // "Please choose an option from the Task bar." stands in the window.
  bool menuOpen = false;
  // Which settings pages the menu's kind uses.
  bool tabPagesShown = true;
  bool treePagesShown = false;
  SettingsPage activePage = SettingsPage::Applet;
  // Counts the menus put in the window (read or made anew); a view shows
  // each such menu from the active page, and otherwise keeps the user's page.
  int menusShown = 0;

  // The commands that need a menu: Save, Save As, Preview, Clipboard, Upload,
  // Indexer, Deploy, Generate and Themes.
  bool menuCommandsEnabled() const { return menuOpen; }
};

// The pages a kind shows: Tab pages for tabs, Tree pages for trees.
void showPagesForKind(WindowState& state, TAppletKind kind);

}  // namespace quillon
