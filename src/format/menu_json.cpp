#include "format/menu_json.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

#include "format/site_paths.hpp"

namespace quillon {

using nlohmann::json;
using nlohmann::ordered_json;

namespace {

// A refused value, named by its key relative to the part being read; the
// reader of an enclosing part puts its own place in front.
struct KeyError {
  std::string key;
  std::string what;
};

[[noreturn]] void fail(const std::string& where, const std::string& what) { throw KeyError{where, what}; }

// Reads the keys of one JSON object into fields; unknown keys are errors.
class ObjectReader {
 public:
  ObjectReader(const json& object, std::string where) : object_(object), where_(std::move(where)) {
    if (!object_.is_object()) fail(where_, "must be an object");
  }

  void text(const char* key, std::string& field) {
    read(key, [&](const json& value, const std::string& at) {
      if (!value.is_string()) fail(at, "must be a string");
      field = value.get<std::string>();
    });
  }
  // A text that must keep to a rule; the message gives the value and the rule.
  void ruledText(const char* key, std::string& field, bool (*keeps)(const std::string&), const char* rule) {
    read(key, [&](const json& value, const std::string& at) {
      if (!value.is_string()) fail(at, "must be a string");
      const auto text = value.get<std::string>();
      if (!keeps(text)) fail(at, "\"" + text + "\" " + rule);
      field = text;
    });
  }
  void digits(const char* key, std::string& field) {
    read(key, [&](const json& value, const std::string& at) {
      if (!value.is_string()) fail(at, "must be a string");
      const auto text = value.get<std::string>();
      if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) fail(at, "must be digits");
      field = text;
    });
  }
  void flag(const char* key, bool& field) {
    read(key, [&](const json& value, const std::string& at) {
      if (!value.is_boolean()) fail(at, "must be true or false");
      field = value.get<bool>();
    });
  }
  void integer(const char* key, std::int32_t& field, std::int64_t low, std::int64_t high) {
    read(key, [&](const json& value, const std::string& at) {
      if (!value.is_number_integer()) fail(at, "must be a whole number");
      const auto number = value.get<std::int64_t>();
      if (number < low || number > high) {
        fail(at, "must be from " + std::to_string(low) + " to " + std::to_string(high));
      }
      field = static_cast<std::int32_t>(number);
    });
  }
  void color(const char* key, Color& field) {
    read(key, [&](const json& value, const std::string& at) {
      if (!value.is_number_unsigned() || value.get<std::uint64_t>() > 0xFFFFFF) {
        fail(at, "must be a colour from 0 to 16777215 (0x00BBGGRR)");
      }
      field = static_cast<Color>(value.get<std::uint64_t>());
    });
  }
  void letter(const char* key, char& field, const std::string& allowed) {
    read(key, [&](const json& value, const std::string& at) {
      if (!value.is_string() || value.get<std::string>().size() != 1 ||
          allowed.find(value.get<std::string>()[0]) == std::string::npos) {
        fail(at, "must be one of the letters " + allowed);
      }
      field = value.get<std::string>()[0];
    });
  }
  void any(const char* key, const std::function<void(const json&, const std::string&)>& handle) { read(key, handle); }

  // Call after every known key was read.
  void rejectUnknownKeys() const {
    for (const auto& item : object_.items()) {
      if (!known_.contains(item.key())) fail(where_.empty() ? item.key() : where_ + "." + item.key(), "unknown key");
    }
  }

 private:
  void read(const char* key, const std::function<void(const json&, const std::string&)>& handle) {
    known_.emplace(key, true);
    auto found = object_.find(key);
    if (found != object_.end()) handle(*found, where_.empty() ? key : where_ + "." + key);
  }

