#include "gui/applet_page.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/location_choice.hpp"
#include "app/style_editing.hpp"
#include "gui/page_controls.hpp"
#include "gui/widget_fill.hpp"

namespace quillon::gui {

AppletPage::AppletPage(Commander& commander, QWidget* parent) : QWidget(parent), commander_(commander) {
  setObjectName("appletPage");
  groups_ = new QStackedWidget;
  groups_->setObjectName("appletGroups");
  groups_->addWidget(buildGeneralGroup());
  groups_->addWidget(buildAdvancedGroup());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(groups_);
  layout->addStretch();
  refresh();
}

QWidget* AppletPage::buildGeneralGroup() {
  auto* group = new QWidget;
  group->setObjectName("appletGeneralGroup");
  auto* layout = new QVBoxLayout(group);
  layout->setContentsMargins(0, 0, 0, 0);

  width_ = makeBox("widthBox", "Set the width of the applet (expressed in pixels).");
  height_ = makeBox("heightBox", "Set the height of the applet (expressed in pixels).");
  for (QLineEdit* box : {width_, height_}) {
    box->setMaxLength(6);
    box->setFixedWidth(60);
    box->installEventFilter(this);
  }
  connect(width_, &QLineEdit::textChanged, this, [this] { typedInSizeBox(SizeBox::Width); });
  connect(height_, &QLineEdit::textChanged, this, [this] { typedInSizeBox(SizeBox::Height); });
  QPushButton* apply = makeButton("&Apply", "applySizeButton", "Apply the applet width and height to the construction area.");
  connect(apply, &QPushButton::clicked, this, &AppletPage::applySize);
  auto* size = new QHBoxLayout;
  size->addWidget(new QLabel("Width"));
  size->addWidget(width_);
  size->addSpacing(8);
  size->addWidget(new QLabel("Height"));
  size->addWidget(height_);
  size->addStretch();
  size->addWidget(apply);
  layout->addLayout(size);

  layout->addWidget(new QLabel("Include the node information:"));
  withinCode_ = new QRadioButton("Within applet code");
  withinCode_->setObjectName("withinCodeOption");
  withinCode_->setToolTip("Set to include node information WITHIN the applet code.");
  externalFile_ = new QRadioButton("External file");
  externalFile_->setObjectName("externalFileOption");
  externalFile_->setToolTip("Set to include node information from an EXTERNAL file.");
  auto* content = new QButtonGroup(group);
  content->addButton(withinCode_);
  content->addButton(externalFile_);
  connect(externalFile_, &QRadioButton::toggled, this, [this](bool inFile) {
    if (filling_) return;
    setContentInFile(settings(), inFile);
  });
  auto* options = new QHBoxLayout;
  options->addWidget(withinCode_);
  options->addWidget(externalFile_);
  options->addStretch();
  layout->addLayout(options);
  layout->addWidget(makeNote("TIP: Select \"Within applect code\" for fastest applet speed."));

  proxy_ = makeCheck("Proxy server / Firewall enhanced", "proxyCheck", "Set to create a Proxy server / Firewall enhanced applet.");
  connect(proxy_, &QCheckBox::toggled, this, [this](bool enhanced) {
    if (filling_) return;
    setProxyEnhanced(settings(), enhanced);
    settingsEdited();
  });
  layout->addSpacing(6);
  layout->addWidget(proxy_);
  layout->addWidget(makeNote("Apply only with Proxy / Firewall problems and/or to enhance speed."));
  layout->addWidget(makeNote("Please note: If marked, some features will be disabled (eg: Image settings)."));

  layout->addSpacing(6);
  layout->addWidget(new QLabel("Sound:"));
  clickSound_ = makeReadOnlyBox("clickSoundBox", "Select file to have sound activated on Mouse-Click event.");
  overSound_ = makeReadOnlyBox("overSoundBox", "Select file to have sound activated on Mouse-Over event.");
  auto* sounds = new QGridLayout;
  sounds->addWidget(new QLabel("Mouse-Click"), 0, 0);
  sounds->addWidget(soundRow(SoundEvent::MouseClick, clickSound_, "clickSoundBrowse", "clickSoundRemove"), 0, 1);
  sounds->addWidget(new QLabel("Mouse-Over"), 1, 0);
  sounds->addWidget(soundRow(SoundEvent::MouseOver, overSound_, "overSoundBrowse", "overSoundRemove"), 1, 1);
  layout->addLayout(sounds);

  QPushButton* defaults = makeButton("Set Defaults", "appletDefaultsButton", "Set Tab applet default values.");
  connect(defaults, &QPushButton::clicked, this, [this] {
    resetGroup(settings(), SettingsGroup::General);
    settingsEdited();
    applySize();
  });
  QPushButton* advanced = makeButton("Advanced settings.", "advancedButton", "Choose to select from more advanced settings.");
  connect(advanced, &QPushButton::clicked, this, [this] { groups_->setCurrentIndex(1); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(defaults);
  buttons->addStretch();
  buttons->addWidget(advanced);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  return group;
}

QWidget* AppletPage::soundRow(SoundEvent event, QLineEdit* box, const char* browseName, const char* removeName) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  QToolButton* browse = makeBrowseButton(browseName, "Browse for sound file location.");
  QToolButton* remove = makeRemoveButton(removeName, "Remove sound file.");
  connect(browse, &QToolButton::clicked, this, [this, event] {
    if (chooseSound(settings(), event, commander_.ui(), commander_.programFolder())) refresh();
  });
  connect(remove, &QToolButton::clicked, this, [this, event] {
    if (removeSound(settings(), event, commander_.ui())) refresh();
  });
  layout->addWidget(box);
  layout->addWidget(browse);
  layout->addWidget(remove);
  return row;
}

QWidget* AppletPage::buildAdvancedGroup() {
  auto* group = new QWidget;
  group->setObjectName("appletAdvancedGroup");
  auto* layout = new QVBoxLayout(group);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(makeNote("Apply only if relocation of the class files from the default directory is required."));

  codebase_ = makeReadOnlyBox("codebaseBox", "Location of the applet's class files, relative to the page.");
  QToolButton* codebaseBrowse = makeBrowseButton("codebaseBrowse", "Browse for class file location.");
  connect(codebaseBrowse, &QToolButton::clicked, this, [this] {
    if (chooseClassLocation(settings(), commander_.menu().Document.PagePath, commander_.ui())) refresh();
  });
  imageDir_ = makeReadOnlyBox("imageDirBox", "Location of the applet's image files, relative to the page.");
  imageDirBrowse_ = makeBrowseButton("imageDirBrowse", "Browse for image file location.");
  connect(imageDirBrowse_, &QToolButton::clicked, this, [this] {
    if (chooseImageLocation(settings(), commander_.menu().Document.PagePath, commander_.ui())) refresh();
  });
  auto* boxes = new QGridLayout;
  boxes->addWidget(new QLabel("Codebase (Location of class files)"), 0, 0, 1, 2);
  boxes->addWidget(codebase_, 1, 0);
  boxes->addWidget(codebaseBrowse, 1, 1);
  boxes->addWidget(new QLabel("Image Location"), 2, 0, 1, 2);
  boxes->addWidget(imageDir_, 3, 0);
  boxes->addWidget(imageDirBrowse_, 3, 1);
  layout->addLayout(boxes);
  layout->addWidget(makeNote(
      "- Any links already set (Tab, Tree or Tab&Tree component) need to be updated by browsing for the link again."));

  QPushButton* clear = makeButton("Clear", "clearLocationsButton", "Clear the class file and image locations.");
  connect(clear, &QPushButton::clicked, this, [this] {
    resetGroup(settings(), SettingsGroup::Locations);
    refresh();
  });
  QPushButton* back = makeButton("Back to general settings.", "generalButton", "Back to general applet settings.");
  connect(back, &QPushButton::clicked, this, [this] { groups_->setCurrentIndex(0); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addStretch();
  buttons->addWidget(back);
  layout->addLayout(buttons);
  return group;
}

void AppletPage::refresh() {
  FillScope fill(filling_);
  const TAppletSettings& s = settings();
  setTextIfChanged(width_, s.Width);
  setTextIfChanged(height_, s.Height);
  (s.ContentInFile ? externalFile_ : withinCode_)->setChecked(true);
  proxy_->setChecked(s.ProxyEnhanced);
  setTextIfChanged(clickSound_, s.ClickSoundName);
  setTextIfChanged(overSound_, s.OverSoundName);
  setTextIfChanged(codebase_, s.Codebase);
  setTextIfChanged(imageDir_, s.ImageDir);
}

void AppletPage::applyControlState(const StyleControlState& state) {
  externalFile_->setEnabled(state.externalFileEnabled);
  imageDirBrowse_->setEnabled(state.imageLocationBrowseEnabled);
}

bool AppletPage::eventFilter(QObject* watched, QEvent* event) {
  // A menu popping up or another window coming to the front does not leave the box.
  const auto leaving = [event] {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
  };
  if (event->type() == QEvent::FocusOut && leaving()) {
    if (watched == width_) leftSizeBox(SizeBox::Width);
    if (watched == height_) leftSizeBox(SizeBox::Height);
  }
  return QWidget::eventFilter(watched, event);
}

void AppletPage::typedInSizeBox(SizeBox box) {
  if (filling_) return;
  QLineEdit* edit = box == SizeBox::Width ? width_ : height_;
  const std::string typed = toBytes(edit->text());
  const std::string digits = keepDigits(typed);
  if (digits != typed) {
    // The cursor stays after the digits that stood before it.
    const int cursor = static_cast<int>(keepDigits(toBytes(edit->text().left(edit->cursorPosition()))).size());
    FillScope fill(filling_);
    edit->setText(toQString(digits));
    edit->setCursorPosition(cursor);
  }
  (box == SizeBox::Width ? settings().Width : settings().Height) = digits;
}

void AppletPage::leftSizeBox(SizeBox box) {
  leaveSizeBox(box, settings(), commander_.ui());
  refresh();
}

void AppletPage::applySize() {
  bool widthIsNumber = false;
  bool heightIsNumber = false;
  const int width = toQString(settings().Width).toInt(&widthIsNumber);
  const int height = toQString(settings().Height).toInt(&heightIsNumber);
  if (widthIsNumber && heightIsNumber) Q_EMIT appletSizeApplied(width, height);
}

void AppletPage::settingsEdited() {
  refresh();
  Q_EMIT modelChanged();
}

}  // namespace quillon::gui
