#include "reader_checks.hpp"

#include <exception>
#include <sstream>

#include "format/html_escape.hpp"
#include "format/node_entries.hpp"
#include "format/page_composer.hpp"
#include "format/page_frame.hpp"
#include "format/page_reader.hpp"
#include "format/site_layout.hpp"
#include "format/tag_attributes.hpp"
#include "format/text_helpers.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon::fuzz {

namespace {

// Collects the first failed expectation of a run.
class Problems {
 public:
  void expect(bool holds, const std::string& what) {
    if (!holds && first_.empty()) first_ = what;
  }
  bool any() const { return !first_.empty(); }
  std::string text() const { return first_; }

 private:
  std::string first_;
};

bool imageIndexValid(const MenuModel& menu, int index) { return index == -1 || menu.Images.isValidIndex(index); }

void checkReadMenu(const MenuModel& menu, const std::string& path, Problems& problems) {
  const TAppletSettings& s = menu.Settings;
  problems.expect(menu.tabCount() >= 1, "no tab after a successful read");
  problems.expect(menu.currentTabIndex() == 0, "the first tab is not current");
  problems.expect(s.DefaultTab >= -1 && s.DefaultTab < menu.tabCount(),
                  "start-up tab " + std::to_string(s.DefaultTab) + " out of range");
  problems.expect(s.ImageDir == s.Codebase, "ImageDir differs from Codebase");
  problems.expect(!menu.Document.AskSaveLocation, "Save would ask for the location");
  problems.expect(menu.Document.PagePath == path, "PagePath not set");
  problems.expect(!menu.Document.HeaderLines.empty(), "no header line, though the applet tag stands in one");
  for (int index : {s.DefFolderClosed, s.DefFolderOpen, s.DefLeaf}) {
    problems.expect(imageIndexValid(menu, index), "default image index " + std::to_string(index) + " out of range");
  }
  for (int i = 0; i < menu.Images.count(); ++i) {
    const Bitmap& bitmap = menu.Images.bitmap(i);
    problems.expect(bitmap.width == ImageList::kIconSize && bitmap.height == ImageList::kIconSize,
                    "an image that is not 16 x 16 was listed");
  }
  for (int t = 0; t < menu.tabCount(); ++t) {
    menu.tab(t).Nodes.forEachInPageOrder([&](const TreeNode& node, int) {
      problems.expect(imageIndexValid(menu, node.Data.CollapsedImage) && imageIndexValid(menu, node.Data.ExpandedImage),
                      "node image index out of range in tab " + std::to_string(t));
    });
  }
}

std::string joinItems(const StringList& items, const std::string& delimiter) {
  std::string joined;
  for (std::size_t i = 0; i < items.size(); ++i) joined += (i ? delimiter : "") + items[i];
  return joined;
}

// Splitting at a one-character delimiter and joining again gives the text back,
// but for a delimiter at the very end, which makes no empty last item.
void checkSplit(const std::string& text, const std::string& delimiter, Problems& problems) {
  StringList items;
  const int last = splitString(text, delimiter, items);
  problems.expect(last == static_cast<int>(items.size()) - 1, "splitString returned a wrong last index");
  const bool trailing = !text.empty() && text.back() == delimiter[0];
  problems.expect(joinItems(items, delimiter) + (trailing ? delimiter : "") == text,
                  "splitString at \"" + delimiter + "\" lost or added text");
}

// A longer delimiter is found without regard to case, and never left inside an item.
void checkSplitNoCase(const std::string& text, const std::string& delimiter, Problems& problems) {
  StringList items;
  splitString(text, delimiter, items);
  for (const std::string& item : items) {
    problems.expect(posNoCase(delimiter, item) == 0, "an item still holds the delimiter \"" + delimiter + "\"");
  }
}

// posNoCase (Horspool from 9 characters on) agrees with a plain search on lower-cased texts.
void checkSearch(const std::string& text, std::size_t offset, std::size_t length, Problems& problems) {
  if (offset >= text.size()) return;
  std::string sought = text.substr(offset, length);
  for (char& c : sought) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  const std::size_t plain = lowerAscii(text).find(lowerAscii(sought));
  problems.expect(posNoCase(sought, text) == static_cast<int>(plain + 1),
                  "posNoCase disagrees with a plain search for a sought text of " + std::to_string(sought.size()));
}

void checkTagList(const std::string& text, Problems& problems) {
  const std::vector<TagSpan> spans = tagSpans(text);
  StringList items;
  const int last = extractTags(text, items);
  problems.expect(last + 1 == static_cast<int>(spans.size()), "extractTags and tagSpans count differently");
  std::size_t previousEnd = 0;
  for (std::size_t i = 0; i < spans.size() && !problems.any(); ++i) {
    const TagSpan& span = spans[i];
    problems.expect(span.begin >= previousEnd && span.begin <= span.end && span.end <= text.size(),
                    "tag span " + std::to_string(i) + " overlaps or leaves the text");
    if (problems.any()) break;
    previousEnd = span.end;
    if (i < items.size()) problems.expect(items[i] == tagText(text, span), "tag " + std::to_string(i) + " differs");
    if (span.empty()) continue;
    problems.expect(text[span.begin] == '<' && text[span.end - 1] == '>', "a tag does not run from < to >");
  }
}

void checkTag(const std::string& tag, Problems& problems) {
  const ParsedTag parsed = parseTag(tag);
  problems.expect(parsed.element == lowerAscii(parsed.element), "element name not lower-cased");
  for (const auto& [name, value] : parsed.attributes) {
    problems.expect(name == lowerAscii(name) && name.find_first_of(" \t\r\n\f=>") == std::string::npos,
                    "attribute name \"" + name + "\" not lower-cased or holding a separator");
    problems.expect(parsed.attribute(name).has_value(), "a listed attribute is not found by its name");
    problems.expect(tag.find(value) != std::string::npos, "an attribute value is not part of the tag");
  }
  for (const char* name : {"VALUE", "NAME", "CODE", "CODEBASE"}) {
    const std::string value = getTagValue(tag, name);
    problems.expect(tag.find(value) != std::string::npos, std::string("getTagValue ") + name + " made up text");
  }
  const std::string raw = parsed.attribute("value").value_or("");
  const std::string decoded = decodeCharacterReferences(raw);
  problems.expect(decoded.size() <= raw.size(), "decoding character references made the value longer");
  checkSplit(decoded, ";", problems);
}

void checkNodeEntries(const std::vector<std::string>& entries, Problems& problems) {
  NodeTree tree;
  constexpr int kLeaf = 0, kFolderClosed = 1, kFolderOpen = 2, kFile = 3;
  int fileLookups = 0;
  ImagePieceResolver images{[](bool expanded) { return expanded ? kFolderOpen : kFolderClosed; },
                            [] { return kLeaf; },
                            [&fileLookups](const std::string&) {
                              ++fileLookups;
                              return kFile;
                            }};
  readNodeEntries(entries, tree, images);
  problems.expect(tree.size() <= entries.size(), "more nodes than entries");
  problems.expect(fileLookups <= 2 * static_cast<int>(tree.size()), "image files looked up for skipped entries");
  tree.forEachInPageOrder([&](const TreeNode& node, int level) {
    problems.expect(level < static_cast<int>(entries.size()), "a node deeper than the number of entries");
    for (int image : {node.Data.CollapsedImage, node.Data.ExpandedImage}) {
      problems.expect(image >= -1 && image <= kFile, "an image index the resolver never gave");
    }
  });
}

}  // namespace

