#include "format/menu_json.hpp"

#include <sstream>

#include "format/json_text_writer.hpp"

namespace quillon {

namespace {

void writeLinkFields(JsonTextWriter& out, const std::string& status, const std::string& url1,
                     const std::string& target1, const std::string& url2, const std::string& target2) {
  out.key("StatusText");
  out.string(status);
  out.key("URL1");
  out.string(url1);
  out.key("Target1");
  out.string(target1);
  out.key("URL2");
  out.string(url2);
  out.key("Target2");
  out.string(target2);
}

void writeNodeData(JsonTextWriter& out, const TAppletNode& d) {
  out.beginObject();
  writeLinkFields(out, d.StatusText, d.URL1, d.Target1, d.URL2, d.Target2);
  out.key("CollapsedImage");
  out.number(d.CollapsedImage);
  out.key("ExpandedImage");
  out.number(d.ExpandedImage);
  out.key("OpenExpanded");
  out.boolean(d.OpenExpanded);
  out.endObject();
}

// The nodes below parent as a list; the lists being written are kept on a
// stack of our own instead of the call stack.
void writeNodes(JsonTextWriter& out, const TreeNode& parent) {
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
    out.string(child.Text);
    out.key("Data");
    writeNodeData(out, child.Data);
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

void writeSettings(JsonTextWriter& out, const TAppletSettings& s) {
  const auto text = [&out](const char* key, std::string_view value) {
    out.key(key);
    out.string(value);
  };
  const auto flag = [&out](const char* key, bool value) {
    out.key(key);
    out.boolean(value);
  };
  const auto number = [&out](const char* key, std::int64_t value) {
    out.key(key);
    out.number(value);
  };
  out.beginObject();
  text("Width", s.Width);
  text("Height", s.Height);
  text("Codebase", s.Codebase);
  text("ImageDir", s.ImageDir);
  flag("ProxyEnhanced", s.ProxyEnhanced);
  flag("ContentInFile", s.ContentInFile);
  text("ClickSound", s.ClickSound);
  text("ClickSoundName", s.ClickSoundName);
  text("OverSound", s.OverSound);
  text("OverSoundName", s.OverSoundName);
  flag("TabOnBottom", s.TabOnBottom);
  flag("ShowTabsOnly", s.ShowTabsOnly);
  number("DefaultTab", s.DefaultTab);
  text("TabFontName", s.TabFontName);
  text("TabFontSize", s.TabFontSize);
  number("TabBackColor", s.TabBackColor);
  number("TabTextColor", s.TabTextColor);
  number("TabMouseOverColor", s.TabMouseOverColor);
  text("TabBackImage", s.TabBackImage);
  text("TreeFontName", s.TreeFontName);
  text("TreeFontSize", s.TreeFontSize);
  number("TreeBackColor", s.TreeBackColor);
  number("TreeTextColor", s.TreeTextColor);
  number("TreeSelBackColor", s.TreeSelBackColor);
  number("TreeSelTextColor", s.TreeSelTextColor);
  number("TooltipBackColor", s.TooltipBackColor);
  number("TooltipTextColor", s.TooltipTextColor);
  number("MouseOverColor", s.MouseOverColor);
  number("LineColor", s.LineColor);
  number("LeafColor", s.LeafColor);
  number("FolderClosedColor", s.FolderClosedColor);
  number("FolderOpenColor", s.FolderOpenColor);
  number("MouseOverFrameColor", s.MouseOverFrameColor);
  text("TreeBackImage", s.TreeBackImage);
  flag("ShowBorder", s.ShowBorder);
  flag("ShowTooltip", s.ShowTooltip);
  flag("DoubleClickExpand", s.DoubleClickExpand);
  flag("StartExpanded", s.StartExpanded);
  text("MouseOverFrame", frameName(s.MouseOverFrame));
  text("ToggleSymbol", std::string_view(&s.ToggleSymbol, 1));
  flag("LeafSymbol", s.LeafSymbol);
  text("LineStyle", std::string_view(&s.LineStyle, 1));
  flag("UseIcons", s.UseIcons);
  number("DefFolderClosed", s.DefFolderClosed);
  number("DefFolderOpen", s.DefFolderOpen);
  number("DefLeaf", s.DefLeaf);
  out.endObject();
}

const char* kindName(TAppletKind kind) {
  switch (kind) {
    case akTab: return "akTab";
    case akTree: return "akTree";
    case akTabTree: break;
  }
  return "akTabTree";
}

}  // namespace

void writeMenuJson(const MenuModel& menu, std::ostream& stream) {
  JsonTextWriter out(stream);
  out.beginObject();
  out.key("Kind");
  out.string(kindName(menu.Settings.Kind));
  out.key("Settings");
  writeSettings(out, menu.Settings);
  out.key("ImageFiles");
  out.strings(menu.Images.ImageFiles());
  out.key("Tabs");
  out.beginArray();
  for (int i = 0; i < menu.tabCount(); ++i) {
    const TAppletPage& tab = menu.tab(i);
    const TTabPage& t = tab.TabPage;
    out.beginObject();
    out.key("Caption");
    out.string(tab.Caption);
    out.key("TabPage");
    out.beginObject();
    writeLinkFields(out, t.StatusText, t.URL1, t.Target1, t.URL2, t.Target2);
    out.key("OnDemand");
    out.string(t.OnDemand);
    out.endObject();
    out.key("Nodes");
    writeNodes(out, tab.Nodes.root());
    out.endObject();
  }
  out.endArray();
  out.key("Document");
  out.beginObject();
  out.key("PagePath");
  out.string(menu.Document.PagePath);
  out.key("HeaderLines");
  out.strings(menu.Document.HeaderLines);
  out.key("FooterLines");
  out.strings(menu.Document.FooterLines);
  out.key("BodyTag");
  out.string(menu.Document.BodyTag);
  out.endObject();
  out.endObject();
  out.finish();
}

std::string menuToJson(const MenuModel& menu) {
  std::ostringstream out;
  writeMenuJson(menu, out);
  return out.str();
}

}  // namespace quillon
