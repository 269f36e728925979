#include "generators/treeview_generator.hpp"

#include <algorithm>
#include <charconv>
#include <deque>
#include <limits>

#include "format/html_escape.hpp"
#include "format/site_layout.hpp"
#include "format/text_helpers.hpp"
#include "format/write_behind.hpp"
#include "generators/menu_entries.hpp"
#include "generators/text_escape.hpp"
#include "generators/tree_node_lines.hpp"

namespace quillon {

namespace {

std::string scriptText(const std::string& text) { return escapeScriptString(text, '\''); }

// The three icons of the tree: the menu's default images when it uses icons,
// otherwise the shipped ones.
struct TreeIcons {
  bool fromMenu = false;
  std::string leaf;
  std::string folderClosed;
  std::string folderOpen;
};

TreeIcons treeIconsFor(const MenuModel& menu) {
  const TAppletSettings& settings = menu.Settings;
  const ImageList& images = menu.Images;
  TreeIcons icons;
  // Without all three pictures there is nothing to point every icon at.
  if (!settings.UseIcons || settings.Kind == akTab || !images.isValidIndex(settings.DefLeaf) ||
      !images.isValidIndex(settings.DefFolderClosed) || !images.isValidIndex(settings.DefFolderOpen)) {
    return icons;
  }
  // The pictures lie in the image folder; the page's own folder needs no prefix.
  const std::string& imageDir = settings.ImageDir.empty() ? settings.Codebase : settings.ImageDir;
  std::string folder;
  if (!isPageFolderSetting(imageDir)) {
    folder = withForwardSlashes(imageDir);
    if (folder.back() != '/') folder += '/';
  }
  auto file = [&](int index) { return folder + extractFileName(images.ImageFiles()[static_cast<std::size_t>(index)]); };
  icons.fromMenu = true;
  icons.leaf = file(settings.DefLeaf);
  icons.folderClosed = file(settings.DefFolderClosed);
  icons.folderOpen = file(settings.DefFolderOpen);
  return icons;
}

std::string imageVariable(const std::string& name, const std::string& source) {
  return "var " + name + " = '<IMG SRC=\"" + scriptText(escapeHtmlAttribute(source)) +
         "\" WIDTH=16 HEIGHT=16 BORDER=0 ALT=\"';";
}

std::string headerLine(const PageStyleForm& form) {
  if (form.useDefaultFonts) {
    return "var HMTLHeader = '<TABLE WIDTH=\"100%\"><TR><TD NOWRAP ALIGN=\"LEFT\"><FONT FACE=\"ARIAL\" SIZE=\"2\">"
           "<STRONG>'+Title+'</STRONG><br></FONT></TD></TR></TABLE>';";
  }
  // The title joins the script's own Title variable; only the font tags around it are escaped.
  static const std::string slot = "\x01";
  const std::string wrapped = fontWrap(slot, form.fontTitle);
  const std::size_t at = wrapped.find(slot);
  return "var HMTLHeader = '<TABLE WIDTH=\"100%\"><TR><TD NOWRAP ALIGN=\"LEFT\">" + scriptText(wrapped.substr(0, at)) +
         "'+Title+'" + scriptText(wrapped.substr(at + slot.size())) + "</TD></TR></TABLE>';";
}

// "ID", a tab's number, "_" and a record's number at most.
constexpr std::size_t kMaxNodeIdLength = 2 + std::numeric_limits<int>::digits10 + 2 + 1 +
                                         std::numeric_limits<std::size_t>::digits10 + 1;

void appendNodeId(std::string& out, int tabIndex, std::size_t recordNumber, bool separated) {
  char id[kMaxNodeIdLength];
  char* end = id;
  *end++ = 'I';
  *end++ = 'D';
  end = std::to_chars(end, id + sizeof id, tabIndex).ptr;
  // Past ten tabs "ID1" + "11" and "ID11" + "1" would meet.
  if (separated) *end++ = '_';
  end = std::to_chars(end, id + sizeof id, recordNumber).ptr;
  out.append(id, end);
}

// The caption as HTML inside its font tags, apostrophes made back-quotes.
void appendCaption(std::string& out, std::string_view caption, const StyleTags* font) {
  if (font) out += font->opening;
  if (caption.find('\'') == std::string_view::npos) {
    appendHtmlText(out, caption);
  } else {
    appendHtmlText(out, replaceQuotes(std::string(caption)));
  }
  if (font) out += font->closing;
}

}  // namespace

std::string treeFramesetLine(const TreeViewOptions& options) {
  return "<frameset " + std::string(options.showFrameLines ? "" : "framespacing=\"0\" frameborder=\"0\" border=\"0\"") +
         "cols=\"" + escapeHtmlAttribute(options.leftFrameWidth) + "," + escapeHtmlAttribute(options.mainFrameWidth) +
         "\">";
}

GenerationResult generateTreeView(const TreeViewOptions& options, GeneratorContext& context, bool preview) {
  namespace at = tree_lines;
  const MenuModel& menu = context.menu;
  UserInterface& ui = context.ui;
  const std::string title = replaceQuotes(options.title);
  const std::string folderName = replaceQuotes(options.firstFolderName);
  const std::string mouseOver = replaceQuotes(options.firstMouseOverTitle);

  GeneratedFiles files(menu);
  std::optional<PageLines> page = files.readTemplate(context.programFolder, "treex.htm");
  std::optional<PageLines> frameset = files.readTemplate(context.programFolder, "tree.htm");
  if (!page || !frameset) return files.result();
  const std::optional<std::size_t> nodesMarker = findLine(*frameset, "//Nodes");
  if (page->size() <= at::kPageRootName) {
    files.templateUnfit(context.programFolder, "treex.htm");
    return files.result();
  }
  if (frameset->size() <= at::kMainFrame || !nodesMarker) {
    files.templateUnfit(context.programFolder, "tree.htm");
    return files.result();
  }
  showPageStyle(context.style, false);
  const PageStyleForm& form = context.style.form;
  const bool plain = form.useDefaultFonts;
  auto wrapped = [plain](const std::string& text, const PageFont& font) { return plain ? text : fontWrap(text, font); };

  // The tree page.
  (*page)[at::kPageBody] = menu.Document.BodyTag;
  (*page)[at::kPageTitle] = wrapped(escapeHtmlText(title), form.fontTitle);
  const std::string rootCaption = wrapped(escapeHtmlText(folderName), form.fontLevel1);
  (*page)[at::kPageRootName] = rootCaption;

  const TreeIcons icons = treeIconsFor(menu);
  if (icons.fromMenu) {
    (*page)[at::kPageRootIcon] = "<IMG SRC=\"" + escapeHtmlAttribute(icons.folderClosed) + "\"";
    (*frameset)[at::kLeafImage] = imageVariable("imgLeaf", icons.leaf);
    (*frameset)[at::kFolderClosedImage] = imageVariable("imgFolderC", icons.folderClosed);
    (*frameset)[at::kFolderOpenImage] = imageVariable("imgFolderO", icons.folderOpen);
  } else {
    for (const char* image : {"Leaf.gif", "Folder95O.gif", "Folder95C.gif"}) {
      files.copyResource(context.programFolder, image, image);
    }
  }

  // The frameset page's settings for the tree script.
  (*frameset)[at::kBaseTarget] =
      "var HTMLBaseTarget = '<BASE TARGET=\"" + scriptText(escapeHtmlAttribute(options.mainFrameName)) + "\">';";
  (*frameset)[at::kBody] = "var HTMLBody = '" + scriptText(menu.Document.BodyTag) + "';";
  (*frameset)[at::kTitle] = "var Title = '" + scriptText(escapeHtmlText(title)) + "';";
  (*frameset)[at::kHeader] = headerLine(form);
  (*frameset)[at::kFrameset] = treeFramesetLine(options);
  (*frameset)[at::kTreeFrame] = "  <frame src=\"" + escapeHtmlAttribute(extractFileName(options.treePage)) +
                                "\" name=\"" + escapeHtmlAttribute(options.leftFrameName) + "\" " +
                                (options.showScrollbar ? "" : "scrolling=\"no\" ") +
                                "noresize marginwidth=\"0\" marginheight=\"0\" target=\"" +
                                escapeHtmlAttribute(options.mainFrameName) + "\">";
  (*frameset)[at::kMainFrame] = "  <frame src=\"" + escapeHtmlAttribute(options.mainPage) + "\" name=\"" +
                                escapeHtmlAttribute(options.mainFrameName) + "\">";

  // The nodes, below the "//Nodes" line.
  const bool separated = menu.Settings.Kind == akTabTree && menu.tabCount() > 10;
  const bool tabOfTabMenu = menu.Settings.Kind == akTab;
  const StyleTags fonts[] = {fontWrapping(form.fontLevel2), fontWrapping(form.fontLevel3)};
  // A node's texts are the menu's own where escaping leaves them as they are,
  // as it mostly does; the others are escaped into one buffer and their
  // views set once it stops growing.
  EntryReading reading;
  reading.tabRecords = true;
  reading.onEntry = [&ui] { ui.processEvents(); };
  const std::size_t count = menuEntryCount(menu, reading);
  std::vector<TreeScriptNode> nodes;
  nodes.reserve(count);
  std::string ids;
  std::vector<std::size_t> idEnds;
  idEnds.reserve(count);
  std::string escaped;
  struct EscapedPiece {
    std::size_t node;
    std::string_view TreeScriptNode::*field;
    std::size_t start;
    std::size_t end;
  };
  std::vector<EscapedPiece> escapedPieces;
  auto escape = [&](std::string_view TreeScriptNode::*field, std::string_view text) {
    const std::size_t start = escaped.size();
    appendScriptString(escaped, text, '\'');
    escapedPieces.push_back({nodes.size() - 1, field, start, escaped.size()});
  };
  auto scriptPiece = [&](std::string_view TreeScriptNode::*field, std::string_view text) {
    if (isPlainScriptText(text)) {
      nodes.back().*field = text;
    } else {
      escape(field, text);
    }
  };
  std::string caption;
  std::deque<std::string> changedTexts;
  visitMenuEntries(menu, reading, changedTexts, [&](const MenuEntry& entry) {
    const std::size_t k = nodes.size();
    TreeScriptNode& node = nodes.emplace_back();
    node.level = entry.level;
    // The tab records of a Tab&Tree menu count as tab 0 in their identifiers.
    appendNodeId(ids, entry.isTab && !tabOfTabMenu ? 0 : entry.tabIndex, k, separated);
    scriptPiece(&TreeScriptNode::url, entry.url);
    if (plain && isPlainScriptText(entry.caption) && entry.caption.find('&') == std::string_view::npos) {
      node.caption = entry.caption;
    } else {
      caption.clear();
      appendCaption(caption, entry.caption, plain ? nullptr : &fonts[entry.level == 0 ? 0 : 1]);
      escape(&TreeScriptNode::caption, caption);
    }
    if (!tabOfTabMenu) scriptPiece(&TreeScriptNode::status, entry.statusText);
    idEnds.push_back(ids.size());
  });
  std::size_t idStart = 0;
  for (std::size_t k = 0; k < nodes.size(); ++k) {
    nodes[k].id = std::string_view(ids).substr(idStart, idEnds[k] - idStart);
    idStart = idEnds[k];
  }
  for (const EscapedPiece& piece : escapedPieces) {
    nodes[piece.node].*piece.field = std::string_view(escaped).substr(piece.start, piece.end - piece.start);
  }
  const std::string rootText = scriptText(rootCaption);
  const std::string mouseOverText = scriptText(mouseOver);
  const TreeScriptRoot root{rootText, mouseOverText, menu.Settings.Kind == akTabTree && menu.tabCount() == 1};
  // The frameset page with its node lines, megabytes of them in a large menu,
  // written a piece at a time.
  auto writeFrameset = [&](int fd) {
    WriteBehind writer(fd);
    auto drain = [&writer](std::string& text) { writer.write(text); };
    std::string text;
    text.reserve(std::max(pageLinesSize(*frameset), kTreeTextPiece + kTreeTextPiece / 4));
    appendPageLines(text, *frameset, 0, *nodesMarker + 1);
    if (!nodes.empty()) {
      appendTreeNodeText(text, nodes, root, drain);
      text += "\r\n";
    }
    appendPageLines(text, *frameset, *nodesMarker + 1, frameset->size());
    drain(text);
    return writer.finish();
  };
  if (!files.writeFileFrom(outputName(options.framesetPage, preview), writeFrameset)) return files.result();
  files.writePage(extractFileName(options.treePage), *page);
  files.copyResource(context.programFolder, "main.htm", options.mainPage);
  files.copyResource(context.programFolder, "Space.gif", "Space.gif");
  return files.result();
}

}  // namespace quillon
