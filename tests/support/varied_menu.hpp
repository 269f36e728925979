#pragma once
// Menus made from a seed, the same on every machine, whose texts hold what a
// writer must escape or keep: markup characters, line breaks, ";", UTF-8,
// "None" and links of every form. The output tests compare what is written
// from them with the digests of known-good output.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/menu_model.hpp"
#include "temp_dir.hpp"

namespace quillon::testing {

class VariedTexts {
 public:
  explicit VariedTexts(std::uint32_t seed) : random_(seed) {}

  // The engine's numbers are fixed by the standard; its distributions are not.
  int below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }

  std::string text() {
    static const char* const pieces[] = {
        "Home", "a b", "&", "\"", "<", ">", "'", "&amp;", ";", "\r\n", "\n", "\r", "\t", "\xC3\xA9t\xC3\xA9",
        "\xE2\x82\xAC", "None", "none", "x", "100%", "=", "*", "\\", "</script>", "<!--", "$", "_top", "Page 7"};
    std::string result;
    for (int count = below(5); count > 0; --count) result += pieces[below(static_cast<int>(std::size(pieces)))];
    return result;
  }

  std::string link() {
    static const char* const links[] = {"",          "None",          "none",         "page.htm",
                                        "../up.htm", "/root/a.htm",   "#top",         "http://example.com/a?b=1&c=2",
                                        "sub\\x.htm", "mailto:a@b.c", "dir/",         "a b/\"q\".htm",
                                        "?q=1",      "https://www.example.com/site/deep/p.htm"};
    std::string result = links[below(static_cast<int>(std::size(links)))];
    if (chance(10)) result += text();
    return result;
  }

 private:
  std::mt19937 random_;
};

// Replaces the menu's tabs by `tabs` tabs of up to nodesPerTab nodes each, in
// trees of varying depth, their images drawn from `icons` (or none).
inline void fillVariedMenu(MenuModel& menu, std::uint32_t seed, int tabs, int nodesPerTab,
                           const std::vector<int>& icons) {
  VariedTexts g(seed);
  while (menu.tabCount() > 0) menu.removeTab(0);
  auto icon = [&] { return icons.empty() || g.chance(40) ? -1 : icons[static_cast<std::size_t>(g.below(static_cast<int>(icons.size())))]; };
  for (int t = 0; t < tabs; ++t) {
    TAppletPage& tab = menu.AddTab(g.text());
    tab.TabPage = {g.text(), g.link(), g.link(), g.link(), g.link(), g.chance(20) ? "YES" : "NO"};
    tab.Nodes.clear();
    std::vector<TreeNode*> path;
    const int nodes = g.below(nodesPerTab + 1);
    for (int n = 0; n < nodes; ++n) {
      TAppletNode data{g.text(), g.link(), g.link(), g.link(), g.link(), icon(), icon(), g.chance(30)};
      const std::size_t depth = path.empty() ? 0 : static_cast<std::size_t>(g.below(static_cast<int>(path.size()) + 1));
      path.resize(depth);
      TreeNode& parent = path.empty() ? tab.Nodes.root() : *path.back();
      path.push_back(&parent.appendChild(g.text(), data));
    }
  }
  menu.setCurrentTab(0);
}

// FNV-1a over every file below the folder, names and bytes, in name order,
// with the folder's own path spelled "<folder>" so the digest is the same
// wherever the folder lies.
inline std::string folderDigest(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::uint64_t hash = 14695981039346656037ull;
  auto add = [&hash](std::string_view bytes) {
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  };
  std::string root = folder.string();
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  for (const auto& file : files) {
    std::string bytes = readFile(file.string());
    for (std::size_t at = bytes.find(root); at != std::string::npos; at = bytes.find(root, at)) {
      bytes.replace(at, root.size(), "<folder>");
    }
    add(std::filesystem::relative(file, folder).string());
    add(std::string_view("\0", 1));
    add(bytes);
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

}  // namespace quillon::testing
