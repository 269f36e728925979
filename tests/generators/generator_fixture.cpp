#include "generator_fixture.hpp"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "format/text_helpers.hpp"

namespace quillon::testing {

std::vector<TreeNode*> buildTree(NodeTree& tree, const Outline& outline) {
  tree.clear();
  std::vector<TreeNode*> nodes;
  std::vector<TreeNode*> parents{&tree.root()};
  for (const auto& [caption, level] : outline) {
    parents.resize(static_cast<std::size_t>(level) + 1);
    TreeNode& node = parents.back()->appendChild(caption);
    nodes.push_back(&node);
    parents.push_back(&node);
  }
  tree.selectFirst();
  return nodes;
}

GeneratorFixture::GeneratorFixture(TAppletKind kind) : context{menu, ui, style, QUILLON_SHIPPED_DIR} {
  std::filesystem::create_directories(site());
  resetToNewMenu(menu, kind);
  menu.Document.PagePath = site("index.htm");
}

std::vector<std::string> GeneratorFixture::lines(const std::string& name) const {
  const std::string text = readFile(site(name));
  std::vector<std::string> result;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) throw std::runtime_error(name + " has a line without CR LF");
    result.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return result;
}

void GeneratorFixture::treeMenu(const Outline& outline) {
  resetToNewMenu(menu, akTree);
  menu.Document.PagePath = site("index.htm");
  buildTree(menu.tab(0).Nodes, outline);
}

void GeneratorFixture::tabTreeMenu(const std::vector<std::pair<std::string, Outline>>& tabs) {
  resetToNewMenu(menu, akTabTree);
  menu.Document.PagePath = site("index.htm");
  menu.removeTab(0);
  for (const auto& [caption, outline] : tabs) buildTree(menu.AddTab(caption).Nodes, outline);
}

void GeneratorFixture::tabMenu(const std::vector<std::string>& captions) {
  resetToNewMenu(menu, akTab);
  menu.Document.PagePath = site("index.htm");
  menu.removeTab(0);
  for (const auto& caption : captions) menu.AddTab(caption);
}

void GeneratorFixture::useTemplates(const std::vector<std::pair<std::string, std::string>>& files) {
  const std::string program = temp.file("program/");
  std::filesystem::create_directories(program + "resource");
  for (const auto& [name, text] : files) writeFile(program + "resource/" + name, text);
  context.programFolder = program;
}

std::vector<std::string> linesAfter(const std::vector<std::string>& lines, const std::string& start, std::size_t count) {
  const auto at = std::find(lines.begin(), lines.end(), start);
  if (at == lines.end()) return {"<no line " + start + ">"};
  const auto first = at + 1;
  const auto last = static_cast<std::size_t>(lines.end() - first) < count ? lines.end() : first + static_cast<std::ptrdiff_t>(count);
  return {first, last};
}

}  // namespace quillon::testing
