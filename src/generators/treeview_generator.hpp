#pragma once
// The JavaScript tree view: a frameset page holding the tree as script node
// objects, the tree page in its left frame and a main page in the right.
// Built on the templates resource/tree.htm and resource/treex.htm, which are
// changed at fixed line indices.
#include <string>

#include "generators/generation.hpp"
#include "generators/generator_options.hpp"

namespace quillon {

// Where the templates carry what the generator writes.
namespace tree_lines {
inline constexpr std::size_t kPageBody = 2;
inline constexpr std::size_t kPageTitle = 4;
inline constexpr std::size_t kPageRootIcon = 9;
inline constexpr std::size_t kPageRootName = 11;
inline constexpr std::size_t kLeafImage = 12;
inline constexpr std::size_t kFolderClosedImage = 13;
inline constexpr std::size_t kFolderOpenImage = 14;
inline constexpr std::size_t kBaseTarget = 15;
inline constexpr std::size_t kBody = 16;
inline constexpr std::size_t kTitle = 17;
inline constexpr std::size_t kHeader = 31;
inline constexpr std::size_t kFrameset = 281;
inline constexpr std::size_t kTreeFrame = 282;
inline constexpr std::size_t kMainFrame = 283;
}  // namespace tree_lines

// The frameset line: the frame-line attributes run straight into "cols".
std::string treeFramesetLine(const TreeViewOptions& options);

GenerationResult generateTreeView(const TreeViewOptions& options, GeneratorContext& context, bool preview);

}  // namespace quillon
