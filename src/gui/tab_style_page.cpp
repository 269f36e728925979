#include "gui/tab_style_page.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/style_colors.hpp"
#include "app/style_editing.hpp"
#include "app/style_files.hpp"
#include "format/text_helpers.hpp"
#include "gui/color_menu.hpp"
#include "gui/color_sample.hpp"
#include "gui/font_choices.hpp"
#include "gui/page_controls.hpp"
#include "gui/widget_fill.hpp"

namespace quillon::gui {

TabStylePage::TabStylePage(Commander& commander, QWidget* parent) : QWidget(parent), commander_(commander) {
  setObjectName("tabStylePage");
  font_ = new QComboBox;
  font_->setObjectName("tabFontList");
  font_->setToolTip("Select the Tab font.");
  fillFontFaces(font_);
  size_ = new QComboBox;
  size_->setObjectName("tabFontSizeList");
  size_->setToolTip("Select the Tab font size.");
  fillFontSizes(size_);
  connect(font_, &QComboBox::currentTextChanged, this, [this](const QString& face) {
    if (!filling_) settings().TabFontName = toBytes(face);
  });
  connect(size_, &QComboBox::currentTextChanged, this, [this](const QString& size) {
    if (!filling_) settings().TabFontSize = toBytes(size);
  });

  backImage_ = makeReadOnlyBox("tabBackImageBox", "The Tab background image.");
  backImageBrowse_ = makeBrowseButton("tabBackImageBrowse", "Browse for Tab Background image.");
  backImageRemove_ = makeRemoveButton("tabBackImageRemove", "Remove Tab Background image.");
  connect(backImageBrowse_, &QToolButton::clicked, this, [this] {
    if (chooseBackImage(settings(), BackImage::Tab, commander_.ui())) refresh();
  });
  connect(backImageRemove_, &QToolButton::clicked, this, [this] {
    if (removeBackImage(settings(), BackImage::Tab, commander_.ui())) refresh();
  });

  auto* fonts = new QGridLayout;
  fonts->addWidget(new QLabel("Tab Font"), 0, 0);
  fonts->addWidget(font_, 0, 1);
  fonts->addWidget(new QLabel("Size"), 0, 2);
  fonts->addWidget(size_, 0, 3);
  fonts->setColumnStretch(1, 1);
  auto* image = new QHBoxLayout;
  image->addWidget(new QLabel("BG Image"));
  image->addWidget(backImage_, 1);
  image->addWidget(backImageBrowse_);
  image->addWidget(backImageRemove_);

  onTop_ = new QRadioButton("Tabs on top");
  onTop_->setObjectName("tabsOnTopOption");
  onTop_->setToolTip("Show the tabs above the trees.");
  onBottom_ = new QRadioButton("Tabs on bottom");
  onBottom_->setObjectName("tabsOnBottomOption");
  onBottom_->setToolTip("Show the tabs below the trees.");
  auto* position = new QButtonGroup(this);
  position->addButton(onTop_);
  position->addButton(onBottom_);
  connect(onBottom_, &QRadioButton::toggled, this, [this](bool bottom) {
    if (filling_) return;
    settings().TabOnBottom = bottom;
    Q_EMIT menuChanged(MenuChange::ofTabs());
  });
  auto* positions = new QHBoxLayout;
  positions->addWidget(onTop_);
  positions->addWidget(onBottom_);
  positions->addStretch();

  captionSample_ = makeSample("Tab Caption", "tabCaptionSample");
  mouseOverSample_ = makeSample("Mouse-over", "tabMouseOverSample");
  colorMenu_ = makeColorMenu(tabColorMenu(), this, [this](ColorSetting setting) {
    if (chooseStyleColor(settings(), setting, commander_.ui())) refresh();
  });
  colorMenu_->setObjectName("tabColorMenu");
  QPushButton* setColor = makeButton("Set Color", "tabSetColorButton", "Tab color settings.");
  connect(setColor, &QPushButton::clicked, this,
          [this] { colorMenu_->popup(colorMenuPosition(this, QPoint(250, 150))); });
  auto* samples = new QHBoxLayout;
  samples->addWidget(captionSample_, 1);
  samples->addWidget(mouseOverSample_, 1);
  samples->addWidget(setColor);

  tabsOnly_ = makeCheck("Show tabs only", "showTabsOnlyCheck", "Turn border off and show tabs only.");
  connect(tabsOnly_, &QCheckBox::toggled, this, [this](bool only) {
    if (!filling_) settings().ShowTabsOnly = only;
  });
  QPushButton* defaults = makeButton("Set Defaults", "tabStyleDefaultsButton", "Set Tab default values.");
  connect(defaults, &QPushButton::clicked, this, [this] {
    resetGroup(settings(), SettingsGroup::TabStyle);
    refresh();
    Q_EMIT menuChanged(MenuChange::ofTabs());
  });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fonts);
  layout->addLayout(image);
  layout->addSpacing(6);
  layout->addLayout(positions);
  layout->addSpacing(6);
  layout->addLayout(samples);
  layout->addSpacing(6);
  layout->addWidget(tabsOnly_);
  layout->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(defaults);
  layout->addLayout(buttons);
  refresh();
}

void TabStylePage::refresh() {
  FillScope fill(filling_);
  const TAppletSettings& s = settings();
  selectOrInsert(font_, s.TabFontName);
  selectOrInsert(size_, s.TabFontSize);
  setTextIfChanged(backImage_, extractFileName(s.TabBackImage));
  (s.TabOnBottom ? onBottom_ : onTop_)->setChecked(true);
  paintSample(captionSample_, sampleColors(s, ColorSample::TabCaption));
  paintSample(mouseOverSample_, sampleColors(s, ColorSample::TabMouseOver));
  tabsOnly_->setChecked(s.ShowTabsOnly);
}

void TabStylePage::applyControlState(const StyleControlState& state) {
  for (QWidget* control : {static_cast<QWidget*>(backImage_), static_cast<QWidget*>(backImageBrowse_),
                           static_cast<QWidget*>(backImageRemove_)})
    control->setEnabled(state.tabBackImageEnabled);
  tabsOnly_->setEnabled(state.showTabsOnlyOffered);
}

}  // namespace quillon::gui
