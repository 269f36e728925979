// Reads the menu's JSON as it streams by: each value goes straight into the
// menu model as the parser meets it, so no document tree of the whole menu is
// built. The parts being read are kept on a stack of our own, so a tree of
// any depth is read without recursion.
#include <map>
#include <optional>

#include "format/json_event_parser.hpp"
#include "format/menu_json.hpp"
#include "format/site_paths.hpp"

namespace quillon {

namespace {

// A refused value and where it sits ("Tabs[0].Nodes[2].Data.URL1").
struct KeyError {
  std::string key;
  std::string what;
};

// One value as the parser hands it over; the start of an object or list is a
// value too, so that a field can refuse it.
struct Value {
  enum Type { Null, Boolean, Signed, Unsigned, Float, String, Object, Array } type = Null;
  bool flag = false;
  std::int64_t integer = 0;
  std::uint64_t whole = 0;
  std::string* text = nullptr;

  bool isInteger() const { return type == Signed || type == Unsigned; }
};

enum class Part { Root, Settings, Images, Tabs, Tab, TabPage, Nodes, Node, NodeData, Document, Lines };

struct Frame {
  Part part;
  std::string key;          // objects: the key whose value comes next
  std::size_t count = 0;    // lists: the items begun so far
  std::uint64_t given = 0;  // objects: the known keys met so far, by their place in the part's list
  TAppletPage* tab = nullptr;
  TreeNode* node = nullptr;
  std::vector<std::string>* lines = nullptr;
};

// Matches an object's key against the part's known keys, in order; the place
// of the key in that order marks it as given, so a key given twice is refused.
class KeyMatch {
 public:
  explicit KeyMatch(Frame& frame) : frame_(frame) {}

  bool is(const char* name) {
    const std::uint64_t bit = std::uint64_t{1} << place_++;
    if (frame_.key != name) return false;
    if (frame_.given & bit) throw KeyError{"", "given twice"};
    frame_.given |= bit;
    return true;
  }

 private:
  Frame& frame_;
  int place_ = 0;
};

class MenuJsonReader : public JsonEvents {
 public:
  explicit MenuJsonReader(MenuModel& menu) : menu_(menu) {}

  void null() override { scalar({}); }
  void boolean(bool flag) override { scalar({Value::Boolean, flag}); }
  void signedNumber(std::int64_t number) override { scalar({Value::Signed, false, number}); }
  void unsignedNumber(std::uint64_t number) override { scalar({Value::Unsigned, false, 0, number}); }
  void fraction() override { scalar({Value::Float}); }
  void string(std::string& text) override { scalar({Value::String, false, 0, 0, &text}); }
  void startObject() override { begin({Value::Object}); }
  void startArray() override { begin({Value::Array}); }
  void key(std::string& name) override { frames_.back().key = name; }
  void endObject() override { frames_.pop_back(); }
  void endArray() override;

  // After the whole text: what can only be checked once everything was read.
  void finish();

 private:
  void scalar(const Value& value);
  void begin(const Value& value);
  void field(const Value& value);
  void item(const Value& value);
  void push(Part part) { frames_.push_back(Frame{part, {}}); }

  void rootField(const Value& value);
  void settingsField(const Value& value, TAppletSettings& s);
  void tabField(const Value& value, TAppletPage& tab);
  void nodeField(const Value& value, TreeNode& node);
  bool linkField(KeyMatch& key, const Value& value, std::string& status, std::string& url1, std::string& target1,
                 std::string& url2, std::string& target2);
  void documentField(const Value& value);

  // Field rules: each takes the value or refuses it, naming the key.
  void text(const Value& value, std::string& field);
  void ruledText(const Value& value, std::string& field, bool (*keeps)(const std::string&), const char* rule);
  void digits(const Value& value, std::string& field);
  void flag(const Value& value, bool& field);
  std::int64_t integer(const Value& value, std::int64_t low, std::int64_t high);
  void imageIndex(const Value& value, std::int32_t& field);
  void color(const Value& value, Color& field);
  void letter(const Value& value, char& field, const std::string& allowed);
  void expect(const Value& value, Value::Type type, const char* refusal);

