// The menu's JSON form: what it accepts, what it refuses, and that it round-trips.
#include <gtest/gtest.h>

#include <algorithm>

#include "format/menu_json.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

TEST(MenuJson, MissingKeysTakeTheNewMenuDefaults) {
  MenuModel menu;
  menuFromJson(R"({"Kind": "akTree"})", menu);
  EXPECT_EQ(menu.Settings.Kind, akTree);
  TAppletSettings expected;
  expected.Kind = akTree;
  EXPECT_EQ(menu.Settings, expected);
  ASSERT_EQ(menu.tabCount(), 1);
  EXPECT_EQ(menu.tab(0).Caption, "New Tab");
  ASSERT_EQ(menu.tab(0).Nodes.size(), 1u);
  EXPECT_EQ(menu.tab(0).Nodes.root().children()[0]->Text, "New Node");
  EXPECT_TRUE(menu.Document.AskSaveLocation);
}

struct BadJson {
  const char* json;
  const char* message;  // a part of the error text
};

class MenuJsonRefuses : public ::testing::TestWithParam<BadJson> {};

TEST_P(MenuJsonRefuses, NamingTheKey) {
  MenuModel menu;
  try {
    menuFromJson(GetParam().json, menu);
    FAIL() << "accepted " << GetParam().json;
  } catch (const MenuJsonError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuJsonRefuses,
    ::testing::Values(BadJson{"{", "not valid JSON"}, BadJson{"[]", "must be a JSON object"},
                      BadJson{R"({"Settings": {}})", "\"Kind\": missing"},
                      BadJson{R"({"Kind": "akList"})", "\"Kind\": must be"},
                      BadJson{R"({"Kind": "akTab", "Colour": 1})", "\"Colour\": unknown key"},
                      BadJson{R"({"Kind": "akTab", "Settings": {"Widht": "1"}})", "\"Settings.Widht\": unknown key"},
                      BadJson{R"({"Kind": "akTab", "Settings": {"Width": 220}})", "\"Settings.Width\": must be a string"},
                      BadJson{R"({"Kind": "akTab", "Settings": {"Width": "22x"}})", "\"Settings.Width\": must be digits"},
                      BadJson{R"({"Kind": "akTab", "Settings": {"TabBackColor": -1}})", "\"Settings.TabBackColor\""},
                      BadJson{R"({"Kind": "akTab", "Settings": {"ToggleSymbol": "Q"}})", "\"Settings.ToggleSymbol\""},
                      BadJson{R"({"Kind": "akTab", "Settings": {"MouseOverFrame": "Rect"}})", "\"Settings.MouseOverFrame\""},
                      BadJson{R"({"Kind": "akTab", "Settings": {"DefLeaf": 0}})", "\"Settings.DefLeaf\": must be from -1 to -1"},
                      BadJson{R"({"Kind": "akTab", "Tabs": []})", "\"Tabs\": must hold at least one tab"},
                      BadJson{R"({"Kind": "akTab", "Tabs": [{"Nodes": [{"Data": {"ExpandedImage": 3}}]}]})",
                              "\"Tabs[0].Nodes[0].Data.ExpandedImage\""},
                      BadJson{R"({"Kind": "akTab", "Tabs": [{"Nodes": [{"Children": [{"Txt": "x"}]}]}]})",
                              "\"Tabs[0].Nodes[0].Children[0].Txt\": unknown key"},
                      BadJson{R"({"Kind": "akTab", "Document": {"HeaderLines": [1]}})", "\"Document.HeaderLines\""},
                      BadJson{R"({"Kind": "akTab", "ImageFiles": ["/nowhere/x.gif"]})", "/nowhere/x.gif"},
                      BadJson{"{\"Kind\": \"akTab\",\n \"Tabs\": [", "not valid JSON: at line 2, column 10"},
                      BadJson{R"({"Kind": "akTab", "Kind": "akTree"})", "\"Kind\": given twice"},
                      BadJson{R"({"Kind": "akTab", "Tabs": [5]})", "\"Tabs[0]\": must be an object"},
                      BadJson{R"({"Kind": "akTab", "Tabs": [{"Nodes": [{"Children": {}}]}]})",
                              "\"Tabs[0].Nodes[0].Children\": must be a list of nodes"},
                      BadJson{R"({"Kind": "akTab", "Settings": {"DefaultTab": 18446744073709551615}})",
                              "\"Settings.DefaultTab\": must be from -1"},
                      // Indexes met before the image list are checked once it is known.
                      BadJson{R"({"Kind": "akTab", "Settings": {"DefLeaf": 0}, "ImageFiles": []})",
                              "\"Settings.DefLeaf\": must be from -1 to -1"},
                      BadJson{R"({"Tabs": [{"Nodes": [{"Data": {"ExpandedImage": -1}}, {"Data": {"CollapsedImage": 2}},
                                 {"Data": {"CollapsedImage": 1}}]}], "Kind": "akTab"})",
                              "\"Tabs[0].Nodes[1].Data.CollapsedImage\": must be from -1 to -1"}));

