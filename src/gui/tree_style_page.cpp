#include "gui/tree_style_page.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/style_editing.hpp"
#include "app/style_files.hpp"
#include "format/text_helpers.hpp"
#include "gui/color_menu.hpp"
#include "gui/color_sample.hpp"
#include "gui/font_choices.hpp"
#include "gui/page_controls.hpp"
#include "gui/tree_style_icons.hpp"
#include "gui/widget_fill.hpp"

namespace quillon::gui {

namespace {

struct ToggleGroup {
  const char* caption;
  std::vector<TreeStyleButton> buttons;
};

struct ToggleInfo {
  const char* name;
  const char* hint;
};

ToggleInfo toggleInfo(TreeStyleButton button) {
  using B = TreeStyleButton;
  switch (button) {
    case B::TogglePlain: return {"togglePlainButton", "Mark to apply toggle symbol."};
    case B::ToggleBoxLeftArrow: return {"toggleBoxLeftArrowButton", "Mark to apply toggle symbol."};
    case B::ToggleBoxDownArrow: return {"toggleBoxDownArrowButton", "Mark to apply toggle symbol."};
    case B::ToggleBoxUpArrow: return {"toggleBoxUpArrowButton", "Mark to apply toggle symbol."};
    case B::ToggleArrowDown: return {"toggleArrowDownButton", "Mark to apply toggle symbol."};
    case B::ToggleArrowUp: return {"toggleArrowUpButton", "Mark to apply toggle symbol."};
    case B::LeafSymbol: return {"leafSymbolButton", "Mark to apply leaf symbol."};
    case B::LinesSolid: return {"linesSolidButton", "Mark to apply Tree lines (solid)."};
    case B::LinesDotted: return {"linesDottedButton", "Mark to apply Tree lines (dotted)."};
    case B::Icons: return {"iconsButton", "Mark to apply icons."};
    case B::MouseOverFrame: return {"mouseOverFrameButton", "Mark to apply mouse-over frame."};
    case B::MouseOverUnderline: return {"mouseOverUnderlineButton", "Mark to apply mouse-over underline."};
  }
  return {"", ""};  // unreachable: every member is listed above
}

struct SampleInfo {
  ColorSample sample;
  const char* caption;
  const char* name;
};

constexpr SampleInfo kSamples[] = {
    {ColorSample::TreeBranch, "Tree Branch Color", "treeBranchSample"},
    {ColorSample::SelectedBranch, "Selected Branch", "selectedBranchSample"},
    {ColorSample::MouseOver, "Mouse-over Color", "mouseOverSample"},
    {ColorSample::Tooltip, "Tooltip Color", "tooltipSample"},
    {ColorSample::OpenSymbol, "Open Color", "openColorSample"},
    {ColorSample::ClosedSymbol, "Closed Color", "closedColorSample"},
    {ColorSample::Leaf, "Leaf Color", "leafColorSample"},
    {ColorSample::Line, "Line Color", "lineColorSample"},
    {ColorSample::FrameLine, "Frame/Line Color", "frameLineSample"},
};

}  // namespace

TreeStylePage::TreeStylePage(Commander& commander, QWidget* parent) : QWidget(parent), commander_(commander) {
  setObjectName("treeStylePage");
  font_ = new QComboBox;
  font_->setObjectName("treeFontList");
  font_->setToolTip("Select the Tree font.");
  fillFontFaces(font_);
  size_ = new QComboBox;
  size_->setObjectName("treeFontSizeList");
  size_->setToolTip("Select the Tree font size.");
  fillFontSizes(size_);
  connect(font_, &QComboBox::currentTextChanged, this, [this](const QString& face) {
    if (!filling_) settings().TreeFontName = toBytes(face);
  });
  connect(size_, &QComboBox::currentTextChanged, this, [this](const QString& size) {
    if (!filling_) settings().TreeFontSize = toBytes(size);
  });
  auto* fonts = new QGridLayout;
  fonts->addWidget(new QLabel("Tree Font"), 0, 0);
  fonts->addWidget(font_, 0, 1);
  fonts->addWidget(new QLabel("Size"), 0, 2);
  fonts->addWidget(size_, 0, 3);
  fonts->setColumnStretch(1, 1);

  backImage_ = makeReadOnlyBox("treeBackImageBox", "The Tree background image.");
  backImageBrowse_ = makeBrowseButton("treeBackImageBrowse", "Browse for Tree Background image.");
  backImageRemove_ = makeRemoveButton("treeBackImageRemove", "Remove Tree Background image.");
  connect(backImageBrowse_, &QToolButton::clicked, this, [this] {
    if (chooseBackImage(settings(), BackImage::Tree, commander_.ui())) refresh();
  });
  connect(backImageRemove_, &QToolButton::clicked, this, [this] {
    if (removeBackImage(settings(), BackImage::Tree, commander_.ui())) refresh();
  });
  auto* image = new QHBoxLayout;
  image->addWidget(new QLabel("BG Image"));
  image->addWidget(backImage_, 1);
  image->addWidget(backImageBrowse_);
  image->addWidget(backImageRemove_);

  auto* checks = new QGridLayout;
  checks->addWidget(settingCheck("Show Border", "showBorderCheck", "Show a border around the tree.",
                                 &TAppletSettings::ShowBorder), 0, 0);
  checks->addWidget(settingCheck("Start Expanded", "startExpandedCheck", "Open every folder when the applet starts.",
                                 &TAppletSettings::StartExpanded), 0, 1);
  checks->addWidget(settingCheck("Double Click Expand", "doubleClickExpandCheck",
                                 "Open and close folders with a double click.", &TAppletSettings::DoubleClickExpand), 1, 0);
  checks->addWidget(settingCheck("Show Tooltip", "showTooltipCheck", "Show a node's status text as a tooltip.",
                                 &TAppletSettings::ShowTooltip), 1, 1);

  colorMenu_ = makeColorMenu(treeColorMenu(), this, [this](ColorSetting setting) {
    if (chooseStyleColor(settings(), setting, commander_.ui())) refresh();
  });
  colorMenu_->setObjectName("treeColorMenu");
  QPushButton* setColor = makeButton("Set Color", "treeSetColorButton", "Tree color settings.");
  connect(setColor, &QPushButton::clicked, this,
          [this] { colorMenu_->popup(colorMenuPosition(this, QPoint(250, 100))); });
  QPushButton* defaults = makeButton("Set Defaults", "treeStyleDefaultsButton", "Set Tree default values.");
  connect(defaults, &QPushButton::clicked, this, [this] {
    resetGroup(settings(), SettingsGroup::TreeStyle);
    refresh();
    Q_EMIT modelChanged();
    Q_EMIT menuChanged(MenuChange::ofEverything());
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(setColor);
  buttons->addStretch();
  buttons->addWidget(defaults);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fonts);
  layout->addLayout(image);
  layout->addLayout(checks);
  layout->addLayout(buildTogglePanel());
  layout->addLayout(buildSamples());
  layout->addStretch();
  layout->addLayout(buttons);
  refresh();
}

QCheckBox* TreeStylePage::settingCheck(const QString& caption, const char* name, const QString& hint,
                                       bool TAppletSettings::*field) {
  QCheckBox* check = makeCheck(caption, name, hint);
  connect(check, &QCheckBox::toggled, this, [this, field](bool on) {
    if (!filling_) settings().*field = on;
  });
  checks_.emplace_back(check, field);
  return check;
}

QLayout* TreeStylePage::buildTogglePanel() {
  using B = TreeStyleButton;
  const ToggleGroup groups[] = {
      {"Toggle Symbols",
       {B::TogglePlain, B::ToggleBoxLeftArrow, B::ToggleBoxDownArrow, B::ToggleBoxUpArrow, B::ToggleArrowDown,
        B::ToggleArrowUp}},
      {"Lines", {B::LinesSolid, B::LinesDotted}},
      {"Icons", {B::Icons}},
      {"Leaf Symbol", {B::LeafSymbol}},
      {"Mouse over", {B::MouseOverFrame, B::MouseOverUnderline}},
  };
  // Toggle symbols take a row of their own; the smaller groups go two to a row.
  const std::pair<int, int> places[] = {{0, 0}, {1, 0}, {1, 2}, {2, 0}, {2, 2}};
  auto* panel = new QGridLayout;
  panel->setHorizontalSpacing(6);
  panel->setVerticalSpacing(2);
  for (std::size_t g = 0; g < std::size(groups); ++g) {
    const auto [row, column] = places[g];
    panel->addWidget(new QLabel(groups[g].caption), row, column);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->setSpacing(2);
    for (TreeStyleButton button : groups[g].buttons) {
      const ToggleInfo info = toggleInfo(button);
      auto* toggleButton = new QToolButton;
      toggleButton->setObjectName(info.name);
      toggleButton->setToolTip(info.hint);
      toggleButton->setIcon(treeStyleIcon(button));
      toggleButton->setIconSize(QSize(22, 22));
      toggleButton->setCheckable(true);
      connect(toggleButton, &QToolButton::toggled, this, [this, button](bool pressed) {
        if (filling_) return;
        // The logic keeps each group exclusive; the buttons then show what it chose.
        setPressed(settings(), button, pressed);
        refresh();
        if (button == TreeStyleButton::Icons) {
          Q_EMIT modelChanged();
          Q_EMIT menuChanged(MenuChange::ofEverything());
        }
      });
      toggle(button) = toggleButton;
      rowButtons->addWidget(toggleButton);
    }
    rowButtons->addStretch();
    panel->addLayout(rowButtons, row, column + 1, 1, row == 0 ? 3 : 1);
  }
  panel->setColumnStretch(1, 1);
  panel->setColumnStretch(3, 1);
  return panel;
}

QLayout* TreeStylePage::buildSamples() {
  auto* grid = new QGridLayout;
  grid->setSpacing(4);
  int place = 0;
  for (const SampleInfo& info : kSamples) {
    QLabel* sample = makeSample(info.caption, info.name);
    samples_[static_cast<std::size_t>(info.sample)] = sample;
    grid->addWidget(sample, place / 3, place % 3);
    ++place;
  }
  return grid;
}

void TreeStylePage::refresh() {
  FillScope fill(filling_);
  const TAppletSettings& s = settings();
  selectOrInsert(font_, s.TreeFontName);
  selectOrInsert(size_, s.TreeFontSize);
  setTextIfChanged(backImage_, extractFileName(s.TreeBackImage));
  for (const auto& [check, field] : checks_) check->setChecked(s.*field);
  for (std::size_t i = 0; i < kButtonCount; ++i)
    toggles_[i]->setChecked(isPressed(s, static_cast<TreeStyleButton>(i)));
  for (const SampleInfo& info : kSamples)
    paintSample(samples_[static_cast<std::size_t>(info.sample)], sampleColors(s, info.sample));
}

void TreeStylePage::applyControlState(const StyleControlState& state) {
  for (QWidget* control : {static_cast<QWidget*>(backImage_), static_cast<QWidget*>(backImageBrowse_),
                           static_cast<QWidget*>(backImageRemove_)})
    control->setEnabled(state.treeBackImageEnabled);
  toggle(TreeStyleButton::Icons)->setEnabled(state.iconsToggleEnabled);
}

}  // namespace quillon::gui
