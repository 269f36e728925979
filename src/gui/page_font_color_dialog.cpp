#include "gui/page_font_color_dialog.hpp"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/page_controls.hpp"
#include "gui/qt_color.hpp"
#include "gui/widget_fill.hpp"

namespace quillon::gui {

namespace {

struct FontRowInfo {
  const char* caption;
  const char* sample;
  const char* button;
  const char* colorButton;
  const char* hint;
};

constexpr FontRowInfo kFontRows[] = {
    {"Title - Example", "FontTitle", "btnFontTitle", "btnFontTitleColor", "The font of the page's title."},
    {"Level 1 - Example", "FontLevel1", "btnFontLevel1", "btnFontLevel1Color",
     "The font of the first level: the root entries, or the tab captions of a Tab&Tree menu."},
    {"Level 2 - Example", "FontLevel2", "btnFontLevel2", "btnFontLevel2Color", "The font of the second level."},
    {"Level 3 - Example", "FontLevel3", "btnFontLevel3", "btnFontLevel3Color",
     "The font of the third level and every level below it."},
};

struct ColorRowInfo {
  const char* caption;
  const char* sample;
  const char* button;
  const char* hint;
};

constexpr ColorRowInfo kColorRows[] = {
    {"Background", "pnlBackgroundColor", "btnBackgroundColor", "The colour of the page behind the text."},
    {"Text", "pnlTextColor", "btnTextColor", "The colour of text that is not a link."},
    {"Hyperlink", "pnlHyperlinkColor", "btnHyperlinkColor", "The colour of links not yet visited."},
    {"Visited Hyperlink", "pnlVisitedHyperlinkColor", "btnVisitedHyperlinkColor",
     "The colour of links the visitor has followed."},
    {"Active Hyperlink", "pnlActiveHyperlinkColor", "btnActiveHyperlinkColor",
     "The colour of a link while it is being clicked."},
};

QFont toQFont(const PageFont& font) {
  QFont result(toQString(font.face));
  if (font.size > 0) result.setPointSize(font.size);
  result.setBold(font.bold);
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  result.setStrikeOut(font.strikeOut);
  return result;
}

// The platform's font dialog; the colour of the font is chosen beside it.
std::optional<PageFont> platformFontPicker(const PageFont& current, QWidget* parent) {
  bool chosen = false;
  const QFont picked = QFontDialog::getFont(&chosen, toQFont(current), parent, "Font");
  if (!chosen) return std::nullopt;
  PageFont font = current;
  font.face = toBytes(picked.family());
  font.size = picked.pointSize() > 0 ? picked.pointSize() : current.size;
  font.bold = picked.bold();
  font.italic = picked.italic();
  font.underline = picked.underline();
  font.strikeOut = picked.strikeOut();
  return font;
}

void paint(QLabel* label, Color background, Color text) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, toQColor(background));
  palette.setColor(QPalette::WindowText, toQColor(text));
  label->setPalette(palette);
}

}  // namespace

PageFontColorDialog::PageFontColorDialog(PageFontColorPorts ports, bool dropDownTab, QWidget* parent)
    : QDialog(parent), ports_(std::move(ports)), pickFont_(platformFontPicker) {
  setObjectName("frmGenFontColor");
  setWindowTitle("Page Color and Font settings");
  resize(500, 380);

  auto* ok = new QPushButton("&OK");
  ok->setObjectName("btnOK");
  ok->setToolTip("Keep these settings for the pages generated from now on.");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("btnCancel");
  cancel->setToolTip("Close without changing the settings.");
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel, QDialogButtonBox::RejectRole);
  connect(ok, &QPushButton::clicked, this, &PageFontColorDialog::confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* groups = new QHBoxLayout;
  groups->addWidget(buildFonts(), 3);
  groups->addWidget(buildColors(), 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups, 1);
  layout->addWidget(buildPicture());
  layout->addWidget(buttons);

  showPageStyle(ports_.style, dropDownTab);
  fill();
}

QWidget* PageFontColorDialog::buildFonts() {
  auto* group = new QGroupBox("Fonts");
  auto* grid = new QGridLayout(group);
  defaultFonts_ = makeCheck("Use Default Browser Fonts", "chkDefaultFonts",
                            "Leave the fonts of the generated page to the visitor's browser.");
  connect(defaultFonts_, &QCheckBox::toggled, this, [this](bool on) {
    form().useDefaultFonts = on;
    fill();
  });
  grid->addWidget(defaultFonts_, 0, 0, 1, 3);
  for (int row = 0; row < 4; ++row) {
    const FontRowInfo& info = kFontRows[row];
    auto* sample = new QLabel(info.caption);
    sample->setObjectName(info.sample);
    sample->setToolTip(info.hint);
    sample->setFrameShape(QFrame::StyledPanel);
    sample->setAutoFillBackground(true);
    sample->setMinimumSize(170, 34);
    auto* button = makeButton("Font", info.button, "Choose the font of the sample beside it.");
    auto* colorButton = makeBrowseButton(info.colorButton, "Choose the colour of the sample's font.");
    colorButton->setText("Color");
    connect(button, &QPushButton::clicked, this, [this, row] { pickFont(row); });
    connect(colorButton, &QToolButton::clicked, this, [this, row] { pickFontColor(row); });
    fontSamples_[static_cast<std::size_t>(row)] = sample;
    fontButtons_[static_cast<std::size_t>(row)] = button;
    fontColorButtons_[static_cast<std::size_t>(row)] = colorButton;
    grid->addWidget(sample, row + 1, 0);
    grid->addWidget(button, row + 1, 1);
    grid->addWidget(colorButton, row + 1, 2);
  }
  grid->setRowStretch(5, 1);
  return group;
}