// Texts from pages in other encodings: bytes that are not UTF-8 become U+FFFD,
// control characters are escaped, and everything else comes back as it was.
TEST(MenuJson, TextsComeBackAsUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain \"quoted\" back\\slash /", "plain \"quoted\" back\\slash /"},
      {"tab\tline\r\n\x01\x7F", "tab\tline\r\n\x01\x7F"},
      {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
      {"caf\xE9!", "caf\xEF\xBF\xBD!"},
      {"\xE2\x82x", "\xEF\xBF\xBDx"},
      {"\xC0\xAF\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"end\xF0\x9F\x98", "end\xEF\xBF\xBD"}};
  for (const auto& [text, expected] : cases) {
    MenuModel menu;
    resetToNewMenu(menu, akTree);
    menu.tab(0).Nodes.root().children()[0]->Text = text;
    MenuModel again;
    menuFromJson(menuToJson(menu), again);
    EXPECT_EQ(again.tab(0).Nodes.root().children()[0]->Text, expected) << text;
  }
}

TEST(MenuJson, RefusesPicturesThatAreNotIcons) {
  testing::TempDir temp;
  testing::writeGif(temp.file("big.gif"), 32, 16);
  MenuModel menu;
  EXPECT_THROW(menuFromJson(R"({"Kind": "akTree", "ImageFiles": [")" + temp.file("big.gif") + R"("]})", menu),
               MenuJsonError);
}

TEST(MenuJson, RoundTripsEveryField) {
  testing::TempDir temp;
  testing::writeGif(temp.file("a.gif"), 16, 16);
  testing::writeJpeg(temp.file("b.jpg"), 16, 16);
  const std::string json = R"({"Kind": "akTabTree",
    "ImageFiles": [")" + temp.file("a.gif") + R"(", ")" + temp.file("b.jpg") + R"("],
    "Settings": {"Width": "300", "Codebase": "java/", "ProxyEnhanced": true, "TabBackColor": 255,
                 "MouseOverFrame": "line", "ToggleSymbol": "E", "LineStyle": "X", "DefLeaf": 1, "DefaultTab": 1},
    "Tabs": [{"Caption": "Home", "TabPage": {"URL1": "index.htm", "OnDemand": "YES"},
              "Nodes": [{"Text": "A", "Data": {"URL1": "a.htm", "CollapsedImage": 0, "OpenExpanded": true},
                         "Children": [{"Text": "B \u00e9"}]}]},
             {"Caption": "Empty", "Nodes": []}],
    "Document": {"PagePath": "/x/y.htm", "HeaderLines": ["<html>"], "FooterLines": ["</html>"], "BodyTag": "<BODY>"}})";
  MenuModel menu;
  menuFromJson(json, menu);
  EXPECT_EQ(menu.Settings.Width, "300");
  EXPECT_EQ(menu.Settings.MouseOverFrame, TMouseOverFrame::Line);
  EXPECT_EQ(menu.tab(0).Nodes.root().children()[0]->children()[0]->Text, "B \xC3\xA9");
  EXPECT_TRUE(menu.tab(1).Nodes.empty());
  EXPECT_EQ(menu.currentTabIndex(), 0);

  MenuModel again;
  menuFromJson(menuToJson(menu), again);
  EXPECT_EQ(menuToJson(again), menuToJson(menu));
  EXPECT_EQ(again.Settings, menu.Settings);
  EXPECT_EQ(again.Images.ImageFiles(), menu.Images.ImageFiles());
  EXPECT_EQ(again.tab(0).TabPage, menu.tab(0).TabPage);
  EXPECT_EQ(again.Document.HeaderLines, menu.Document.HeaderLines);
}

// A chain of nodes, each the only child of the one before.
std::string deepMenuJson(int depth) {
  std::string json = R"({"Kind": "akTree", "Tabs": [{"Nodes": )";
  for (int level = 0; level < depth; ++level) json += R"([{"Text": "n)" + std::to_string(level) + R"(", "Children": )";
  json += "[]";
  for (int level = 0; level < depth; ++level) json += "}]";
  return json + "}]}";
}

TEST(MenuJson, ReadsAndWritesTreesOfAnyDepth) {
  constexpr int kDepth = 20000;
  MenuModel menu;
  menuFromJson(deepMenuJson(kDepth), menu);
  int depth = 0;
  const TreeNode* deepest = nullptr;
  menu.tab(0).Nodes.forEachInPageOrder([&](const TreeNode& node, int level) {
    depth = std::max(depth, level + 1);
    deepest = &node;
  });
  ASSERT_EQ(depth, kDepth);
  EXPECT_EQ(deepest->Text, "n" + std::to_string(kDepth - 1));

  const std::string json = menuToJson(menu);
  EXPECT_LT(json.size(), std::size_t{kDepth} * 2000) << "the indent stops growing, so the text stays linear";
  MenuModel again;
  menuFromJson(json, again);
  EXPECT_EQ(menuToJson(again), json);
}

TEST(MenuJson, NamesTheDeepNodeThatIsRefused) {
  std::string json = deepMenuJson(3);
  json.replace(json.find("\"n2\""), 4, "2");
  MenuModel menu;
  try {
    menuFromJson(json, menu);
    FAIL() << "accepted a number as text";
  } catch (const MenuJsonError& error) {
    EXPECT_STREQ(error.what(), "\"Tabs[0].Nodes[0].Children[0].Children[0].Text\": must be a string");
  }
}

}  // namespace
}  // namespace quillon
