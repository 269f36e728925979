#include "gui/deploy_dialog.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "generators/deploy_pages.hpp"
#include "gui/page_controls.hpp"
#include "gui/widget_fill.hpp"

namespace quillon::gui {

namespace {

struct PositionInfo {
  FramePosition position;
  const char* caption;
  const char* name;
};

constexpr PositionInfo kPositions[] = {
    {FramePosition::Left, "Left Frame", "optLeft"},
    {FramePosition::Right, "Right Frame", "optRight"},
    {FramePosition::Top, "Top Frame", "optTop"},
    {FramePosition::Bottom, "Bottom Frame", "optBottom"},
};

// The window split into the menu's frame, drawn with a small tree, and the main frame.
QPixmap framePicture(FramePosition position) {
  constexpr int kWidth = 120;
  constexpr int kHeight = 84;
  QPixmap picture(kWidth, kHeight);
  picture.fill(Qt::white);
  QPainter p(&picture);
  const QRect window(0, 0, kWidth - 1, kHeight - 1);
  QRect menu;
  switch (position) {
    case FramePosition::Left: menu = QRect(0, 0, 36, kHeight - 1); break;
    case FramePosition::Right: menu = QRect(kWidth - 37, 0, 36, kHeight - 1); break;
    case FramePosition::Top: menu = QRect(0, 0, kWidth - 1, 24); break;
    case FramePosition::Bottom: menu = QRect(0, kHeight - 25, kWidth - 1, 24); break;
  }
  p.fillRect(menu, QColor(208, 224, 248));
  p.setPen(QColor(40, 70, 140));
  const bool beside = position == FramePosition::Left || position == FramePosition::Right;
  for (int i = 0; i < 4; ++i) {
    if (beside) {
      const int indent = i == 0 ? 0 : 6;
      p.drawLine(menu.left() + 5 + indent, menu.top() + 10 + i * 10, menu.right() - 5, menu.top() + 10 + i * 10);
    } else {
      const int left = menu.left() + 6 + i * 28;
      p.drawLine(left, menu.center().y(), left + 20, menu.center().y());
    }
  }
  p.setPen(QColor(150, 150, 150));
  const QRect main = beside ? QRect(position == FramePosition::Left ? menu.right() : 0, 0,
                                    kWidth - 1 - menu.width(), kHeight - 1)
                            : QRect(0, position == FramePosition::Top ? menu.bottom() : 0, kWidth - 1,
                                    kHeight - 1 - menu.height());
  for (int y = main.top() + 10; y < main.bottom() - 6; y += 8) p.drawLine(main.left() + 8, y, main.right() - 8, y);
  p.setPen(Qt::black);
  p.drawRect(window);
  p.drawRect(menu);
  return picture;
}

}  // namespace

DeployDialog::DeployDialog(PageWindowPorts ports, std::optional<int> mode, QWidget* parent)
    : DeployDialog(ports, deployOptionsFor(ports.menu, deployTab(mode.value_or(0))), parent) {}

DeployDialog::DeployDialog(PageWindowPorts ports, DeployOptions options, QWidget* parent)
    : QDialog(parent), ports_(std::move(ports)), options_(std::move(options)) {
  setObjectName("frmDeploy");
  setWindowTitle(kDeployWindowTitle);
  resize(520, 460);

  tabs_ = new QTabWidget;
  tabs_->setObjectName("TabControl1");
  tabs_->addTab(buildFrames(), "Frames");
  tabs_->addTab(buildFloating(), "Floating Window");
  tabs_->setCurrentIndex(static_cast<int>(options_.tab));
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) { options_.tab = static_cast<DeployTab>(index); });

  commands_ = new CommandRow("Write the start page of the tab shown into the project folder.",
                             "Write the start page of the tab shown as a preview and open it in the browser.",
                             "Read how the start page of the tab shown works.", "Close this window.");
  commands_->onCommand(RowCommand::Save, [this] { save(); });
  commands_->onCommand(RowCommand::Preview, [this] { preview(); });
  commands_->onCommand(RowCommand::Help, [this] { help(); });
  commands_->onCommand(RowCommand::Exit, [this] { reject(); });
  strip_ = new ProgressStrip(390);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addWidget(strip_);
  layout->addWidget(commands_);

  binder_.afterChange([this] { showPosition(); });
  binder_.fill();
  showPosition();
}

