#include "generators/tree_node_lines.hpp"

#include <algorithm>

namespace quillon {

namespace {

// A list of node indexes kept back to front, so that putting a node in front
// of the list, the common step, is an append.
using ReversedList = std::vector<std::size_t>;

const std::string kOpening = " = new createNodeObject('";
const std::string kBetween = "', '";
const std::string kEmptyLast = "', ''";

void appendList(ReversedList& list, const ReversedList& more) { list.insert(list.end(), more.begin(), more.end()); }

std::string joinIds(const std::vector<TreeScriptNode>& nodes, const ReversedList& list) {
  std::string text;
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if (!text.empty()) text += ", ";
    text += nodes[*it].id;
  }
  return text;
}

}  // namespace

std::vector<std::string> treeNodeLines(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root) {
  std::vector<std::string> lines;
  lines.reserve(nodes.size() + 1);
  // pending[L]: the later siblings at level L waiting for their parent;
  // group: the siblings read so far at the previous level.
  std::vector<ReversedList> pending(1);
  ReversedList group;
  std::size_t previousLevel = 0;

  for (std::size_t k = nodes.size(); k-- > 0;) {
    const TreeScriptNode& node = nodes[k];
    const std::size_t level = node.level > 0 ? static_cast<std::size_t>(node.level) : 0;
    if (pending.size() <= std::max(level, previousLevel)) pending.resize(std::max(level, previousLevel) + 1);

    std::string line;
    line.reserve(2 * node.id.size() + node.url.size() + node.caption.size() + node.status.size() + 64);
    for (const std::string* piece : {&node.id, &kOpening, &node.id, &kBetween, &node.url, &kBetween, &node.caption,
                                     &kBetween, &node.status, &kEmptyLast}) {
      line += *piece;
    }
    if (level < previousLevel) {
      // The node holds the group below it, and the siblings that followed the group.
      ReversedList children = std::move(pending[previousLevel]);
      pending[previousLevel].clear();
      appendList(children, group);
      line += ", " + joinIds(nodes, children) + ");";
      group.clear();
      if (level > 0) group.push_back(k);
    } else {
      line += ");";
      if (level > 0) {
        if (previousLevel < level) {
          if (previousLevel > 0) appendList(pending[previousLevel], group);
          group.assign(1, k);
        } else {
          group.push_back(k);
        }
      }
    }

    if (k == 0) {
      std::string rootLine = "rootNode = new createNodeObject('root', '', '" + root.caption + "', '" + root.status +
                             "', ''";
      if (nodes.size() == 1 || root.firstNodeOnly || pending[0].empty()) {
        rootLine += ", " + node.id + ");";
      } else {
        rootLine += ", " + node.id + ", " + joinIds(nodes, pending[0]) + ");";
      }
      lines.push_back(std::move(line));
      lines.push_back(std::move(rootLine));
    } else {
      lines.push_back(std::move(line));
    }
    if (level == 0) pending[0].push_back(k);
    previousLevel = level;
  }
  return lines;
}

}  // namespace quillon
