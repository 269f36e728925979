#include "model/menu_snapshot.hpp"

namespace quillon {

MenuSnapshot::MenuSnapshot(const MenuModel& menu)
    : settings_(menu.Settings),
      imageFiles_(menu.Images.ImageFiles()),
      headerLines_(menu.Document.HeaderLines),
      footerLines_(menu.Document.FooterLines),
      bodyTag_(menu.Document.BodyTag) {
  tabs_.reserve(static_cast<std::size_t>(menu.tabCount()));
  for (int t = 0; t < menu.tabCount(); ++t) {
    const TAppletPage& page = menu.tab(t);
    Tab& tab = tabs_.emplace_back(Tab{page.Caption, page.TabPage, {}});
    // Growing by doubling would hold the copy of a large tree one and a half times over.
    tab.nodes.reserve(page.Nodes.size());
    page.Nodes.forEachInPageOrder(
        [&tab](const TreeNode& node, int level) { tab.nodes.push_back({level, node.Text, node.Data}); });
  }
}

}  // namespace quillon
