#include "indexer/local_files.hpp"

#include <algorithm>
#include <stdexcept>

#include "format/text_helpers.hpp"
#include "indexer/page_text.hpp"
#include "indexer/tree_nodes.hpp"
#include "indexer/url_rules.hpp"

namespace quillon {

namespace {

std::string titleOfFile(const std::string& file) {
  std::string bytes;
  if (!readRegularFile(file, bytes)) return {};
  const std::optional<std::string> text = pageTextFromBytes(bytes);
  return text ? getHTMLTitle(*text) : std::string();
}

std::string withForwardSlashes(std::string text) {
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

}  // namespace

NewNode localFileNode(const std::string& file, const LocalFilesSettings& settings, const LinkPathFor& linkPath) {
  const std::string name = localFileName(file);
  const bool page = isHTMLFile(file);
  const std::string title = page && (settings.NodeText == kHTMLFileTitle || settings.Statusbar == kHTMLFileTitle)
                                ? titleOfFile(file)
                                : std::string();
  NewNode node;
  if (settings.NodeText == kFileName) {
    node.text = name;
  } else if (settings.NodeText == kURL) {
    node.text = linkPath(file);
  } else if (!page) {
    node.text = name;
  } else if (settings.NodeText == kHTMLFileTitle) {
    // A width that is no number gives the file name.
    const std::optional<long long> width = parseWholeNumber(settings.MaxWidth);
    node.text = width ? leadingCharacters(title, *width) : name;
  }

  if (settings.Statusbar == kFileName) {
    node.statusText = name;
  } else if (settings.Statusbar == kURL || !page) {
    node.statusText = linkPath(file);
  } else if (settings.Statusbar == kHTMLFileTitle) {
    node.statusText = title;
  }

  node.link = settings.Link == kFileName ? name : linkPath(file);
  if (node.statusText.empty()) node.statusText = name;
  if (node.text.empty()) node.text = name;
  node.text = withForwardSlashes(node.text);
  node.link = withForwardSlashes(node.link);
  node.target = settings.Target;
  return node;
}

bool addLocalFiles(const std::vector<std::string>& files, LocalFilesSettings& settings,
                   LocalFilesSurroundings& surroundings) {
  UserInterface& ui = surroundings.ui;
  BusyGuard cursor(ui);
  surroundings.state.indicator.start();
  try {
    TAppletPage* tab = surroundings.menu.CurrentTab();
    if (tab == nullptr) throw std::runtime_error("the menu has no tree");
    for (const std::string& file : files) {
      ui.processEvents();
      settings.LocalDir = extractFilePath(file);
      addTreeNode(tab->Nodes, surroundings.menu.Settings, localFileNode(file, settings, surroundings.linkPath),
                  nullptr);
    }
    surroundings.state.indicator.stop();
    ui.message(MessageKind::Information, "Files successfully added");
    return true;
  } catch (const std::exception&) {
    surroundings.state.indicator.stop();
    ui.message(MessageKind::Information, "An Error occoured");
    return false;
  }
}

}  // namespace quillon
