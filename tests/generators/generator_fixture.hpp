#pragma once
// A menu with its page in a temporary site folder, the shipped templates as
// the program folder, and helpers to build trees by outline.
#include <string>
#include <utility>
#include <vector>

#include "generators/generation.hpp"
#include "model/menu_model.hpp"
#include "ports/browser.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon::testing {

// Caption and level, in page order.
using Outline = std::vector<std::pair<std::string, int>>;

// Replaces the tree's nodes by the outline; returns the nodes in page order.
std::vector<TreeNode*> buildTree(NodeTree& tree, const Outline& outline);

class GeneratorFixture {
 public:
  TempDir temp;
  ScriptedUi ui;
  MenuModel menu;
  PageStyle style;
  GeneratorContext context;

  // The menu's page is temp/site/index.htm; the program folder is the shipped one.
  explicit GeneratorFixture(TAppletKind kind = akTree);

  std::string site(const std::string& name = "") const { return temp.file("site/" + name); }
  std::vector<std::string> lines(const std::string& name) const;

  // A Tree menu of the outline, or a Tab&Tree menu with one outline per tab.
  void treeMenu(const Outline& outline);
  void tabTreeMenu(const std::vector<std::pair<std::string, Outline>>& tabs);
  void tabMenu(const std::vector<std::string>& captions);

  // Uses a program folder of its own whose resource/ holds these templates.
  void useTemplates(const std::vector<std::pair<std::string, std::string>>& files);
};

class RecordingBrowser : public Browser {
 public:
  std::vector<std::string> opened;
  void open(const std::string& url) override { opened.push_back(url); }
};

// The lines from the first one equal to start (exclusive) on.
std::vector<std::string> linesAfter(const std::vector<std::string>& lines, const std::string& start, std::size_t count);

}  // namespace quillon::testing