std::string readPageProblems(const std::string& bytes, const std::string& path) {
  testing::writeFile(path, bytes);
  testing::ScriptedUi ui;  // every dialog is cancelled
  MenuModel menu;
  ReaderContext context{ui};
  Problems problems;
  try {
    const bool found = ReadPage(menu, path, context);
    problems.expect(ui.busyDepth == 0, "the busy cursor was left on");
    problems.expect(!ui.statusTexts.empty() && ui.statusTexts.back() == "Ready.", "the status does not end \"Ready.\"");
    if (!found) {
      problems.expect(!ui.messages.empty(), "a refused page was not reported");
      problems.expect(menu.tabCount() == 0, "a refused page left tabs");
      return problems.text();
    }
    checkReadMenu(menu, path, problems);
    if (problems.any()) return problems.text();
    // The menu read must be one the writer can compose.
    composePage(menu, siteLayoutFor(path, menu.Settings));
  } catch (const std::exception& error) {
    return std::string("exception: ") + error.what();
  }
  return problems.text();
}

std::string tagHelperProblems(const std::string& bytes) {
  Problems problems;
  try {
    checkTagList(bytes, problems);
    // The parameter values are node entries too, as a page holds them.
    std::vector<std::string> values;
    for (const TagSpan& span : tagSpans(bytes)) {
      if (problems.any()) break;
      if (span.empty()) continue;
      const std::string tag = tagText(bytes, span);
      checkTag(tag, problems);
      values.push_back(decodeCharacterReferences(parseTag(tag).attribute("value").value_or("")));
    }
    checkNodeEntries(values, problems);
    for (const char* delimiter : {";", "|", ","}) checkSplit(bytes, delimiter, problems);
    for (const char* delimiter : {"value", "</applet>", "TREE_MOUSEOVERFRAME"}) {
      checkSplitNoCase(bytes, delimiter, problems);
    }
    for (std::size_t length : {1, 5, 9, 16, 40}) checkSearch(bytes, bytes.size() / 3, length, problems);
    problems.expect(decodeCharacterReferences(escapeHtmlAttribute(bytes)) == bytes,
                    "escaping and decoding did not give the text back");
    problems.expect(decodeCharacterReferences(bytes).size() <= bytes.size(), "decoding made the text longer");
    checkNodeEntries(splitTextLines(bytes), problems);
  } catch (const std::exception& error) {
    return std::string("exception: ") + error.what();
  }
  return problems.text();
}

}  // namespace quillon::fuzz
