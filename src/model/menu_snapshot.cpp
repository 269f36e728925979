#include "model/menu_snapshot.hpp"

#include <functional>
#include <string_view>

namespace quillon {

namespace {

// Each value is mixed in with the splitmix64 finaliser, so that the order of
// values counts and nearby values give far-apart digests.
class Digest {
 public:
  void add(std::uint64_t value) {
    std::uint64_t z = state_ ^ (value + 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    state_ = z ^ (z >> 31);
  }
  void add(const std::string& text) {
    add(text.size());
    add(std::hash<std::string_view>{}(text));
  }
  std::uint64_t value() const { return state_; }

 private:
  std::uint64_t state_ = 0;
};

void addNode(Digest& digest, const TreeNode& node, int level) {
  // Naming every field: one added to the node does not build until it is digested too.
  const auto& [status, url1, target1, url2, target2, collapsed, expanded, openExpanded] = node.Data;
  digest.add(static_cast<std::uint64_t>(level));
  digest.add(node.Text);
  for (const std::string* field : {&status, &url1, &target1, &url2, &target2}) digest.add(*field);
  digest.add(static_cast<std::uint32_t>(collapsed));
  digest.add(static_cast<std::uint32_t>(expanded));
  digest.add(openExpanded ? 1U : 0U);
}

}  // namespace

MenuSnapshot::MenuSnapshot(const MenuModel& menu)
    : settings_(menu.Settings),
      imageFiles_(menu.Images.ImageFiles()),
      headerLines_(menu.Document.HeaderLines),
      footerLines_(menu.Document.FooterLines),
      bodyTag_(menu.Document.BodyTag) {
  tabs_.reserve(static_cast<std::size_t>(menu.tabCount()));
  for (int t = 0; t < menu.tabCount(); ++t) {
    const TAppletPage& page = menu.tab(t);
    Digest digest;
    std::size_t count = 0;
    page.Nodes.forEachInPageOrder([&](const TreeNode& node, int level) {
      addNode(digest, node, level);
      ++count;
    });
    tabs_.push_back(Tab{page.Caption, page.TabPage, count, digest.value()});
  }
}

}  // namespace quillon
