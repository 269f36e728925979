// The bytes the writer saves for menus of every kind and mode stay those of
// known-good output: the page, the content files, the report and the copies,
// compared by digest. A change of format must update the digests knowingly.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "varied_menu.hpp"
#include "writer_fixture.hpp"

namespace quillon {
namespace {

struct OutputCase {
  const char* name;
  TAppletKind kind;
  int tabs;
  int nodesPerTab;
  std::function<void(TAppletSettings&, DocumentState&)> set;
  const char* digest;
};

TEST(WriterOutput, StaysByteForByte) {
  const OutputCase cases[] = {
      {"tab&tree with icons", akTabTree, 3, 40, [](TAppletSettings&, DocumentState&) {}, "a3eb8cda867b5daf"},
      {"tab&tree proxy", akTabTree, 3, 40, [](TAppletSettings& s, DocumentState&) { s.ProxyEnhanced = true; }, "35cb69d747575078"},
      {"tab&tree content files in java/", akTabTree, 4, 30,
       [](TAppletSettings& s, DocumentState&) {
         s.ContentInFile = true;
         s.Codebase = "java/";
       },
       "666f34c330947cac"},
      {"tree in java/ with pictures in pics/", akTree, 1, 80,
       [](TAppletSettings& s, DocumentState&) {
         s.Codebase = "java/";
         s.ImageDir = "pics/";
         s.MouseOverFrame = TMouseOverFrame::Line;
       },
       "2bf0bf0f477dea53"},
      {"tree content file", akTree, 1, 60, [](TAppletSettings& s, DocumentState&) { s.ContentInFile = true; }, "3a2041f11e27a72c"},
      {"tab", akTab, 5, 0,
       [](TAppletSettings& s, DocumentState&) {
         s.DefaultTab = 2;
         s.TabFontName = "Times New Roman";
       },
       "191659a75c664ad1"},
      {"tree without icons", akTree, 1, 50,
       [](TAppletSettings& s, DocumentState&) {
         s.UseIcons = false;
         s.MouseOverFrame = TMouseOverFrame::Rect;
         s.TreeFontName = "Times New Roman";
       },
       "3d88c37f2921e711"},
      {"tab&tree in a page of its own", akTabTree, 2, 20,
       [](TAppletSettings&, DocumentState& d) {
         d.HeaderLines = {"<html><head><title>Mine</title></head>", "<body>", "<APPLET old>"};
         d.FooterLines = {"<p>after</p>", "</body></html>"};
       },
       "aa9972cb944d52f6"},
      {"tab&tree of twelve tabs", akTabTree, 12, 400, [](TAppletSettings&, DocumentState&) {}, "1039526b96708aef"},
  };
  std::uint32_t seed = 2026;
  for (const OutputCase& c : cases) {
    testing::WriterFixture f(c.kind);
    std::vector<int> icons;
    for (int i = 0; i < 5; ++i) icons.push_back(f.addIcon("icon" + std::to_string(i) + ".gif"));
    TAppletSettings& s = f.menu.Settings;
    s.DefFolderClosed = icons[0];
    s.DefFolderOpen = icons[1];
    s.DefLeaf = icons[2];
    testing::fillVariedMenu(f.menu, seed++, c.tabs, c.nodesPerTab, icons);
    c.set(s, f.menu.Document);
    if (!s.Codebase.empty()) std::filesystem::create_directories(f.site(s.Codebase));
    if (!s.ImageDir.empty()) std::filesystem::create_directories(f.site(s.ImageDir));
    ASSERT_TRUE(f.write().ok()) << c.name;
    std::string messages;
    for (const std::string& text : f.ui.messageTexts()) messages += text + "\n";
    testing::writeFile(f.site("messages.txt"), messages);
    EXPECT_EQ(testing::folderDigest(f.site()), c.digest) << c.name;
  }
}

}  // namespace
}  // namespace quillon
