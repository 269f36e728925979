#include "app/window_state.hpp"

namespace quillon {

void showPagesForKind(WindowState& state, TAppletKind kind) {
  state.tabPagesShown = hasTabs(kind);
  state.treePagesShown = hasTrees(kind);
  state.activePage = SettingsPage::Applet;
  ++state.menusShown;
}

}  // namespace quillon