  const json& object_;
  std::string where_;
  std::map<std::string, bool> known_;
};

void readLines(const json& value, const std::string& at, std::vector<std::string>& lines) {
  if (!value.is_array()) fail(at, "must be a list of strings");
  lines.clear();
  for (const auto& line : value) {
    if (!line.is_string()) fail(at, "must be a list of strings");
    lines.push_back(line.get<std::string>());
  }
}

void readSettings(const json& object, TAppletSettings& s, int imageCount) {
  ObjectReader r(object, "Settings");
  r.digits("Width", s.Width);
  r.digits("Height", s.Height);
  const char* outside = "lies outside the page's folder; it must be a folder below it, such as \"java/\"";
  r.ruledText("Codebase", s.Codebase, isSiteRelativeFolder, outside);
  r.ruledText("ImageDir", s.ImageDir, isSiteRelativeFolder, outside);
  r.flag("ProxyEnhanced", s.ProxyEnhanced);
  r.flag("ContentInFile", s.ContentInFile);
  r.text("ClickSound", s.ClickSound);
  auto soundName = [](const std::string& name) { return name.empty() || isPlainFileName(name); };
  const char* notAName = "must be a file name without a folder";
  r.ruledText("ClickSoundName", s.ClickSoundName, soundName, notAName);
  r.text("OverSound", s.OverSound);
  r.ruledText("OverSoundName", s.OverSoundName, soundName, notAName);
  r.flag("TabOnBottom", s.TabOnBottom);
  r.flag("ShowTabsOnly", s.ShowTabsOnly);
  r.integer("DefaultTab", s.DefaultTab, -1, INT32_MAX);
  r.text("TabFontName", s.TabFontName);
  r.digits("TabFontSize", s.TabFontSize);
  r.color("TabBackColor", s.TabBackColor);
  r.color("TabTextColor", s.TabTextColor);
  r.color("TabMouseOverColor", s.TabMouseOverColor);
  r.text("TabBackImage", s.TabBackImage);
  r.text("TreeFontName", s.TreeFontName);
  r.digits("TreeFontSize", s.TreeFontSize);
  r.color("TreeBackColor", s.TreeBackColor);
  r.color("TreeTextColor", s.TreeTextColor);
  r.color("TreeSelBackColor", s.TreeSelBackColor);
  r.color("TreeSelTextColor", s.TreeSelTextColor);
  r.color("TooltipBackColor", s.TooltipBackColor);
  r.color("TooltipTextColor", s.TooltipTextColor);
  r.color("MouseOverColor", s.MouseOverColor);
  r.color("LineColor", s.LineColor);
  r.color("LeafColor", s.LeafColor);
  r.color("FolderClosedColor", s.FolderClosedColor);
  r.color("FolderOpenColor", s.FolderOpenColor);
  r.color("MouseOverFrameColor", s.MouseOverFrameColor);
  r.text("TreeBackImage", s.TreeBackImage);
  r.flag("ShowBorder", s.ShowBorder);
  r.flag("ShowTooltip", s.ShowTooltip);
  r.flag("DoubleClickExpand", s.DoubleClickExpand);
  r.flag("StartExpanded", s.StartExpanded);
  r.any("MouseOverFrame", [&](const json& value, const std::string& at) {
    static const std::map<std::string, TMouseOverFrame> frames = {
        {"none", TMouseOverFrame::None}, {"rect", TMouseOverFrame::Rect}, {"line", TMouseOverFrame::Line}};
    auto found = value.is_string() ? frames.find(value.get<std::string>()) : frames.end();
    if (found == frames.end()) fail(at, "must be \"none\", \"rect\" or \"line\"");
    s.MouseOverFrame = found->second;
  });
  r.letter("ToggleSymbol", s.ToggleSymbol, "XABCDEF");
  r.flag("LeafSymbol", s.LeafSymbol);
  r.letter("LineStyle", s.LineStyle, "XAB");
  r.flag("UseIcons", s.UseIcons);
  r.integer("DefFolderClosed", s.DefFolderClosed, -1, imageCount - 1);
  r.integer("DefFolderOpen", s.DefFolderOpen, -1, imageCount - 1);
  r.integer("DefLeaf", s.DefLeaf, -1, imageCount - 1);
  r.rejectUnknownKeys();
}

void readLinkFields(ObjectReader& r, std::string& status, std::string& url1, std::string& target1, std::string& url2,
                    std::string& target2) {
  r.text("StatusText", status);
  r.text("URL1", url1);
  r.text("Target1", target1);
  r.text("URL2", url2);
  r.text("Target2", target2);
}

// Reads the node at a list position: its fields, and the list of its
// children (null when it has none) for the caller to read next.
const json* readNode(const json& item, TreeNode& node, int imageCount) {
  ObjectReader r(item, "");
  r.text("Text", node.Text);
  r.any("Data", [&](const json& value, const std::string& dataAt) {
    ObjectReader d(value, dataAt);
    TAppletNode& data = node.Data;
    readLinkFields(d, data.StatusText, data.URL1, data.Target1, data.URL2, data.Target2);
    d.integer("CollapsedImage", data.CollapsedImage, -1, imageCount - 1);
    d.integer("ExpandedImage", data.ExpandedImage, -1, imageCount - 1);
    d.flag("OpenExpanded", data.OpenExpanded);
    d.rejectUnknownKeys();
  });
  const json* children = nullptr;
  r.any("Children", [&](const json& value, const std::string& childrenAt) {
    if (!value.is_array()) fail(childrenAt, "must be a list of nodes");
    children = &value;
  });
  r.rejectUnknownKeys();
  return children;
}

// Reads a tree of any depth: the lists being read are kept on a stack of our
// own instead of the call stack.
void readNodes(const json& list, const std::string& at, TreeNode& root, int imageCount) {
  if (!list.is_array()) fail(at, "must be a list of nodes");
  struct Level {
    const json* list;
    std::size_t next;
    TreeNode* parent;
  };
  std::vector<Level> levels{{&list, 0, &root}};
  // "Tabs[0].Nodes[2].Children[0]": where the node last taken from each list sits.
  const auto whereNode = [&levels, &at] {
    std::string where = at;
    for (std::size_t k = 0; k < levels.size(); ++k) {
      if (k > 0) where += ".Children";
      where += "[" + std::to_string(levels[k].next - 1) + "]";
    }
    return where;
  };
  while (!levels.empty()) {
    Level& level = levels.back();
    if (level.next == level.list->size()) {
      levels.pop_back();
      continue;
    }
    const json& item = (*level.list)[level.next++];
    TreeNode& node = level.parent->appendChild("");
    const json* children = nullptr;
    try {
      children = readNode(item, node, imageCount);
    } catch (const KeyError& error) {
      fail(whereNode() + (error.key.empty() ? "" : "." + error.key), error.what);
    }
    if (children && !children->empty()) levels.push_back({children, 0, &node});
  }
}

void readTabs(const json& list, MenuModel& menu) {
  if (!list.is_array()) fail("Tabs", "must be a list of tabs");
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string where = "Tabs[" + std::to_string(i) + "]";
    ObjectReader r(list[i], where);
    TAppletPage& tab = menu.AddTab(kNewTabCaption);
    r.text("Caption", tab.Caption);
    r.any("TabPage", [&](const json& value, const std::string& at) {
      ObjectReader t(value, at);
      TTabPage& page = tab.TabPage;
      readLinkFields(t, page.StatusText, page.URL1, page.Target1, page.URL2, page.Target2);
      t.text("OnDemand", page.OnDemand);
      t.rejectUnknownKeys();
    });
    r.any("Nodes", [&](const json& value, const std::string& at) {
      tab.Nodes.clear();
      readNodes(value, at, tab.Nodes.root(), menu.Images.count());
      tab.Nodes.selectFirst();
    });
    r.rejectUnknownKeys();
  }
}

