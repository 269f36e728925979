#include "generators/tree_node_lines.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace quillon {

namespace {

// A list of node indexes kept back to front, so that putting a node in front
// of the list, the common step, is an append.
using ReversedList = std::vector<std::size_t>;

// How many lines ahead a node's texts are asked for.
constexpr std::size_t kAhead = 8;

constexpr std::string_view kOpening = " = new createNodeObject('";
constexpr std::string_view kBetween = "', '";
constexpr std::string_view kEmptyLast = "', ''";

void appendList(ReversedList& list, const ReversedList& more) { list.insert(list.end(), more.begin(), more.end()); }

// Copies size bytes, from one to two words of them, as two words that
// overlap in the middle: nothing is read or written outside.
template <typename Word>
void copyAsTwoWords(char* to, const char* from, std::size_t size) {
  Word head;
  Word tail;
  std::memcpy(&head, from, sizeof head);
  std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
  std::memcpy(to, &head, sizeof head);
  std::memcpy(to + size - sizeof tail, &tail, sizeof tail);
}

// Copies a few bytes inline: most pieces of a line are a dozen bytes or less,
// too short to be worth a call.
inline void copyBytes(char* to, const char* from, std::size_t size) {
  if (size > 16) {
    std::memcpy(to, from, size);
  } else if (size >= 8) {
    copyAsTwoWords<std::uint64_t>(to, from, size);
  } else if (size >= 4) {
    copyAsTwoWords<std::uint32_t>(to, from, size);
  } else {
    for (std::size_t k = 0; k < size; ++k) to[k] = from[k];
  }
}

// Appends a line's pieces through a pointer into room made once for all of
// them: the lines of a large menu are millions of small pieces, too many for
// a call and a check each.
void put(std::string& out, std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (const std::string_view piece : pieces) size += piece.size();
  const std::size_t used = out.size();
  out.resize(used + size);
  char* at = out.data() + used;
  for (const std::string_view piece : pieces) {
    copyBytes(at, piece.data(), piece.size());
    at += piece.size();
  }
}

// ", " and the identifiers of the list, in menu order.
void appendIds(std::string& out, const std::vector<TreeScriptNode>& nodes, const ReversedList& list) {
  for (auto it = list.rbegin(); it != list.rend(); ++it) put(out, {", ", nodes[*it].id});
}

// The room the lines take, for sizing a buffer that holds them whole.
std::size_t treeNodeTextBound(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root) {
  std::size_t size = 0;
  for (const TreeScriptNode& node : nodes) {
    // The line itself, and the identifier once more in its parent's line.
    size += 3 * node.id.size() + node.url.size() + node.caption.size() + node.status.size() + 64;
  }
  return size + root.caption.size() + root.status.size() + 64;
}

}  // namespace

std::string treeNodeText(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root) {
  std::string text;
  text.reserve(treeNodeTextBound(nodes, root));
  appendTreeNodeText(text, nodes, root, {});
  return text;
}

void appendTreeNodeText(std::string& text, const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root,
                        const TreeTextDrain& drain) {
  // pending[L]: the later siblings at level L waiting for their parent;
  // group: the siblings read so far at the previous level.
  std::vector<ReversedList> pending(1);
  ReversedList group;
  std::size_t previousLevel = 0;

  for (std::size_t k = nodes.size(); k-- > 0;) {
    const TreeScriptNode& node = nodes[k];
    // The texts are mostly the menu's own, spread over memory: asking for
    // those of a node some lines ahead hides most of the wait for them.
    if (k >= kAhead) {
      for (const std::string_view text : {nodes[k - kAhead].url, nodes[k - kAhead].caption, nodes[k - kAhead].status}) {
        __builtin_prefetch(text.data());
      }
    }
    const std::size_t level = node.level > 0 ? static_cast<std::size_t>(node.level) : 0;
    if (pending.size() <= std::max(level, previousLevel)) pending.resize(std::max(level, previousLevel) + 1);

    put(text, {k + 1 < nodes.size() ? "\r\n" : "", node.id, kOpening, node.id, kBetween, node.url, kBetween,
             node.caption, kBetween, node.status, kEmptyLast});
    if (level < previousLevel) {
      // The node holds the group below it, and the siblings that followed the group.
      ReversedList children = std::move(pending[previousLevel]);
      pending[previousLevel].clear();
      appendList(children, group);
      appendIds(text, nodes, children);
      text += ");";
      group.clear();
      if (level > 0) group.push_back(k);
    } else {
      text += ");";
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
      put(text, {"\r\nrootNode = new createNodeObject('root', '', '", root.caption, kBetween, root.status, kEmptyLast,
               ", ", node.id});
      if (nodes.size() != 1 && !root.firstNodeOnly) appendIds(text, nodes, pending[0]);
      text += ");";
    }
    if (level == 0) pending[0].push_back(k);
    previousLevel = level;
    if (drain && text.size() >= kTreeTextPiece) drain(text);
  }
}

}  // namespace quillon
