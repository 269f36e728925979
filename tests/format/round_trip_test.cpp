// Any menu the writer saves reads back as the same menu: a property checked
// over generated menus of every kind and mode.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "format/html_escape.hpp"
#include "format/page_composer.hpp"
#include "format/page_reader.hpp"
#include "format/param_values.hpp"
#include "format/text_helpers.hpp"
#include "test_images.hpp"
#include "writer_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

class MenuGenerator {
 public:
  explicit MenuGenerator(unsigned seed) : random_(seed) {}

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool chance(int percent) { return below(100) < percent; }

  // Texts that survive the page: no ";" (it separates the fields, and the
  // writer warns about it), no blanks at the ends (fields are trimmed).
  std::string text(bool allowLineBreaks) {
    static const std::vector<std::string> pieces = {"Home", "a", "Z", "&", "\"", "<", ">", "'", "&amp", "&#38", "100%",
                                                    "#top", "\xC3\xA9t\xC3\xA9", "\xE2\x82\xAC", "x y", "=",
                                                    "VALUE=", "NAME=\"I0\"", "TAB0", "proxy", "/", "\\", "*", "\t"};
    std::string result;
    const int count = below(5);
    for (int i = 0; i < count; ++i) {
      result += pieces[static_cast<std::size_t>(below(static_cast<int>(pieces.size())))];
      if (allowLineBreaks && chance(5)) result += "\n";
    }
    return trim(result);
  }
  // Node captions must not look like separators, which have a "*" in their first three characters.
  std::string caption(bool allowLineBreaks) {
    std::string result = text(allowLineBreaks);
    while (result.substr(0, 3).find('*') != std::string::npos) result.erase(result.find('*'), 1);
    return trim(result);
  }
  // A link or target: "None" is how the page spells an empty one.
  std::string link(bool allowLineBreaks) {
    std::string result = chance(40) ? "" : text(allowLineBreaks);
    return result == "None" ? "" : result;
  }
  Color color() { return static_cast<Color>(std::uniform_int_distribution<std::uint32_t>(0, 0xFFFFFF)(random_)); }

 private:
  std::mt19937 random_;
};

struct Generated {
  std::vector<std::string> iconPaths;
};