void readImages(const json& list, MenuModel& menu) {
  if (!list.is_array()) fail("ImageFiles", "must be a list of file paths");
  for (const auto& path : list) {
    if (!path.is_string()) fail("ImageFiles", "must be a list of file paths");
    if (menu.Images.AddImage(path.get<std::string>()) < 0) {
      throw MenuJsonError("\"ImageFiles\": " + path.get<std::string>() +
                          " is not a readable 16 x 16 GIF or JPEG picture");
    }
  }
}

TAppletKind readKind(const json& root) {
  static const std::map<std::string, TAppletKind> kinds = {
      {"akTab", akTab}, {"akTree", akTree}, {"akTabTree", akTabTree}};
  auto value = root.find("Kind");
  if (value == root.end()) fail("Kind", "missing; it must be \"akTab\", \"akTree\" or \"akTabTree\"");
  auto found = value->is_string() ? kinds.find(value->get<std::string>()) : kinds.end();
  if (found == kinds.end()) fail("Kind", "must be \"akTab\", \"akTree\" or \"akTabTree\"");
  return found->second;
}

ordered_json linkFields(const std::string& status, const std::string& url1, const std::string& target1,
                const std::string& url2, const std::string& target2) {
  return {{"StatusText", status}, {"URL1", url1}, {"Target1", target1}, {"URL2", url2}, {"Target2", target2}};
}

ordered_json nodeData(const TAppletNode& d) {
  ordered_json data = linkFields(d.StatusText, d.URL1, d.Target1, d.URL2, d.Target2);
  data["CollapsedImage"] = d.CollapsedImage;
  data["ExpandedImage"] = d.ExpandedImage;
  data["OpenExpanded"] = d.OpenExpanded;
  return data;
}

// Writes JSON laid out as an indented dump, one piece at a time, so that a
// tree of any depth is written without recursion. The indent stops growing
// after kDeepestIndent levels, which keeps the text of a deep tree linear in
// its size.
class JsonWriter {
 public:
  static constexpr std::size_t kDeepestIndent = 24;

  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void beginObject() { open('{'); }
  void endObject() { close('}'); }
  void beginArray() { open('['); }
  void endArray() { close(']'); }

