#pragma once
// The node operations of the construction area, on the current tab's tree.
// Every operation leaves the tree's selection on a node of the tree (none only
// in an empty tree).
#include <optional>
#include <string>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

// Asks the insert-position question and inserts a "New Node" above the
// selected node or as the last node of its level. In a tree without nodes the
// question is not asked and the node becomes the first top-level node. Runs the
// default-image check first. Returns the new, selected node, or nullptr when
// nothing was added.
TreeNode* addNode(MenuModel& menu, UserInterface& ui);
// The insertion itself, without check or question; Cancel adds nothing.
TreeNode* insertNewNode(MenuModel& menu, InsertPosition position);

// Appends a "New Node" as the selected node's last child; a leaf showing no
// image or the default leaf image becomes a folder with the default folder
// images. In a tree without nodes it adds the first top-level node.
TreeNode* addChildNode(MenuModel& menu, UserInterface& ui);

// Deletes the selected node with its subtree, asking first when it has
// children; refuses to delete the tree's only node. Returns true when deleted.
bool deleteNode(MenuModel& menu, UserInterface& ui);

// The node the selection moves to when `node` leaves its tree: the previous
// sibling, else the parent, else the next sibling, else none.
TreeNode* selectionAfterRemoving(const TreeNode& node);

// The node editors: the text and the node's fields.
struct NodeFields {
  std::string Text;
  std::string StatusText;
  std::string URL1;
  std::string Target1;
  std::string URL2;
  std::string Target2;
  bool OpenExpanded = false;

  bool operator==(const NodeFields&) const = default;
};

NodeFields nodeFields(const TreeNode& node);
// Writes every field to the selected node; false when no node is selected.
bool editSelectedNode(MenuModel& menu, const NodeFields& fields);

// What the node editors show for the selected node.
struct NodeEditorView {
  NodeFields fields;
  // "Collapsed" for a node with children, "Leaf" otherwise.
  std::string collapsedLabel;
  // The expanded image, its button and "Open Expanded" apply to folders only.
  bool folderControlsEnabled = false;
  int collapsedPreview = -1;  // image index; -1 leaves the preview blank
  int expandedPreview = -1;
};

// Nothing for a menu without trees or when no node is selected.
std::optional<NodeEditorView> nodeEditorView(const MenuModel& menu);

}  // namespace quillon