void generateMenu(MenuGenerator& g, testing::WriterFixture& f, int round) {
  const TAppletKind kind = static_cast<TAppletKind>(g.below(3));
  resetToNewMenu(f.menu, kind);
  f.menu.Document.PagePath = f.site("index.htm");
  f.menu.Document.AskSaveLocation = false;
  TAppletSettings& s = f.menu.Settings;
  s.Width = std::to_string(g.below(1001));
  s.Height = std::to_string(g.below(801));
  s.Codebase = g.chance(50) ? "java/" : "";
  s.ProxyEnhanced = g.chance(20);
  s.UseIcons = !g.chance(20);
  s.ContentInFile = hasTrees(kind) && g.chance(30);
  // A line break in a text reads back as a blank, from the page and from a content file.
  const bool lineBreaks = true;
  static const char* const faces[] = {"Arial", "Times New Roman", "Verdana", "Courier New"};
  if (hasTabs(kind)) {
    s.TabFontName = faces[g.below(4)];
    s.TabFontSize = std::to_string(8 + g.below(40));
    s.TabBackColor = g.color();
    s.TabTextColor = g.color();
    s.TabMouseOverColor = g.color();
    s.TabOnBottom = g.chance(50);
    s.ShowTabsOnly = kind == akTabTree && g.chance(50);
  }
  if (hasTrees(kind)) {
    s.TreeFontName = faces[g.below(4)];
    s.TreeFontSize = std::to_string(8 + g.below(40));
    for (Color* c : {&s.TreeBackColor, &s.TreeTextColor, &s.TreeSelBackColor, &s.TreeSelTextColor, &s.TooltipBackColor,
                     &s.TooltipTextColor, &s.MouseOverColor, &s.LineColor, &s.LeafColor, &s.FolderClosedColor,
                     &s.FolderOpenColor, &s.MouseOverFrameColor}) {
      *c = g.color();
    }
    s.ShowBorder = g.chance(50);
    s.ShowTooltip = g.chance(50);
    s.DoubleClickExpand = g.chance(50);
    s.StartExpanded = g.chance(50);
    s.MouseOverFrame = static_cast<TMouseOverFrame>(g.below(3));
    s.ToggleSymbol = "XABCDEF"[g.below(7)];
    s.LeafSymbol = g.chance(50);
    s.LineStyle = "XAB"[g.below(3)];
  }
  if (s.Codebase == "java/") fs::create_directories(f.site("java"));

  // Icons: a few per menu, some of them the defaults.
  std::vector<int> icons;
  const int iconCount = hasTrees(kind) ? g.below(5) : 0;
  for (int i = 0; i < iconCount; ++i) icons.push_back(f.addIcon("icon" + std::to_string(round) + "_" + std::to_string(i) + ".gif"));
  auto someIcon = [&]() { return icons.empty() || g.chance(40) ? -1 : icons[static_cast<std::size_t>(g.below(static_cast<int>(icons.size())))]; };
  if (hasTrees(kind)) {
    // Defaults that share one icon make "folder" and "leaf" name the same picture: the page
    // may then spell a node's image either way. Distinct defaults keep the page comparable.
    std::vector<int> free = icons;
    for (std::int32_t* def : {&s.DefFolderClosed, &s.DefFolderOpen, &s.DefLeaf}) {
      if (free.empty() || g.chance(40)) continue;
      const std::size_t pick = static_cast<std::size_t>(g.below(static_cast<int>(free.size())));
      *def = free[pick];
      free.erase(free.begin() + static_cast<std::ptrdiff_t>(pick));
    }
  }

  const int tabCount = kind == akTree ? 1 : 1 + g.below(4);
  f.menu.removeTab(0);
  for (int t = 0; t < tabCount; ++t) {
    TAppletPage& tab = f.menu.AddTab(g.text(lineBreaks));
    tab.TabPage = {g.text(lineBreaks), g.link(lineBreaks), g.link(lineBreaks), g.link(lineBreaks), g.link(lineBreaks),
                   g.chance(20) ? "YES" : "NO"};
    tab.Nodes.clear();
    if (!hasTrees(kind)) continue;
    // Deep chains and wide fans: attach each node under a random node of the current path.
    std::vector<TreeNode*> path;
    const int nodes = g.below(40);
    for (int n = 0; n < nodes; ++n) {
      TAppletNode data{g.text(lineBreaks), g.link(lineBreaks), g.link(lineBreaks), g.link(lineBreaks),
                       g.link(lineBreaks), someIcon(), someIcon(), g.chance(30)};
      const std::size_t depth = path.empty() ? 0 : static_cast<std::size_t>(g.below(static_cast<int>(path.size()) + 1));
      path.resize(depth);
      TreeNode& parent = path.empty() ? tab.Nodes.root() : *path.back();
      std::string caption = g.caption(lineBreaks);
      // An entry with a "*" among its first three characters is a separator, also "; *link".
      if (caption.empty() && !data.URL1.empty() && data.URL1[0] == '*') data.URL1.insert(0, "x");
      path.push_back(&parent.appendChild(caption, data));
    }
  }
  s.DefaultTab = !hasTabs(kind) || g.chance(50) ? -1 : g.below(tabCount);
  f.menu.setCurrentTab(0);
}

// What an image index stands for once written: the page names a file, or the
// word that points the applet at its default image.
std::string imageName(const MenuModel& menu, int index) {
  return index < 0 ? "-" : extractFileName(menu.Images.ImageFiles().at(static_cast<std::size_t>(index)));
}

