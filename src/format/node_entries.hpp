#pragma once
// Rebuilds a tab's tree from its node entries: the ten ";"-separated pieces
// of each entry, with the hierarchy carried by the level piece in page order.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/node_tree.hpp"

namespace quillon {

// Turns an image piece ("folder", "leaf", a file name) into an image index.
struct ImagePieceResolver {
  std::function<int(bool expanded)> folder;
  std::function<int()> leaf;
  std::function<int(const std::string& file)> file;
};

// Appends the entries' nodes to the tree. Separator entries (a "*" among the
// first three characters) and entries without a usable level are skipped.
void readNodeEntries(const std::vector<std::string_view>& entries, NodeTree& tree, const ImagePieceResolver& images);
void readNodeEntries(const std::vector<std::string>& entries, NodeTree& tree, const ImagePieceResolver& images);

// Pascal-style integer text: leading blanks, a sign, "$" for hexadecimal.
bool parseInteger(std::string_view text, long long& value);

}  // namespace quillon
