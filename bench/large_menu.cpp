#include "large_menu.hpp"

#include <sys/resource.h>

#include <string>

namespace quillon::bench {

void buildLargeMenu(MenuModel& menu, int tabs, int nodesPerTab) {
  resetToNewMenu(menu, akTabTree);
  menu.removeTab(0);
  for (int t = 0; t < tabs; ++t) {
    TAppletPage& tab = menu.AddTab("Section " + std::to_string(t));
    tab.TabPage.URL1 = "section" + std::to_string(t) + "/index.htm";
    tab.TabPage.Target1 = "main";
    tab.Nodes.clear();
    TreeNode* folder = nullptr;
    for (int n = 0; n < nodesPerTab; ++n) {
      const std::string id = std::to_string(t) + "-" + std::to_string(n);
      TAppletNode data;
      data.URL1 = "section" + std::to_string(t) + "/page" + std::to_string(n) + ".htm";
      data.Target1 = "main";
      data.StatusText = "Open page " + id + " of the site";
      if (n % 10 == 0) {
        folder = &tab.Nodes.root().appendChild("Chapter " + id, data);
      } else {
        folder->appendChild("Page " + id, data);
      }
    }
  }
  menu.setCurrentTab(0);
}

double peakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace quillon::bench
