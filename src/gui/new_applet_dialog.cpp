#include "gui/new_applet_dialog.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/qt_text.hpp"

namespace quillon::gui {

namespace {

struct OptionText {
  const char* caption;
  const char* hint;
  const char* pictureHint;
};

OptionText optionText(TAppletKind kind) {
  switch (kind) {
    case akTab: return {"Tab Only", "Set for creating just the Tab applet.", "Quillon (Tab applet)"};
    case akTree: return {"Tree Only", "Set for creating just the Tree applet.", "Quillon (Tree applet)"};
    case akTabTree: break;
  }
  return {"Tab and Tree", "Set for creating a combination of both the Tab AND the Tree applets.",
          "Quillon (Tab&Tree applet)"};
}

}  // namespace

NewAppletDialog::NewAppletDialog(NewAppletWizard& wizard, QWidget* parent)
    : QDialog(parent),
      wizard_(wizard),
      themes_(new QListWidget(this)),
      ok_(new QPushButton("&OK", this)),
      cancel_(new QPushButton("&Cancel", this)) {
  setWindowTitle("Please make your selection.");
  setModal(true);

  auto* styles = new QGroupBox(" Select Applet Style ", this);
  auto* grid = new QGridLayout(styles);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  int row = 0;
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) {
    const OptionText text = optionText(kind);
    auto* option = new QRadioButton(text.caption, styles);
    option->setToolTip(text.hint);
    auto* picture = new QLabel(styles);
    picture->setFixedSize(kPictureWidth, kPictureHeights[kind]);
    picture->setToolTip(text.pictureHint);
    // Hidden options and pictures keep their places, so nothing moves.
    for (QWidget* widget : {static_cast<QWidget*>(option), static_cast<QWidget*>(picture)}) {
      QSizePolicy keepPlace = widget->sizePolicy();
      keepPlace.setRetainSizeWhenHidden(true);
      widget->setSizePolicy(keepPlace);
    }
    grid->addWidget(option, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(picture, row, 1);
    options_[kind] = option;
    pictures_[kind] = picture;
    connect(option, &QRadioButton::clicked, this, [this, kind] {
      wizard_.optionClicked(kind);
      refresh();
    });
    ++row;
  }

  auto* themeGroup = new QGroupBox("Select Theme ", this);
  auto* themeLayout = new QVBoxLayout(themeGroup);
  themeLayout->setContentsMargins(8, 4, 8, 6);
  themeLayout->addWidget(themes_);
  themes_->setToolTip("Choose from one of these exciting themes for your site.");
  connect(themes_, &QListWidget::currentRowChanged, this, [this](int index) {
    wizard_.entryClicked(index);
    refreshPictures();
  });
  connect(themes_, &QListWidget::itemDoubleClicked, this, [this] { ok(); });

  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { ok(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* groups = new QHBoxLayout;
  groups->addWidget(styles);
  groups->addWidget(themeGroup, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancel_);
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(6);
  layout->addLayout(groups);
  layout->addLayout(buttons);
  setFixedSize(kWidth, kHeight);
}

std::optional<WizardResult> NewAppletDialog::run() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return wizard_.result();
}

void NewAppletDialog::showEvent(QShowEvent* event) {
  wizard_.shown();
  refresh();
  QDialog::showEvent(event);
}

void NewAppletDialog::ok() {
  if (wizard_.accept()) accept();
}

void NewAppletDialog::refresh() {
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) {
    options_[kind]->setVisible(wizard_.optionVisible(kind));
    options_[kind]->setChecked(wizard_.checkedKind() == kind);
  }
  // Filling the list moves its current row; the wizard already knows the selection.
  const QSignalBlocker quiet(themes_);
  themes_->clear();
  for (const std::string& entry : wizard_.entries()) themes_->addItem(toQString(entry));
  themes_->setCurrentRow(wizard_.selectedIndex());
  refreshPictures();
}

void NewAppletDialog::refreshPictures() {
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) {
    QLabel* label = pictures_[kind];
    const std::optional<std::string>& path = wizard_.picture(kind);
    QPixmap picture;
    if (path && picture.load(toQString(*path))) {
      label->setPixmap(picture);
      label->show();
    } else {
      label->clear();
      label->hide();
    }
  }
}

}  // namespace quillon::gui