  void key(const std::string& name) {
    newItem();
    text_ += scalarText(name) + ": ";
    afterKey_ = true;
  }

  // A scalar, or an object or list of the few levels the menu's own parts have.
  void value(const ordered_json& value) {
    if (value.is_object()) {
      beginObject();
      for (const auto& item : value.items()) {
        key(item.key());
        this->value(item.value());
      }
      endObject();
    } else if (value.is_array()) {
      beginArray();
      for (const auto& item : value) this->value(item);
      endArray();
    } else {
      newItem();
      text_ += scalarText(value);
    }
  }

  void finish() {
    text_ += '\n';
    flush();
  }

 private:
  struct Level {
    bool empty = true;
  };

  // Pages may hold bytes that are not UTF-8; they are shown as U+FFFD rather than failing.
  static std::string scalarText(const ordered_json& value) {
    return value.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
  }

  void indent(std::size_t depth) {
    // Each line goes out once it is complete: the JSON of a large menu is many times its page's size.
    if (text_.size() >= kFlushSize) flush();
    text_ += '\n';
    text_.append(2 * std::min(depth, kDeepestIndent), ' ');
  }

  void flush() {
    out_ << text_;
    text_.clear();
  }

  // A value or key inside an object or list starts a line of its own.
  void newItem() {
    if (afterKey_) {
      afterKey_ = false;
      return;
    }
    if (levels_.empty()) return;
    if (!levels_.back().empty) text_ += ',';
    levels_.back().empty = false;
    indent(levels_.size());
  }

  void open(char bracket) {
    newItem();
    text_ += bracket;
    levels_.push_back({});
  }

  void close(char bracket) {
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) indent(levels_.size());
    text_ += bracket;
  }

  static constexpr std::size_t kFlushSize = 1 << 16;

  std::ostream& out_;
  std::string text_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

// The nodes below parent as a list; the lists being written are kept on a
// stack of our own instead of the call stack.
void writeNodes(JsonWriter& out, const TreeNode& parent) {
  struct Level {
    const TreeNode* node;
    std::size_t next;
  };
  std::vector<Level> levels{{&parent, 0}};
  out.beginArray();
  while (!levels.empty()) {
    Level& level = levels.back();
    const auto& children = level.node->children();
    if (level.next == children.size()) {
      levels.pop_back();
      out.endArray();
      if (!levels.empty()) out.endObject();  // the node whose children these were
      continue;
    }
    const TreeNode& child = *children[level.next++];
    out.beginObject();
    out.key("Text");
    out.value(child.Text);
    out.key("Data");
    out.value(nodeData(child.Data));
    out.key("Children");
    out.beginArray();
    levels.push_back({&child, 0});
  }
}

const char* frameName(TMouseOverFrame frame) {
  switch (frame) {
    case TMouseOverFrame::Rect: return "rect";
    case TMouseOverFrame::Line: return "line";
    case TMouseOverFrame::None: break;
  }
  return "none";
}

ordered_json settingsToJson(const TAppletSettings& s) {
  return {{"Width", s.Width},
          {"Height", s.Height},
          {"Codebase", s.Codebase},
          {"ImageDir", s.ImageDir},
          {"ProxyEnhanced", s.ProxyEnhanced},
          {"ContentInFile", s.ContentInFile},
          {"ClickSound", s.ClickSound},
          {"ClickSoundName", s.ClickSoundName},
          {"OverSound", s.OverSound},
          {"OverSoundName", s.OverSoundName},
          {"TabOnBottom", s.TabOnBottom},
          {"ShowTabsOnly", s.ShowTabsOnly},
          {"DefaultTab", s.DefaultTab},
          {"TabFontName", s.TabFontName},
          {"TabFontSize", s.TabFontSize},
          {"TabBackColor", s.TabBackColor},
          {"TabTextColor", s.TabTextColor},
          {"TabMouseOverColor", s.TabMouseOverColor},
          {"TabBackImage", s.TabBackImage},
          {"TreeFontName", s.TreeFontName},
          {"TreeFontSize", s.TreeFontSize},
          {"TreeBackColor", s.TreeBackColor},
          {"TreeTextColor", s.TreeTextColor},
          {"TreeSelBackColor", s.TreeSelBackColor},
          {"TreeSelTextColor", s.TreeSelTextColor},
          {"TooltipBackColor", s.TooltipBackColor},
          {"TooltipTextColor", s.TooltipTextColor},
          {"MouseOverColor", s.MouseOverColor},
          {"LineColor", s.LineColor},
          {"LeafColor", s.LeafColor},
          {"FolderClosedColor", s.FolderClosedColor},
          {"FolderOpenColor", s.FolderOpenColor},
          {"MouseOverFrameColor", s.MouseOverFrameColor},
          {"TreeBackImage", s.TreeBackImage},
          {"ShowBorder", s.ShowBorder},
          {"ShowTooltip", s.ShowTooltip},
          {"DoubleClickExpand", s.DoubleClickExpand},
          {"StartExpanded", s.StartExpanded},
          {"MouseOverFrame", frameName(s.MouseOverFrame)},
          {"ToggleSymbol", std::string(1, s.ToggleSymbol)},
          {"LeafSymbol", s.LeafSymbol},
          {"LineStyle", std::string(1, s.LineStyle)},
          {"UseIcons", s.UseIcons},
          {"DefFolderClosed", s.DefFolderClosed},
          {"DefFolderOpen", s.DefFolderOpen},
          {"DefLeaf", s.DefLeaf}};
}

