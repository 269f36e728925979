#include "gui/tree_page.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/icon_preview.hpp"
#include "gui/link_browse.hpp"
#include "gui/page_controls.hpp"
#include "gui/target_frame_hint.hpp"
#include "gui/widget_fill.hpp"
#include "model/image_editing.hpp"
#include "model/node_editing.hpp"

namespace quillon::gui {

namespace {

constexpr std::size_t kMiddle = 2;  // the slider's own image among the five

struct DefaultImageButton {
  DefaultImage which;
  const char* caption;
  const char* name;
  const char* hint;
};

constexpr DefaultImageButton kDefaultButtons[] = {
    {DefaultImage::FolderClosed, "Collapsed", "defaultCollapsedButton",
     "Set default icon for collapsed Tree node (to help speed up applet loading time)."},
    {DefaultImage::FolderOpen, "Expanded", "defaultExpandedButton",
     "Set default icon for expanded Tree node (to help speed up applet loading time)."},
    {DefaultImage::Leaf, "Leaf", "defaultLeafButton",
     "Set default icon for leaf Tree node (to help speed up applet loading time)."},
};

int defaultImageOf(const TAppletSettings& settings, DefaultImage which) {
  switch (which) {
    case DefaultImage::FolderClosed: return settings.DefFolderClosed;
    case DefaultImage::FolderOpen: return settings.DefFolderOpen;
    case DefaultImage::Leaf: return settings.DefLeaf;
  }
  return -1;  // unreachable: every member is listed above
}

}  // namespace

TreePage::TreePage(Commander& commander, QWidget* parent) : QWidget(parent), commander_(commander) {
  setObjectName("treePage");
  // The page holds many controls: kept tight so that it fits the window at design size.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(4);
  layout->addLayout(buildNodeFields());
  layout->addLayout(buildNodeButtons());
  layout->addWidget(buildNodeImages());
  layout->addWidget(buildDefaultImages());
  layout->addStretch();

  targetHint_ = new TargetFrameHint(this);
  targetHint_->watch(target1_);
  targetHint_->watch(target2_);
  refresh();
}

QLayout* TreePage::buildNodeFields() {
  text_ = makeBox("nodeTextBox", "The text of the selected node.");
  status_ = makeBox("nodeStatusBox", "The text shown in the browser's status line while the mouse is over the node.");
  link1_ = makeBox("nodeLink1Box", "The page the node opens (link 1).");
  target1_ = makeBox("nodeTarget1Box", "The frame that link 1 opens in.");
  link2_ = makeBox("nodeLink2Box", "A second page the node opens (link 2).");
  target2_ = makeBox("nodeTarget2Box", "The frame that link 2 opens in.");
  browse1_ = makeBrowseButton("nodeLink1Browse", "Browse for the page of link 1.");
  browse2_ = makeBrowseButton("nodeLink2Browse", "Browse for the page of link 2.");
  openExpanded_ = makeCheck("Open Expanded", "openExpandedCheck", "Show this folder open when the applet starts.");
  for (QLineEdit* box : {text_, status_, link1_, target1_, link2_, target2_})
    connect(box, &QLineEdit::textChanged, this, &TreePage::nodeEdited);
  connect(openExpanded_, &QCheckBox::toggled, this, &TreePage::nodeEdited);
  connect(browse1_, &QToolButton::clicked, this, [this] { browseLink(link1_); });
  connect(browse2_, &QToolButton::clicked, this, [this] { browseLink(link2_); });

  auto* fields = new QGridLayout;
  fields->setVerticalSpacing(2);
  fields->addWidget(new QLabel("Node text:"), 0, 0);
  fields->addWidget(text_, 0, 1, 1, 2);
  fields->addWidget(new QLabel("Status text:"), 1, 0);
  fields->addWidget(status_, 1, 1, 1, 2);
  fields->addWidget(new QLabel("Link 1:"), 2, 0);
  fields->addWidget(link1_, 2, 1);
  fields->addWidget(browse1_, 2, 2);
  fields->addWidget(new QLabel("Target 1:"), 3, 0);
  fields->addWidget(target1_, 3, 1);
  fields->addWidget(new QLabel("Link 2:"), 4, 0);
  fields->addWidget(link2_, 4, 1);
  fields->addWidget(browse2_, 4, 2);
  fields->addWidget(new QLabel("Target 2:"), 5, 0);
  fields->addWidget(target2_, 5, 1);
  fields->addWidget(openExpanded_, 6, 1);
  return fields;
}

QGroupBox* TreePage::buildNodeImages() {
  nodeImages_ = new QGroupBox("Node Images ");
  nodeImages_->setObjectName("nodeImagesGroup");
  auto* previews = new QHBoxLayout;
  previews->setSpacing(3);
  for (std::size_t i = 0; i < window_.size(); ++i) {
    window_[i] = makeIconPreview(i == kMiddle ? "The image the buttons give: the slider's position in the image list."
                                              : "A neighbour in the image list.");
    window_[i]->setObjectName(QString("imageWindow%1").arg(i));
    previews->addWidget(window_[i]);
  }
  window_[kMiddle]->setLineWidth(2);
  previews->addStretch();
  QPushButton* addImages = makeButton("Add images to list", "addImagesButton", "Add 16 x 16 GIF pictures to the image list.");
  previews->addWidget(addImages);
  connect(addImages, &QPushButton::clicked, this, [this] {
    MenuModel& menu = commander_.menu();
    const int position = addImagesToList(menu, commander_.ui(), commander_.programFolder(), slider_->value());
    showImageWindow();
    slider_->setValue(position);
    Q_EMIT modelChanged();
  });

  slider_ = new QSlider(Qt::Horizontal);
  slider_->setObjectName("iconSlider");
  slider_->setToolTip("Slide through the image list.");
  slider_->setPageStep(1);
  connect(slider_, &QSlider::valueChanged, this, &TreePage::showImageWindow);

  collapsedLabel_ = new QLabel("Leaf");
  collapsedLabel_->setObjectName("collapsedLabel");
  collapsedPreview_ = makeIconPreview("The selected node's image.");
  collapsedPreview_->setObjectName("collapsedPreview");
  setCollapsed_ = makeButton("Set", "setCollapsedButton", "Give the selected node the chosen image.");
  expandedLabel_ = new QLabel("Expanded");
  expandedLabel_->setObjectName("expandedLabel");
  expandedPreview_ = makeIconPreview("The selected folder's image while it is open.");
  expandedPreview_->setObjectName("expandedPreview");
  setExpanded_ = makeButton("Set", "setExpandedButton", "Give the selected folder the chosen image for when it is open.");
  connect(setCollapsed_, &QPushButton::clicked, this, [this] {
    if (setCollapsedImage(commander_.menu(), commander_.ui(), slider_->value())) {
      nodesEdited(MenuChange::ofNode(*selectedNode()));
    }
  });
  connect(setExpanded_, &QPushButton::clicked, this, [this] {
    if (setExpandedImage(commander_.menu(), commander_.ui(), slider_->value())) {
      nodesEdited(MenuChange::ofNode(*selectedNode()));
    }
  });
  auto* nodeIcons = new QHBoxLayout;
  nodeIcons->addWidget(collapsedLabel_);
  nodeIcons->addWidget(collapsedPreview_);
  nodeIcons->addWidget(setCollapsed_);
  nodeIcons->addStretch();
  nodeIcons->addWidget(expandedLabel_);
  nodeIcons->addWidget(expandedPreview_);
  nodeIcons->addWidget(setExpanded_);

  auto* layout = new QVBoxLayout(nodeImages_);
  layout->setSpacing(2);
  layout->addLayout(previews);
  layout->addWidget(slider_);
  layout->addLayout(nodeIcons);
  return nodeImages_;
}

QGroupBox* TreePage::buildDefaultImages() {
  defaultImages_ = new QGroupBox("Default Images ");
  defaultImages_->setObjectName("defaultImagesGroup");
  auto* layout = new QHBoxLayout(defaultImages_);
  for (std::size_t i = 0; i < std::size(kDefaultButtons); ++i) {
    const DefaultImageButton& info = kDefaultButtons[i];
    QPushButton* button = makeButton(info.caption, info.name, info.hint);
    defaultPreviews_[i] = makeIconPreview(info.hint);
    defaultPreviews_[i]->setObjectName(QString(info.name).replace("Button", "Preview"));
    connect(button, &QPushButton::clicked, this, [this, which = info.which] {
      if (setDefaultImage(commander_.menu(), which, slider_->value())) showDefaultImages();
    });
    layout->addWidget(button);
    layout->addWidget(defaultPreviews_[i]);
    if (i + 1 < std::size(kDefaultButtons)) layout->addStretch();
  }
  return defaultImages_;
}

QLayout* TreePage::buildNodeButtons() {
  QPushButton* add = makeButton("Add Node", "addNodeButton", "Add a node above the selected node or at the end of its level.");
  QPushButton* child = makeButton("Add Child", "addChildButton", "Add a node under the selected node.");
  QPushButton* remove = makeButton("Delete Node", "deleteNodeButton", "Delete the selected node and all its children.");
  connect(add, &QPushButton::clicked, this, [this] {
    if (const TreeNode* added = addNode(commander_.menu(), commander_.ui())) {
      nodesEdited(MenuChange::ofChildren(*added->parent()));
    }
  });
  connect(child, &QPushButton::clicked, this, [this] {
    if (const TreeNode* added = addChildNode(commander_.menu(), commander_.ui())) {
      nodesEdited(MenuChange::ofChildren(*added->parent()));
    }
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    const TreeNode* selected = selectedNode();
    const TreeNode* parent = selected ? selected->parent() : nullptr;
    if (deleteNode(commander_.menu(), commander_.ui()) && parent) nodesEdited(MenuChange::ofChildren(*parent));
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(child);
  buttons->addWidget(remove);
  return buttons;
}

void TreePage::refresh() {
  showNode();
  showImageWindow();
  showDefaultImages();
}

void TreePage::showNode() {
  FillScope fill(filling_);
  const MenuModel& menu = commander_.menu();
  const std::optional<NodeEditorView> view = nodeEditorView(menu);
  const NodeFields fields = view ? view->fields : NodeFields{};
  setTextIfChanged(text_, fields.Text);
  setTextIfChanged(status_, fields.StatusText);
  setTextIfChanged(link1_, fields.URL1);
  setTextIfChanged(target1_, fields.Target1);
  setTextIfChanged(link2_, fields.URL2);
  setTextIfChanged(target2_, fields.Target2);
  openExpanded_->setChecked(fields.OpenExpanded);
  collapsedLabel_->setText(view ? toQString(view->collapsedLabel) : "Leaf");
  showIcon(collapsedPreview_, menu.Images, view ? view->collapsedPreview : -1);
  showIcon(expandedPreview_, menu.Images, view ? view->expandedPreview : -1);
  nodeShown_ = view.has_value();
  folderShown_ = view && view->folderControlsEnabled;
  updateEnabling();
}

void TreePage::showImageWindow() {
  const ImageList& images = commander_.menu().Images;
  slider_->setMaximum(std::max(images.count() - 1, 0));
  const std::array<int, 5> shown = imageBrowseWindow(slider_->value(), images.count());
  for (std::size_t i = 0; i < window_.size(); ++i) showIcon(window_[i], images, shown[i]);
}

void TreePage::showDefaultImages() {
  const MenuModel& menu = commander_.menu();
  for (std::size_t i = 0; i < std::size(kDefaultButtons); ++i)
    showIcon(defaultPreviews_[i], menu.Images, defaultImageOf(menu.Settings, kDefaultButtons[i].which));
}

void TreePage::applyControlState(const StyleControlState& state) {
  controlState_ = state;
  updateEnabling();
}

void TreePage::updateEnabling() {
  for (QWidget* field : std::initializer_list<QWidget*>{text_, status_, link1_, target1_, link2_, target2_, browse1_, browse2_})
    field->setEnabled(nodeShown_);
  openExpanded_->setEnabled(folderShown_);
  nodeImages_->setEnabled(controlState_.iconControlsEnabled);
  defaultImages_->setEnabled(controlState_.iconControlsEnabled);
  slider_->setEnabled(controlState_.iconSliderEnabled);
  setCollapsed_->setEnabled(nodeShown_);
  for (QWidget* control : std::initializer_list<QWidget*>{expandedLabel_, expandedPreview_, setExpanded_})
    control->setEnabled(folderShown_);
}

void TreePage::nodeEdited() {
  if (filling_) return;
  const NodeFields fields{toBytes(text_->text()),  toBytes(status_->text()), toBytes(link1_->text()),
                          toBytes(target1_->text()), toBytes(link2_->text()),  toBytes(target2_->text()),
                          openExpanded_->isChecked()};
  if (editSelectedNode(commander_.menu(), fields)) Q_EMIT menuChanged(MenuChange::ofNode(*selectedNode()));
}

void TreePage::browseLink(QLineEdit* box) {
  if (auto link = browseForLink(commander_.menu(), commander_.ui())) box->setText(toQString(*link));
}

void TreePage::nodesEdited(const MenuChange& change) {
  showNode();
  Q_EMIT menuChanged(change);
}

TreeNode* TreePage::selectedNode() const {
  TAppletPage* tab = commander_.menu().CurrentTab();
  return tab ? tab->Nodes.selected() : nullptr;
}

}  // namespace quillon::gui