void expectSameTrees(const TreeNode& written, const TreeNode& read, const MenuModel& source, const MenuModel& result,
                     bool imagesWritten, const std::string& where) {
  ASSERT_EQ(written.children().size(), read.children().size()) << where;
  for (std::size_t i = 0; i < written.children().size(); ++i) {
    const TreeNode& a = *written.children()[i];
    const TreeNode& b = *read.children()[i];
    const std::string at = where + "/" + std::to_string(i);
    EXPECT_EQ(onOneLine(a.Text), b.Text) << at;
    EXPECT_EQ(onOneLine(a.Data.StatusText), b.Data.StatusText) << at;
    EXPECT_EQ(onOneLine(a.Data.URL1), b.Data.URL1) << at;
    EXPECT_EQ(onOneLine(a.Data.Target1), b.Data.Target1) << at;
    EXPECT_EQ(onOneLine(a.Data.URL2), b.Data.URL2) << at;
    EXPECT_EQ(onOneLine(a.Data.Target2), b.Data.Target2) << at;
    EXPECT_EQ(a.Data.OpenExpanded, b.Data.OpenExpanded) << at;
    if (!imagesWritten) {
      EXPECT_EQ(b.Data.CollapsedImage, -1) << at;
    } else if (a.Data.CollapsedImage != -1) {
      // A node's own image reads back as the same file, or as the default it equals.
      EXPECT_EQ(imageName(source, a.Data.CollapsedImage), imageName(result, b.Data.CollapsedImage)) << at;
    }
    expectSameTrees(a, b, source, result, imagesWritten, at);
  }
}

// The lines of the page's content files, in tab order.
std::vector<std::string> contentFiles(const testing::WriterFixture& f) {
  std::vector<std::string> lines;
  const std::string folder = f.site(f.menu.Settings.Codebase);
  for (const std::string name : {"index_content.txt", "indexTAB0content.txt", "indexTAB1content.txt",
                                 "indexTAB2content.txt", "indexTAB3content.txt"}) {
    if (!fs::exists(folder + name)) continue;
    for (const auto& line : testing::splitLines(testing::readFile(folder + name))) lines.push_back(name + ": " + line);
  }
  return lines;
}

// The page's VALUE of a default-image parameter, or "".
std::string defaultImage(const std::vector<std::string>& page, const std::string& name) {
  const std::string opening = "\t<PARAM NAME=\"" + name + "\" VALUE=\"";
  for (const auto& line : page) {
    if (line.rfind(opening, 0) == 0) return line.substr(opening.size(), line.size() - opening.size() - 2);
  }
  return "";
}

// Node entries with "folder" and "leaf" replaced by the default images they stand for,
// so entries compare by the pictures the applet shows.
std::vector<std::string> samePictures(const std::vector<std::string>& lines, const std::string& pageText = "") {
  const std::vector<std::string> page = testing::splitLines(pageText.empty() ? joinLines(lines) : pageText);
  const std::string closed = defaultImage(page, "FOLDER_CLOSED");
  const std::string open = defaultImage(page, "FOLDER_OPEN");
  const std::string leaf = defaultImage(page, "LEAF");
  std::vector<std::string> result;
  for (const auto& line : lines) {
    const bool nodeParam = line.find("\t<PARAM NAME=\"I") == 0 ||
                           (line.find("\t<PARAM NAME=\"T") == 0 && line.find("I", 14) != std::string::npos &&
                            line.find("_CONTENT") == std::string::npos);
    const bool contentLine = line.find("content.txt: ") != std::string::npos;
    if (!nodeParam && !contentLine) {
      result.push_back(line);
      continue;
    }
    StringList pieces;
    // Parameter values are escaped; content lines stand as they are.
    splitString(contentLine ? line : decodeCharacterReferences(line), ";", pieces);
    for (std::size_t i : {std::size_t{4}, std::size_t{5}}) {
      if (i >= pieces.size()) continue;
      const std::string word = trim(pieces[i]);
      if (word == "leaf") pieces[i] = leaf;
      if (word == "folder") pieces[i] = i == 4 ? closed : open;
      pieces[i] = trim(pieces[i]);
    }
    std::string joined;
    for (const auto& piece : pieces) joined += piece + ";";
    result.push_back(joined);
  }
  return result;
}