const char* kindName(TAppletKind kind) {
  switch (kind) {
    case akTab: return "akTab";
    case akTree: return "akTree";
    case akTabTree: break;
  }
  return "akTabTree";
}

void readMenu(const std::string& text, MenuModel& menu) {
  json root;
  try {
    root = json::parse(text);
  } catch (const json::parse_error& error) {
    throw MenuJsonError(std::string("not valid JSON: ") + error.what());
  }
  if (!root.is_object()) throw MenuJsonError("the menu must be a JSON object");
  const TAppletKind kind = readKind(root);

  resetToNewMenu(menu, kind);
  ObjectReader r(root, "");
  r.any("Kind", [](const json&, const std::string&) {});
  r.any("ImageFiles", [&](const json& value, const std::string&) { readImages(value, menu); });
  r.any("Settings", [&](const json& value, const std::string&) { readSettings(value, menu.Settings, menu.Images.count()); });
  r.any("Tabs", [&](const json& value, const std::string&) {
    menu.removeTab(0);
    readTabs(value, menu);
    if (menu.tabCount() == 0) fail("Tabs", "must hold at least one tab");
    menu.setCurrentTab(0);
  });
  r.any("Document", [&](const json& value, const std::string& at) {
    ObjectReader d(value, at);
    d.text("PagePath", menu.Document.PagePath);
    d.any("HeaderLines", [&](const json& lines, const std::string& linesAt) { readLines(lines, linesAt, menu.Document.HeaderLines); });
    d.any("FooterLines", [&](const json& lines, const std::string& linesAt) { readLines(lines, linesAt, menu.Document.FooterLines); });
    d.text("BodyTag", menu.Document.BodyTag);
    d.rejectUnknownKeys();
  });
  r.rejectUnknownKeys();
  menu.Settings.Kind = kind;
}

}  // namespace

void menuFromJson(const std::string& text, MenuModel& menu) {
  try {
    readMenu(text, menu);
  } catch (const KeyError& error) {
    throw MenuJsonError("\"" + error.key + "\": " + error.what);
  }
}

void writeMenuJson(const MenuModel& menu, std::ostream& stream) {
  JsonWriter out(stream);
  out.beginObject();
  out.key("Kind");
  out.value(kindName(menu.Settings.Kind));
  out.key("Settings");
  out.value(settingsToJson(menu.Settings));
  out.key("ImageFiles");
  out.value(menu.Images.ImageFiles());
  out.key("Tabs");
  out.beginArray();
  for (int i = 0; i < menu.tabCount(); ++i) {
    const TAppletPage& tab = menu.tab(i);
    const TTabPage& t = tab.TabPage;
    ordered_json page = linkFields(t.StatusText, t.URL1, t.Target1, t.URL2, t.Target2);
    page["OnDemand"] = t.OnDemand;
    out.beginObject();
    out.key("Caption");
    out.value(tab.Caption);
    out.key("TabPage");
    out.value(page);
    out.key("Nodes");
    writeNodes(out, tab.Nodes.root());
    out.endObject();
  }
  out.endArray();
  out.key("Document");
  out.value({{"PagePath", menu.Document.PagePath},
             {"HeaderLines", menu.Document.HeaderLines},
             {"FooterLines", menu.Document.FooterLines},
             {"BodyTag", menu.Document.BodyTag}});
  out.endObject();
  out.finish();
}

std::string menuToJson(const MenuModel& menu) {
  std::ostringstream out;
  writeMenuJson(menu, out);
  return out.str();
}

}  // namespace quillon
