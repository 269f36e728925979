// The bytes each generator writes for menus of every kind stay those of
// known-good output, compared by digest; with fonts and with the browser's
// own, in each layout. A change of output must update the digests knowingly.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "generator_fixture.hpp"
#include "generators/dropdown_generator.hpp"
#include "generators/sitemap_generator.hpp"
#include "generators/treeview_generator.hpp"
#include "generators/xml_sitemap_generator.hpp"
#include "varied_menu.hpp"

namespace quillon {
namespace {

using Generate = std::function<GenerationResult(GeneratorContext&)>;

struct GeneratorCase {
  const char* name;
  Generate generate;
};

DropDownOptions framedDropDown() {
  DropDownOptions options;
  options.useFrames = true;
  options.target = "main";
  options.indentSymbol = "\xC2\xB7";
  options.indentCount = "3";
  options.upperCaseRoots = false;
  return options;
}

SiteMapOptions outlineSiteMap() {
  SiteMapOptions options;
  options.construction = SiteMapConstruction::Outline;
  options.useMainTarget = true;
  options.breakBeforeRoots = true;
  options.upperCaseRoots = true;
  return options;
}

SiteMapOptions wrappingSiteMap() {
  SiteMapOptions options;
  options.noLineWrap = false;
  options.target = "main";
  options.indentSpaces = "none";
  return options;
}

TreeViewOptions framelessTreeView() {
  TreeViewOptions options;
  options.showFrameLines = false;
  options.title = "It's <mine> & \"yours\"";
  return options;
}

const GeneratorCase kGenerators[] = {
    {"drop-down", [](GeneratorContext& c) { return generateDDMenu(DropDownOptions{}, c, false); }},
    {"drop-down in frames", [](GeneratorContext& c) { return generateDDMenu(framedDropDown(), c, true); }},
    {"tree view", [](GeneratorContext& c) { return generateTreeView(TreeViewOptions{}, c, false); }},
    {"tree view without frame lines", [](GeneratorContext& c) { return generateTreeView(framelessTreeView(), c, false); }},
    {"site map", [](GeneratorContext& c) { return generateSiteMap(SiteMapOptions{}, c, false); }},
    {"site map outline", [](GeneratorContext& c) { return generateSiteMap(outlineSiteMap(), c, false); }},
    {"site map wrapping", [](GeneratorContext& c) { return generateSiteMap(wrappingSiteMap(), c, false); }},
    {"XML sitemap", [](GeneratorContext& c) {
       return generateXmlSitemap({"https://www.example.com/site/"}, c, false, SitemapBounds{40, 1 << 20});
     }},
};

struct MenuCase {
  const char* name;
  TAppletKind kind;
  int tabs;
  int nodesPerTab;
  bool fonts;
};

const MenuCase kMenus[] = {
    {"tab&tree", akTabTree, 4, 60, false},
    {"tab&tree with fonts, in java/", akTabTree, 12, 150, true},
    {"tree", akTree, 1, 120, false},
    {"tree with fonts", akTree, 1, 120, true},
    {"tab", akTab, 6, 0, true},
};

// Digests by menu (rows) and generator (columns), in the tables' order.
const char* const kDigests[][std::size(kGenerators)] = {
    {"9f8f289986427923", "e190fc385c006c06", "c8212014650663de", "a67b019524079380", "3312e22a4a475ef5", "033334bd15476475", "aace052c455ec1f9", "6cd84789b5f0a521"},
    {"55036412420ab288", "682f56cae55340c5", "31c7a90ff19d3f5b", "116d03f4095cb621", "a63a3a1dddc4dde5", "da472d991cbbf543", "bda8ca2760b42e61", "519aa3aca2555a6b"},
    {"4a326ab2328f6372", "e9d73c846951d44c", "cbe568d014466ec0", "45f6a5529a7d09f6", "afb24f36c92196b1", "d028fc48474b5191", "c71721b500612922", "14b10817339aa320"},
    {"2b32e343845d3f97", "aec81516f7551c84", "73519514afe9a27b", "1f53b6adf57c9fe9", "9c5128b25567a25e", "f5280cef89be1c6d", "421945fc1eb0c7b6", "7729be8250b6a287"},
    {"d4d84edc3f67ce89", "2cb771d73002da97", "79bb58effde5612e", "dad75003bb387cc8", "bd07980a87d8fe3f", "ab9b22e381a766a8", "e1ac7518e37f0805", "e8edc9996ad1297f"},
};

void useFonts(PageStyle& style) {
  style.body.BackgroundColor = kBodyConfirmedMarker;
  style.props.FontTitle = {"Times New Roman", 18, true, true, false, false, 0x0000FF};
  style.props.FontLevel1 = {"Arial \"Narrow\"", 12, false, false, true, false, 0x00FF00};
  style.props.FontLevel2 = {"Verdana", 9, true, false, false, false, 0xFF0000};
  style.props.FontLevel3 = {"Courier", 7, false, true, false, true, 0x123456};
}

TEST(GeneratorOutput, StaysByteForByte) {
  std::uint32_t seed = 1208;
  for (std::size_t m = 0; m < std::size(kMenus); ++m) {
    const MenuCase& menuCase = kMenus[m];
    for (std::size_t g = 0; g < std::size(kGenerators); ++g) {
      testing::GeneratorFixture f(menuCase.kind);
      testing::fillVariedMenu(f.menu, seed + static_cast<std::uint32_t>(m), menuCase.tabs, menuCase.nodesPerTab, {});
      if (menuCase.fonts) {
        f.menu.Settings.Codebase = "java/";
        useFonts(f.style);
      }
      f.menu.Document.BodyTag = "<BODY bgcolor=\"#FFFFFF\">";
      const GenerationResult result = kGenerators[g].generate(f.context);
      testing::writeFile(f.site("failure.txt"), result.failure);
      EXPECT_EQ(testing::folderDigest(f.site()), kDigests[m][g]) << menuCase.name << ", " << kGenerators[g].name;
    }
  }
}

}  // namespace
}  // namespace quillon