QLineEdit* DeployDialog::sizeBox(const char* name, const QString& hint, std::string& field) {
  QLineEdit* box = makeBox(name, hint);
  binder_.text(box, field);
  connect(box, &QLineEdit::editingFinished, this, [this] {
    // The message box takes the focus; the check must not run again meanwhile.
    if (asking_) return;
    asking_ = true;
    checkDeploySizes(options_, ports_.menu.Settings, ports_.ui);
    asking_ = false;
    binder_.fill();
  });
  return box;
}

QLineEdit* DeployDialog::nameBox(const char* name, const QString& hint, std::string& field) {
  QLineEdit* box = makeBox(name, hint);
  binder_.text(box, field);
  connect(box, &QLineEdit::editingFinished, this, [this] {
    if (asking_) return;
    asking_ = true;
    checkFrameNames(options_, ports_.ui);
    asking_ = false;
    binder_.fill();
  });
  return box;
}

QLineEdit* DeployDialog::folderBox(const char* name) {
  QLineEdit* folder = makeReadOnlyBox(name, "The project folder: the folder of the menu page, where the pages go.");
  folder->setText(toQString(projectFolder(ports_.menu)));
  return folder;
}

QWidget* DeployDialog::buildFrames() {
  FramesOptions& o = options_.frames;
  const TAppletSettings& settings = ports_.menu.Settings;
  auto* group = new QWidget;
  group->setObjectName("grpFrames");

  auto* positions = new QGroupBox("Where the Quillon frame goes");
  auto* positionLayout = new QGridLayout(positions);
  auto* choice = new QButtonGroup(positions);
  for (std::size_t i = 0; i < std::size(kPositions); ++i) {
    const PositionInfo& info = kPositions[i];
    auto* button = new QRadioButton(info.caption);
    button->setObjectName(info.name);
    button->setToolTip("Put the menu's frame at this side of the window.");
    choice->addButton(button);
    binder_.option(button, [&o, position = info.position] { return o.position == position; },
                   [this, &settings, position = info.position] { choosePosition(options_, position, settings); });
    positionLayout->addWidget(button, static_cast<int>(i), 0);
  }
  picture_ = new QLabel;
  picture_->setObjectName("imgFrame");
  picture_->setToolTip("The window with the menu's frame where it goes.");
  positionLayout->addWidget(picture_, 0, 1, 4, 1, Qt::AlignCenter);

  auto* frames = new QGroupBox("Sizes and names of the frames");
  auto* grid = new QGridLayout(frames);
  sizeLabel_ = new QLabel;
  sizeLabel_->setObjectName("lblLeftWidth");
  grid->addWidget(new QLabel("Size"), 0, 1);
  grid->addWidget(new QLabel("Name"), 0, 2);
  grid->addWidget(sizeLabel_, 1, 0);
  grid->addWidget(sizeBox("txtLeftWidth", "The width (beside) or height (above or below) of the menu's frame.", o.appletFrameSize), 1, 1);
  grid->addWidget(nameBox("txtLeftName", "The name of the menu's frame.", o.appletFrameName), 1, 2);
  grid->addWidget(new QLabel("Main:"), 2, 0);
  QLineEdit* mainSize = makeBox("txtMainWidth", "The size of the main frame; \"*\" takes the rest of the window.");
  binder_.text(mainSize, o.mainFrameSize);
  grid->addWidget(mainSize, 2, 1);
  grid->addWidget(nameBox("txtMainName", "The name of the main frame, which the menu's links open in.", o.mainFrameName), 2, 2);
  QCheckBox* lines = makeCheck("Show Frame Lines", "chkFrameLines", "Draw a border between the two frames.");
  binder_.check(lines, o.showFrameLines);
  QPushButton* defaults = makeButton("Set Defaults", "btnDefault", "Put back the sizes that fit the applet.");
  connect(defaults, &QPushButton::clicked, this, [this] {
    setFrameDefaults(options_, ports_.menu.Settings);
    binder_.fill();
  });
  grid->addWidget(lines, 3, 0, 1, 2);
  grid->addWidget(defaults, 3, 2);

  QLineEdit* start = makeBox("txtStart", "The page that splits the window into the two frames.");
  binder_.text(start, o.startPage);
  QLineEdit* applet = makeReadOnlyBox("txtLeft", "The menu page, shown in the menu's frame.");
  applet->setText(toQString(o.appletPage));
  QLineEdit* main = makeBox("txtMain", "The page first shown in the main frame; a plain page is written under this name.");
  binder_.text(main, o.mainPage);

  auto* files = new QFormLayout;
  files->addRow("The file that splits the window into 2 frames:", start);
  files->addRow("The file with the Quillon:", applet);
  files->addRow("The file that is shown in the MAIN frame:", main);
  files->addRow("Folder:", folderBox("txtDir"));

  auto* layout = new QVBoxLayout(group);
  layout->addWidget(positions);
  layout->addWidget(frames);
  layout->addLayout(files);
  layout->addStretch(1);
  return group;
}