QWidget* PageFontColorDialog::buildColors() {
  auto* group = new QGroupBox("Colors");
  auto* grid = new QGridLayout(group);
  for (int row = 0; row < 5; ++row) {
    const ColorRowInfo& info = kColorRows[row];
    auto* sample = new QLabel;
    sample->setObjectName(info.sample);
    sample->setToolTip(info.hint);
    sample->setFrameShape(QFrame::Box);
    sample->setAutoFillBackground(true);
    sample->setFixedSize(28, 20);
    auto* button = makeButton(info.caption, info.button, info.hint);
    connect(button, &QPushButton::clicked, this, [this, row] { pickColor(row); });
    colorSamples_[static_cast<std::size_t>(row)] = sample;
    grid->addWidget(sample, row, 0);
    grid->addWidget(button, row, 1);
  }
  grid->setRowStretch(5, 1);
  return group;
}

QWidget* PageFontColorDialog::buildPicture() {
  auto* group = new QGroupBox;
  auto* row = new QHBoxLayout(group);
  picture_ = makeCheck("Background Picture", "chkBackgroundPicture", "Show a picture behind the page's text.");
  pictureFile_ = makeReadOnlyBox("txtBackgroundPicture", "The picture, kept in the project folder.");
  browse_ = makeButton("Browse", "btnBackgroundPicture",
                       "Choose a GIF or JPEG picture; it is copied into the project folder.");
  connect(picture_, &QCheckBox::toggled, this, [this](bool on) {
    setBackgroundPictureChecked(form(), on);
    fill();
  });
  connect(browse_, &QPushButton::clicked, this, &PageFontColorDialog::browsePicture);
  row->addWidget(picture_);
  row->addWidget(pictureFile_, 1);
  row->addWidget(browse_);
  return group;
}

PageFont& PageFontColorDialog::font(int row) {
  PageStyleForm& f = form();
  PageFont* fonts[] = {&f.fontTitle, &f.fontLevel1, &f.fontLevel2, &f.fontLevel3};
  return *fonts[row];
}

Color& PageFontColorDialog::color(int row) {
  PageStyleForm& f = form();
  Color* colors[] = {&f.background, &f.text, &f.link, &f.visitedLink, &f.activeLink};
  return *colors[row];
}

void PageFontColorDialog::pickFont(int row) {
  if (std::optional<PageFont> picked = pickFont_(font(row), this)) font(row) = *picked;
  fill();
}

void PageFontColorDialog::pickFontColor(int row) {
  if (std::optional<Color> picked = ports_.ui.chooseColor(font(row).color)) font(row).color = *picked;
  fill();
}

void PageFontColorDialog::pickColor(int row) {
  if (std::optional<Color> picked = ports_.ui.chooseColor(color(row))) color(row) = *picked;
  fill();
}

void PageFontColorDialog::browsePicture() {
  browseBackgroundPicture(ports_.style, ports_.ui, ports_.projectFolder);
  fill();
}

void PageFontColorDialog::confirm() {
  ports_.bodyTag = confirmPageStyle(ports_.style);
  accept();
}

void PageFontColorDialog::fill() {
  const PageStyleForm& f = form();
  {
    const QSignalBlocker quiet(defaultFonts_);
    defaultFonts_->setChecked(f.useDefaultFonts);
  }
  for (int row = 0; row < 4; ++row) {
    const auto at = static_cast<std::size_t>(row);
    QLabel* sample = fontSamples_[at];
    const bool shown = row < 2 || f.showLevel2And3;
    if (row == Level1) sample->setText(toQString(f.level1Caption));
    sample->setFont(toQFont(font(row)));
    paint(sample, f.background, font(row).color);
    for (QWidget* widget : {static_cast<QWidget*>(sample), static_cast<QWidget*>(fontButtons_[at]),
                            static_cast<QWidget*>(fontColorButtons_[at])}) {
      widget->setVisible(shown);
      widget->setEnabled(!f.useDefaultFonts);
    }
  }
  for (int row = 0; row < 5; ++row) {
    const Color c = color(row);
    paint(colorSamples_[static_cast<std::size_t>(row)], c, c);
  }
  {
    const QSignalBlocker quiet(picture_);
    picture_->setChecked(f.backgroundPicture);
  }
  setTextIfChanged(pictureFile_, f.backgroundPictureFile);
  pictureFile_->setEnabled(f.backgroundPicture);
  browse_->setEnabled(f.backgroundPicture);
}

}  // namespace quillon::gui
