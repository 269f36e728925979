#include "format/node_entries.hpp"

#include "format/text_helpers.hpp"

namespace quillon {

bool parseInteger(const std::string& text, long long& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  const bool hex = i < text.size() && text[i] == '$';
  if (hex) ++i;
  if (i >= text.size()) return false;
  long long result = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    result = result * (hex ? 16 : 10) + digit;
    if (result > 0x7FFFFFFF) return false;
  }
  value = negative ? -result : result;
  return true;
}

namespace {

std::string item(const StringList& items, std::size_t index) { return index < items.size() ? items[index] : ""; }

// The page writes "None" for an empty link or target.
std::string linkField(const StringList& items, std::size_t index) {
  std::string value = item(items, index);
  return value == "None" ? "" : value;
}

int imageIndex(const std::string& piece, bool expanded, const ImagePieceResolver& images) {
  const std::string word = lowerAscii(piece);
  if (word.empty() || word == "none") return -1;
  if (word == "leaf") return images.leaf();
  if (word == "folder") return images.folder(expanded);
  return images.file(piece);
}

bool isSeparator(const std::string& entry) { return entry.substr(0, 3).find('*') != std::string::npos; }

}  // namespace

void readNodeEntries(const std::vector<std::string>& entries, NodeTree& tree, const ImagePieceResolver& images) {
  // The path from the root to the last inserted node: path[d] is its ancestor at depth d.
  std::vector<TreeNode*> path;
  long long previousLevel = 0;
  StringList items;
  for (const std::string& entry : entries) {
    if (isSeparator(entry)) continue;
    splitString(entry, ";", items);
    for (auto& piece : items) piece = trim(piece);
    long long level = 0;
    if (!parseInteger(item(items, 3), level)) continue;

    TAppletNode data;
    data.StatusText = item(items, 6);
    data.URL1 = linkField(items, 1);
    data.Target1 = linkField(items, 2);
    data.URL2 = linkField(items, 7);
    data.Target2 = linkField(items, 8);
    data.OpenExpanded = item(items, 9) == "YES";

    if (level == previousLevel) {
      if (!path.empty()) path.pop_back();  // a sibling of the last node
    } else if (level < previousLevel) {
      // Up to the ancestor whose depth is the entry's level; the node becomes its sibling.
      if (level < 0 || level >= static_cast<long long>(path.size())) continue;
      path.resize(static_cast<std::size_t>(level));
    }  // a greater level makes a child of the last node, however much greater
    TreeNode* parent = path.empty() ? &tree.root() : path.back();
    // Images are resolved only for entries that become nodes.
    data.CollapsedImage = imageIndex(item(items, 4), false, images);
    data.ExpandedImage = imageIndex(item(items, 5), true, images);
    TreeNode& node = parent->appendChild(item(items, 0), data);
    path.push_back(&node);
    previousLevel = level;
  }
  tree.selectFirst();
}

}  // namespace quillon