QWidget* DeployDialog::buildFloating() {
  FloatingOptions& o = options_.floating;
  auto* group = new QWidget;
  group->setObjectName("grpFloating");

  QLineEdit* start = makeBox("txtFStart", "The page whose script opens the menu in a window of its own.");
  binder_.text(start, o.startPage);
  QLineEdit* applet = makeReadOnlyBox("txtFLeft", "The menu page, shown in the floating window.");
  applet->setText(toQString(o.appletPage));

  auto* size = new QGroupBox("Size of the floating window");
  auto* sizeLayout = new QHBoxLayout(size);
  sizeLayout->addWidget(new QLabel("Width:"));
  sizeLayout->addWidget(sizeBox("txtFWidth", "The width of the floating window, in pixels.", o.width));
  sizeLayout->addWidget(new QLabel("Height:"));
  sizeLayout->addWidget(sizeBox("txtFHeight", "The height of the floating window, in pixels.", o.height));
  QPushButton* defaults = makeButton("Set Defaults", "btnFDefaults", "Put back the size that fits the applet.");
  connect(defaults, &QPushButton::clicked, this, [this] {
    recomputeFloatingSize(options_, ports_.menu.Settings);
    binder_.fill();
  });
  sizeLayout->addWidget(defaults);

  auto* files = new QFormLayout;
  files->addRow("The file which opens the floating window:", start);
  files->addRow("The file with the Quillon:", applet);
  files->addRow("Folder:", folderBox("txtFDir"));

  auto* layout = new QVBoxLayout(group);
  layout->addLayout(files);
  layout->addWidget(size);
  layout->addStretch(1);
  return group;
}

void DeployDialog::showPosition() {
  // One caption heads the menu frame's row of size and name.
  sizeLabel_->setText(toQString(positionLabel(options_.frames.position)));
  picture_->setPixmap(framePicture(options_.frames.position));
}

void DeployDialog::save() {
  StripScope strip(*strip_);
  DeployContext context{ports_.menu, ports_.ui, ports_.programFolder};
  saveDeployPage(options_, context);
}

void DeployDialog::preview() {
  StripScope strip(*strip_);
  DeployContext context{ports_.menu, ports_.ui, ports_.programFolder};
  previewDeployPage(options_, context, ports_.browser);
}

void DeployDialog::help() { openHelpPage(ports_, deployHelpPage(options_.tab)); }

void DeployDialog::done(int result) {
  if (!asking_) {
    asking_ = true;
    DeployContext context{ports_.menu, ports_.ui, ports_.programFolder};
    closeDeploy(options_, context);
    asking_ = false;
  }
  QDialog::done(result);
}

}  // namespace quillon::gui
