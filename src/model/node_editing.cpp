#include "model/node_editing.hpp"

#include "model/image_editing.hpp"

namespace quillon {

namespace {

inline constexpr const char* kDeleteChildrenQuestion = "Do you want to delete this node and all it's children?";

TAppletNode newNodeData(const TAppletSettings& settings) {
  TAppletNode data;
  data.CollapsedImage = settings.DefLeaf;
  return data;
}

NodeTree* currentTree(MenuModel& menu) {
  TAppletPage* tab = menu.CurrentTab();
  return tab == nullptr ? nullptr : &tab->Nodes;
}

TreeNode& placeNewNode(NodeTree& tree, TreeNode& parent, std::size_t index, const TAppletSettings& settings) {
  TreeNode& node = parent.insertChild(index, std::make_unique<TreeNode>(kNewNodeText, newNodeData(settings)));
  tree.select(&node);
  return node;
}

int previewIndex(const ImageList& images, int index) { return images.isValidIndex(index) ? index : -1; }

}  // namespace

TreeNode* insertNewNode(MenuModel& menu, InsertPosition position) {
  NodeTree* tree = currentTree(menu);
  if (tree == nullptr || position == InsertPosition::Cancel) return nullptr;
  TreeNode* selected = tree->selected();
  if (selected == nullptr) return &placeNewNode(*tree, tree->root(), tree->root().children().size(), menu.Settings);
  TreeNode& parent = *selected->parent();
  // Below appends to the level, which need not be directly under the selected node.
  std::size_t index = position == InsertPosition::Above ? parent.indexOf(*selected) : parent.children().size();
  return &placeNewNode(*tree, parent, index, menu.Settings);
}

TreeNode* addNode(MenuModel& menu, UserInterface& ui) {
  NodeTree* tree = currentTree(menu);
  if (tree == nullptr || !checkDefaultImagesForNodes(menu.Settings, ui)) return nullptr;
  // Above or below means nothing in a tree without a node.
  if (tree->selected() == nullptr) return insertNewNode(menu, InsertPosition::Below);
  return insertNewNode(menu, ui.askInsertPosition());
}

TreeNode* addChildNode(MenuModel& menu, UserInterface& ui) {
  NodeTree* tree = currentTree(menu);
  if (tree == nullptr || !checkDefaultImagesForNodes(menu.Settings, ui)) return nullptr;
  TreeNode* selected = tree->selected();
  if (selected == nullptr) return insertNewNode(menu, InsertPosition::Below);
  const TAppletSettings& settings = menu.Settings;
  if (selected->Data.CollapsedImage == -1 || selected->Data.CollapsedImage == settings.DefLeaf) {
    selected->Data.CollapsedImage = settings.DefFolderClosed;
    selected->Data.ExpandedImage = settings.DefFolderOpen;
  }
  return &placeNewNode(*tree, *selected, selected->children().size(), settings);
}

TreeNode* selectionAfterRemoving(const TreeNode& node) {
  TreeNode* parent = node.parent();
  if (parent == nullptr) return nullptr;
  std::size_t index = parent->indexOf(node);
  if (index > 0) return parent->children()[index - 1].get();
  if (parent->parent() != nullptr) return parent;  // a node, not the invisible root
  if (index + 1 < parent->children().size()) return parent->children()[index + 1].get();
  return nullptr;
}

bool deleteNode(MenuModel& menu, UserInterface& ui) {
  NodeTree* tree = currentTree(menu);
  TreeNode* selected = tree == nullptr ? nullptr : tree->selected();
  if (selected == nullptr) return false;
  if (tree->size() < 2) {
    ui.message(MessageKind::Information, "Cannot Delete Root Node");
    return false;
  }
  if (selected->hasChildren() &&
      ui.ask(MessageKind::Confirmation, kDeleteChildrenQuestion, Buttons::OkCancel) != Answer::Ok)
    return false;
  TreeNode* next = selectionAfterRemoving(*selected);
  TreeNode& parent = *selected->parent();
  parent.detachChild(parent.indexOf(*selected));
  tree->select(next);
  return true;
}

NodeFields nodeFields(const TreeNode& node) {
  const TAppletNode& d = node.Data;
  return {node.Text, d.StatusText, d.URL1, d.Target1, d.URL2, d.Target2, d.OpenExpanded};
}

bool editSelectedNode(MenuModel& menu, const NodeFields& fields) {
  NodeTree* tree = currentTree(menu);
  TreeNode* node = tree == nullptr ? nullptr : tree->selected();
  if (node == nullptr) return false;
  node->Text = fields.Text;
  TAppletNode& d = node->Data;
  d.StatusText = fields.StatusText;
  d.URL1 = fields.URL1;
  d.Target1 = fields.Target1;
  d.URL2 = fields.URL2;
  d.Target2 = fields.Target2;
  d.OpenExpanded = fields.OpenExpanded;
  return true;
}

std::optional<NodeEditorView> nodeEditorView(const MenuModel& menu) {
  int current = menu.currentTabIndex();
  if (!hasTrees(menu.Settings.Kind) || current < 0) return std::nullopt;
  const TreeNode* node = menu.tab(current).Nodes.selected();
  if (node == nullptr) return std::nullopt;
  NodeEditorView view;
  view.fields = nodeFields(*node);
  view.folderControlsEnabled = node->hasChildren();
  view.collapsedLabel = view.folderControlsEnabled ? "Collapsed" : "Leaf";
  view.collapsedPreview = previewIndex(menu.Images, node->Data.CollapsedImage);
  if (view.folderControlsEnabled) view.expandedPreview = previewIndex(menu.Images, node->Data.ExpandedImage);
  return view;
}

}  // namespace quillon
