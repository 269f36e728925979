#include "format/node_entries.hpp"

#include <algorithm>

#include "format/text_helpers.hpp"

namespace quillon {

bool parseInteger(std::string_view text, long long& value) {
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

// The pieces an entry is made of; the ones after these mean nothing to the menu.
constexpr std::size_t kPieces = 10;

// The entry split at ";" into its first pieces, each trimmed; a piece the entry
// lacks is empty, which every field reads as it reads a missing piece.
struct EntryPieces {
  std::string_view piece[kPieces];

  explicit EntryPieces(std::string_view entry) {
    for (std::size_t i = 0; i < kPieces && !entry.empty(); ++i) {
      const std::size_t end = std::min(entry.find(';'), entry.size());
      piece[i] = trimView(entry.substr(0, end));
      entry.remove_prefix(end < entry.size() ? end + 1 : end);
    }
  }
  // The page writes "None" for an empty link or target.
  std::string_view linkField(std::size_t index) const { return piece[index] == "None" ? std::string_view() : piece[index]; }
};

int imageIndex(std::string_view piece, bool expanded, const ImagePieceResolver& images) {
  if (piece.empty() || equalsNoCase(piece, "none")) return -1;
  if (equalsNoCase(piece, "leaf")) return images.leaf();
  if (equalsNoCase(piece, "folder")) return images.folder(expanded);
  return images.file(std::string(piece));
}

bool isSeparator(std::string_view entry) { return entry.substr(0, 3).find('*') != std::string_view::npos; }

}  // namespace

void readNodeEntries(const std::vector<std::string_view>& entries, NodeTree& tree, const ImagePieceResolver& images) {
  PageOrderBuilder builder(tree.root());
  // The depth the last inserted node has, plus one; 0 before the first.
  std::size_t pathLength = 0;
  long long previousLevel = 0;
  for (const std::string_view entry : entries) {
    if (isSeparator(entry)) continue;
    const EntryPieces items(entry);
    long long level = 0;
    if (!parseInteger(items.piece[3], level)) continue;

    if (level == previousLevel) {
      if (pathLength > 0) --pathLength;  // a sibling of the last node
    } else if (level < previousLevel) {
      // Up to the ancestor whose depth is the entry's level; the node becomes its sibling.
      if (level < 0 || level >= static_cast<long long>(pathLength)) continue;
      pathLength = static_cast<std::size_t>(level);
    }  // a greater level makes a child of the last node, however much greater
    TreeNode& node = builder.add(pathLength);
    // Each text is built once, in its place: no copy to move in afterwards.
    node.Text.assign(items.piece[0]);
    TAppletNode& data = node.Data;
    data.StatusText.assign(items.piece[6]);
    data.URL1.assign(items.linkField(1));
    data.Target1.assign(items.linkField(2));
    data.URL2.assign(items.linkField(7));
    data.Target2.assign(items.linkField(8));
    data.OpenExpanded = items.piece[9] == "YES";
    // Images are resolved only for entries that become nodes.
    data.CollapsedImage = imageIndex(items.piece[4], false, images);
    data.ExpandedImage = imageIndex(items.piece[5], true, images);
    ++pathLength;
    previousLevel = level;
  }
  builder.finish();
  tree.selectFirst();
}

void readNodeEntries(const std::vector<std::string>& entries, NodeTree& tree, const ImagePieceResolver& images) {
  readNodeEntries(std::vector<std::string_view>(entries.begin(), entries.end()), tree, images);
}

}  // namespace quillon