void expectSameLines(const std::vector<std::string>& written, const std::vector<std::string>& again,
                     const std::string& where) {
  for (std::size_t i = 0; i < std::max(written.size(), again.size()); ++i) {
    const std::string was = i < written.size() ? written[i] : "<none>";
    const std::string now = i < again.size() ? again[i] : "<none>";
    if (was != now) {
      ADD_FAILURE() << where << ", line " << i << ":\n  written " << was << "\n  again   " << now;
      return;
    }
  }
}

TEST(RoundTrip, GeneratedMenusReadBackAsWritten) {
  constexpr int kMenus = 500;
  MenuGenerator g(20261208);
  for (int round = 0; round < kMenus; ++round) {
    testing::WriterFixture f;
    generateMenu(g, f, round);
    const WriteResult first = f.write();
    ASSERT_TRUE(first.ok()) << "round " << round;
    const std::string page = f.pageText();

    MenuModel result;
    testing::ScriptedUi readerUi;
    ReaderContext context{readerUi};
    ASSERT_TRUE(ReadPage(result, f.menu.Document.PagePath, context)) << "round " << round;
    EXPECT_TRUE(readerUi.messages.empty()) << "round " << round << ": " << readerUi.messages[0].text;

    const TAppletSettings& s = f.menu.Settings;
    TAppletSettings expected = s;
    const bool imagesWritten = !s.ProxyEnhanced && s.UseIcons && hasTrees(s.Kind);
    expected.ImageDir = s.Codebase;
    // One style letter carries the icons, and the proxy-enhanced applet shows none.
    expected.UseIcons = hasTrees(s.Kind) ? s.UseIcons && !s.ProxyEnhanced : TAppletSettings{}.UseIcons;
    for (auto* def : {&expected.DefFolderClosed, &expected.DefFolderOpen, &expected.DefLeaf}) *def = -1;
    TAppletSettings actual = result.Settings;
    for (auto* def : {&actual.DefFolderClosed, &actual.DefFolderOpen, &actual.DefLeaf}) *def = -1;
    EXPECT_EQ(actual, expected) << "round " << round;
    if (imagesWritten) {
      EXPECT_EQ(imageName(f.menu, s.DefLeaf), imageName(result, result.Settings.DefLeaf)) << "round " << round;
      EXPECT_EQ(imageName(f.menu, s.DefFolderOpen), imageName(result, result.Settings.DefFolderOpen));
      EXPECT_EQ(imageName(f.menu, s.DefFolderClosed), imageName(result, result.Settings.DefFolderClosed));
    }

    ASSERT_EQ(result.tabCount(), f.menu.tabCount()) << "round " << round;
    for (int t = 0; t < f.menu.tabCount(); ++t) {
      if (s.Kind != akTree) {
        const TTabPage& written = f.menu.tab(t).TabPage;
        EXPECT_EQ(result.tab(t).Caption, onOneLine(f.menu.tab(t).Caption)) << "round " << round;
        EXPECT_EQ(result.tab(t).TabPage,
                  (TTabPage{onOneLine(written.StatusText), onOneLine(written.URL1), onOneLine(written.Target1),
                            onOneLine(written.URL2), onOneLine(written.Target2), written.OnDemand}))
            << "round " << round;
      }
      if (hasTrees(s.Kind)) {
        expectSameTrees(f.menu.tab(t).Nodes.root(), result.tab(t).Nodes.root(), f.menu, result, imagesWritten,
                        "round " + std::to_string(round) + " tab " + std::to_string(t));
      }
    }

    // Saving the menu that was read writes the same page again: the same lines,
    // and every node showing the same pictures.
    const std::vector<std::string> contentBefore = contentFiles(f);
    f.menu.Images.clear();
    testing::WriterFixture again;
    WriterContext context2{again.ui, again.clipboard, again.programSettings, again.program(), {}, {}};
    WritePage(result, context2);
    const std::string rewritten = testing::readFile(result.Document.PagePath);
    expectSameLines(samePictures(testing::splitLines(page)), samePictures(testing::splitLines(rewritten)),
                    "round " + std::to_string(round));
    expectSameLines(samePictures(contentBefore, page), samePictures(contentFiles(f), rewritten),
                    "round " + std::to_string(round) + " content");
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
}  // namespace quillon