  // "Tabs[0].Nodes[2]": the innermost object's current key, or the innermost
  // list's current item, is put at the end only when asked for.
  std::string where(bool innermost) const;
  [[noreturn]] void fail(const std::string& what) const { throw KeyError{where(true), what}; }

  MenuModel& menu_;
  std::vector<Frame> frames_;
  bool started_ = false;
  std::optional<TAppletKind> kind_;
  bool imagesKnown_ = false;
  // Image indexes met before "ImageFiles": each larger than all before it, so
  // the first one out of range is the first refused in reading order.
  std::vector<std::pair<std::int32_t, std::string>> pendingIndexes_;
};

std::string MenuJsonReader::where(bool innermost) const {
  std::string at;
  for (std::size_t k = 0; k < frames_.size(); ++k) {
    const Frame& frame = frames_[k];
    const bool last = k + 1 == frames_.size();
    if (last && !innermost) break;
    const bool list = frame.part == Part::Images || frame.part == Part::Tabs || frame.part == Part::Nodes ||
                      frame.part == Part::Lines;
    if (!list) {
      at += (at.empty() ? "" : ".") + frame.key;
    } else if (frame.count > 0) {
      at += "[" + std::to_string(frame.count - 1) + "]";
    }
  }
  return at;
}

void MenuJsonReader::scalar(const Value& value) {
  if (frames_.empty()) throw MenuJsonError("the menu must be a JSON object");
  Frame& top = frames_.back();
  if (top.part == Part::Images || top.part == Part::Tabs || top.part == Part::Nodes || top.part == Part::Lines) {
    item(value);
  } else {
    field(value);
  }
}

void MenuJsonReader::begin(const Value& value) {
  if (frames_.empty()) {
    if (value.type != Value::Object || started_) throw MenuJsonError("the menu must be a JSON object");
    started_ = true;
    resetToNewMenu(menu_, akTabTree);  // the kind is set once read
    push(Part::Root);
    return;
  }
  scalar(value);
}

void MenuJsonReader::item(const Value& value) {
  Frame& list = frames_.back();
  ++list.count;
  switch (list.part) {
    case Part::Images: {
      if (value.type != Value::String) throw KeyError{where(false), "must be a list of file paths"};
      if (menu_.Images.AddImage(*value.text) < 0) {
        throw MenuJsonError("\"ImageFiles\": " + *value.text + " is not a readable 16 x 16 GIF or JPEG picture");
      }
      return;
    }
    case Part::Lines:
      if (value.type != Value::String) throw KeyError{where(false), "must be a list of strings"};
      list.lines->push_back(std::move(*value.text));
      return;
    case Part::Tabs: {
      if (value.type != Value::Object) throw KeyError{where(true), "must be an object"};
      TAppletPage& tab = menu_.AddTab(kNewTabCaption);
      push(Part::Tab);
      frames_.back().tab = &tab;
      return;
    }
    case Part::Nodes: {
      if (value.type != Value::Object) throw KeyError{where(true), "must be an object"};
      TreeNode& node = list.node->appendChild("");
      push(Part::Node);
      frames_.back().node = &node;
      return;
    }
    default: return;
  }
}

void MenuJsonReader::endArray() {
  const Frame& list = frames_.back();
  if (list.part == Part::Tabs) {
    if (menu_.tabCount() == 0) throw KeyError{where(false), "must hold at least one tab"};
    menu_.setCurrentTab(0);
  } else if (list.part == Part::Nodes && list.tab) {
    list.tab->Nodes.selectFirst();
  } else if (list.part == Part::Images) {
    imagesKnown_ = true;
  }
  frames_.pop_back();
}

void MenuJsonReader::field(const Value& value) {
  Frame& top = frames_.back();
  try {
    switch (top.part) {
      case Part::Root: return rootField(value);
      case Part::Settings: return settingsField(value, menu_.Settings);
      case Part::Tab: return tabField(value, *top.tab);
      case Part::TabPage: {
        KeyMatch key(top);
        TTabPage& page = frames_[frames_.size() - 2].tab->TabPage;
        if (linkField(key, value, page.StatusText, page.URL1, page.Target1, page.URL2, page.Target2)) return;
        if (key.is("OnDemand")) return text(value, page.OnDemand);
        break;
      }
      case Part::Node: return nodeField(value, *top.node);
      case Part::NodeData: {
        KeyMatch key(top);
        TAppletNode& data = top.node->Data;
        if (linkField(key, value, data.StatusText, data.URL1, data.Target1, data.URL2, data.Target2)) return;
        if (key.is("CollapsedImage")) return imageIndex(value, data.CollapsedImage);
        if (key.is("ExpandedImage")) return imageIndex(value, data.ExpandedImage);
        if (key.is("OpenExpanded")) return flag(value, data.OpenExpanded);
        break;
      }
      case Part::Document: return documentField(value);
      default: return;
    }
  } catch (KeyError& error) {
    if (error.key.empty()) error.key = where(true);
    throw;
  }
  fail("unknown key");
}

void MenuJsonReader::rootField(const Value& value) {
  static const std::map<std::string, TAppletKind> kinds = {
      {"akTab", akTab}, {"akTree", akTree}, {"akTabTree", akTabTree}};
  KeyMatch key(frames_.back());
  if (key.is("Kind")) {
    auto found = value.type == Value::String ? kinds.find(*value.text) : kinds.end();
    if (found == kinds.end()) fail("must be \"akTab\", \"akTree\" or \"akTabTree\"");
    kind_ = found->second;
    return;
  }
  if (key.is("ImageFiles")) {
    expect(value, Value::Array, "must be a list of file paths");
    push(Part::Images);
    return;
  }
  if (key.is("Settings")) {
    expect(value, Value::Object, "must be an object");
    push(Part::Settings);
    return;
  }
  if (key.is("Tabs")) {
    expect(value, Value::Array, "must be a list of tabs");
    menu_.removeTab(0);
    push(Part::Tabs);
    return;
  }
  if (key.is("Document")) {
    expect(value, Value::Object, "must be an object");
    push(Part::Document);
    return;
  }
  fail("unknown key");
}

void MenuJsonReader::settingsField(const Value& value, TAppletSettings& s) {
  KeyMatch key(frames_.back());
  const char* outside = "lies outside the page's folder; it must be a folder below it, such as \"java/\"";
  const auto soundName = [](const std::string& name) { return name.empty() || isPlainFileName(name); };
  const char* notAName = "must be a file name without a folder";
  if (key.is("Width")) return digits(value, s.Width);
  if (key.is("Height")) return digits(value, s.Height);
  if (key.is("Codebase")) return ruledText(value, s.Codebase, isSiteRelativeFolder, outside);
  if (key.is("ImageDir")) return ruledText(value, s.ImageDir, isSiteRelativeFolder, outside);
  if (key.is("ProxyEnhanced")) return flag(value, s.ProxyEnhanced);
  if (key.is("ContentInFile")) return flag(value, s.ContentInFile);
  if (key.is("ClickSound")) return text(value, s.ClickSound);
  if (key.is("ClickSoundName")) return ruledText(value, s.ClickSoundName, soundName, notAName);
  if (key.is("OverSound")) return text(value, s.OverSound);
  if (key.is("OverSoundName")) return ruledText(value, s.OverSoundName, soundName, notAName);
  if (key.is("TabOnBottom")) return flag(value, s.TabOnBottom);
  if (key.is("ShowTabsOnly")) return flag(value, s.ShowTabsOnly);
  if (key.is("DefaultTab")) {
    s.DefaultTab = static_cast<std::int32_t>(integer(value, -1, INT32_MAX));
    return;
  }
  if (key.is("TabFontName")) return text(value, s.TabFontName);
  if (key.is("TabFontSize")) return digits(value, s.TabFontSize);
  if (key.is("TabBackColor")) return color(value, s.TabBackColor);
  if (key.is("TabTextColor")) return color(value, s.TabTextColor);
  if (key.is("TabMouseOverColor")) return color(value, s.TabMouseOverColor);
  if (key.is("TabBackImage")) return text(value, s.TabBackImage);
  if (key.is("TreeFontName")) return text(value, s.TreeFontName);
  if (key.is("TreeFontSize")) return digits(value, s.TreeFontSize);
  if (key.is("TreeBackColor")) return color(value, s.TreeBackColor);
  if (key.is("TreeTextColor")) return color(value, s.TreeTextColor);
  if (key.is("TreeSelBackColor")) return color(value, s.TreeSelBackColor);
  if (key.is("TreeSelTextColor")) return color(value, s.TreeSelTextColor);
  if (key.is("TooltipBackColor")) return color(value, s.TooltipBackColor);
  if (key.is("TooltipTextColor")) return color(value, s.TooltipTextColor);
  if (key.is("MouseOverColor")) return color(value, s.MouseOverColor);
  if (key.is("LineColor")) return color(value, s.LineColor);
  if (key.is("LeafColor")) return color(value, s.LeafColor);
  if (key.is("FolderClosedColor")) return color(value, s.FolderClosedColor);
  if (key.is("FolderOpenColor")) return color(value, s.FolderOpenColor);
  if (key.is("MouseOverFrameColor")) return color(value, s.MouseOverFrameColor);
  if (key.is("TreeBackImage")) return text(value, s.TreeBackImage);
  if (key.is("ShowBorder")) return flag(value, s.ShowBorder);
  if (key.is("ShowTooltip")) return flag(value, s.ShowTooltip);
  if (key.is("DoubleClickExpand")) return flag(value, s.DoubleClickExpand);
  if (key.is("StartExpanded")) return flag(value, s.StartExpanded);
  if (key.is("MouseOverFrame")) {
    static const std::map<std::string, TMouseOverFrame> frames = {
        {"none", TMouseOverFrame::None}, {"rect", TMouseOverFrame::Rect}, {"line", TMouseOverFrame::Line}};
    auto found = value.type == Value::String ? frames.find(*value.text) : frames.end();
    if (found == frames.end()) fail("must be \"none\", \"rect\" or \"line\"");
    s.MouseOverFrame = found->second;
    return;
  }
  if (key.is("ToggleSymbol")) return letter(value, s.ToggleSymbol, "XABCDEF");
  if (key.is("LeafSymbol")) return flag(value, s.LeafSymbol);
  if (key.is("LineStyle")) return letter(value, s.LineStyle, "XAB");
  if (key.is("UseIcons")) return flag(value, s.UseIcons);
  if (key.is("DefFolderClosed")) return imageIndex(value, s.DefFolderClosed);
  if (key.is("DefFolderOpen")) return imageIndex(value, s.DefFolderOpen);
  if (key.is("DefLeaf")) return imageIndex(value, s.DefLeaf);
  fail("unknown key");
}

void MenuJsonReader::tabField(const Value& value, TAppletPage& tab) {
  KeyMatch key(frames_.back());
  if (key.is("Caption")) return text(value, tab.Caption);
  if (key.is("TabPage")) {
    expect(value, Value::Object, "must be an object");
    push(Part::TabPage);
    return;
  }
  if (key.is("Nodes")) {
    expect(value, Value::Array, "must be a list of nodes");
    tab.Nodes.clear();
    push(Part::Nodes);
    frames_.back().tab = &tab;
    frames_.back().node = &tab.Nodes.root();
    return;
  }
  fail("unknown key");
}

void MenuJsonReader::nodeField(const Value& value, TreeNode& node) {
  KeyMatch key(frames_.back());
  if (key.is("Text")) return text(value, node.Text);
  if (key.is("Data")) {
    expect(value, Value::Object, "must be an object");
    push(Part::NodeData);
    frames_.back().node = &node;
    return;
  }
  if (key.is("Children")) {
    expect(value, Value::Array, "must be a list of nodes");
    push(Part::Nodes);
    frames_.back().node = &node;
    return;
  }
  fail("unknown key");
}

bool MenuJsonReader::linkField(KeyMatch& key, const Value& value, std::string& status, std::string& url1,
                               std::string& target1, std::string& url2, std::string& target2) {
  std::string* field = key.is("StatusText") ? &status
                       : key.is("URL1")     ? &url1
                       : key.is("Target1")  ? &target1
                       : key.is("URL2")     ? &url2
                       : key.is("Target2")  ? &target2
                                            : nullptr;
  if (field) text(value, *field);
  return field != nullptr;
}

void MenuJsonReader::documentField(const Value& value) {
  KeyMatch key(frames_.back());
  DocumentState& document = menu_.Document;
  if (key.is("PagePath")) return text(value, document.PagePath);
  std::vector<std::string>* lines = key.is("HeaderLines")   ? &document.HeaderLines
                                    : key.is("FooterLines") ? &document.FooterLines
                                                            : nullptr;
  if (lines) {
    expect(value, Value::Array, "must be a list of strings");
    lines->clear();
    push(Part::Lines);
    frames_.back().lines = lines;
    return;
  }
  if (key.is("BodyTag")) return text(value, document.BodyTag);
  fail("unknown key");
}

void MenuJsonReader::text(const Value& value, std::string& field) {
  if (value.type != Value::String) fail("must be a string");
  field = std::move(*value.text);
}

void MenuJsonReader::ruledText(const Value& value, std::string& field, bool (*keeps)(const std::string&),
                               const char* rule) {
  if (value.type != Value::String) fail("must be a string");
  if (!keeps(*value.text)) fail("\"" + *value.text + "\" " + rule);
  field = std::move(*value.text);
}

void MenuJsonReader::digits(const Value& value, std::string& field) {
  if (value.type != Value::String) fail("must be a string");
  if (value.text->empty() || value.text->find_first_not_of("0123456789") != std::string::npos) fail("must be digits");
  field = std::move(*value.text);
}

void MenuJsonReader::flag(const Value& value, bool& field) {
  if (value.type != Value::Boolean) fail("must be true or false");
  field = value.flag;
}

std::int64_t MenuJsonReader::integer(const Value& value, std::int64_t low, std::int64_t high) {
  if (!value.isInteger()) fail("must be a whole number");
  const bool fits = value.type == Value::Signed || value.whole <= static_cast<std::uint64_t>(INT64_MAX);
  const std::int64_t number = value.type == Value::Signed ? value.integer : static_cast<std::int64_t>(value.whole);
  if (!fits || number < low || number > high) {
    fail("must be from " + std::to_string(low) + " to " + std::to_string(high));
  }
  return number;
}

// An index into "ImageFiles"; while the list is still to come, it is checked
// once the whole text was read.
void MenuJsonReader::imageIndex(const Value& value, std::int32_t& field) {
  const int images = menu_.Images.count();
  field = static_cast<std::int32_t>(integer(value, -1, imagesKnown_ ? images - 1 : INT32_MAX));
  if (!imagesKnown_ && field >= 0 && (pendingIndexes_.empty() || field > pendingIndexes_.back().first)) {
    pendingIndexes_.emplace_back(field, where(true));
  }
}

void MenuJsonReader::color(const Value& value, Color& field) {
  if (value.type != Value::Unsigned || value.whole > 0xFFFFFF) fail("must be a colour from 0 to 16777215 (0x00BBGGRR)");
  field = static_cast<Color>(value.whole);
}

void MenuJsonReader::letter(const Value& value, char& field, const std::string& allowed) {
  if (value.type != Value::String || value.text->size() != 1 || allowed.find((*value.text)[0]) == std::string::npos) {
    fail("must be one of the letters " + allowed);
  }
  field = (*value.text)[0];
}

// The value must open the object or list the key wants.
void MenuJsonReader::expect(const Value& value, Value::Type type, const char* refusal) {
  if (value.type != type) fail(refusal);
}

void MenuJsonReader::finish() {
  if (!kind_) throw KeyError{"Kind", "missing; it must be \"akTab\", \"akTree\" or \"akTabTree\""};
  const int images = menu_.Images.count();
  for (const auto& [index, at] : pendingIndexes_) {
    if (index >= images) throw KeyError{at, "must be from -1 to " + std::to_string(images - 1)};
  }
  menu_.Settings.Kind = *kind_;
}

template <typename Input>
void readMenu(Input& input, MenuModel& menu) {
  MenuJsonReader reader(menu);
  try {
    parseJson(input, reader);
    reader.finish();
  } catch (const KeyError& error) {
    throw MenuJsonError("\"" + error.key + "\": " + error.what);
  } catch (const JsonSyntaxError& error) {
    throw MenuJsonError(std::string("not valid JSON: ") + error.what());
  }
}

}  // namespace

void menuFromJson(const std::string& text, MenuModel& menu) {
  const std::string_view view(text);
  readMenu(view, menu);
}

void menuFromJson(std::istream& in, MenuModel& menu) { readMenu(in, menu); }

}  // namespace quillon
