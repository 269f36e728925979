// The font and colour settings: what the window shows of the page style,
// its fonts, colours and picture, and the body tag OK gives the main window.
#include "gui/page_font_color_dialog.hpp"

#include <QLabel>
#include <QToolButton>

#include "gui/qt_color.hpp"
#include "page_windows_fixture.hpp"
#include "test_images.hpp"

namespace quillon::gui {
namespace {

namespace fs = std::filesystem;

class PageFontColorDialogTest : public PageWindowsTest {
 protected:
  std::string bodyTag;

  std::unique_ptr<PageFontColorDialog> open(bool dropDownTab = false) {
    return std::make_unique<PageFontColorDialog>(PageFontColorPorts{style, bodyTag, ui, site()}, dropDownTab);
  }
  static QColor backgroundOf(QWidget& dialog, const char* sample) {
    return control<QLabel>(dialog, sample)->palette().color(QPalette::Window);
  }
  static void ok(QWidget& dialog) { control<QPushButton>(dialog, "btnOK")->click(); }
};

TEST_F(PageFontColorDialogTest, AFreshStyleShowsTheDefaultColoursAndTheBrowsersFonts) {
  auto dialog = open();
  EXPECT_EQ(dialog->windowTitle().toStdString(), "Page Color and Font settings");
  EXPECT_TRUE(control<QCheckBox>(*dialog, "chkDefaultFonts")->isChecked());
  EXPECT_FALSE(control<QPushButton>(*dialog, "btnFontTitle")->isEnabled());
  EXPECT_FALSE(control<QLabel>(*dialog, "FontLevel3")->isEnabled());
  const std::pair<const char*, QColor> samples[] = {
      {"pnlBackgroundColor", Qt::white}, {"pnlTextColor", Qt::black}, {"pnlHyperlinkColor", Qt::blue},
      {"pnlVisitedHyperlinkColor", QColor(128, 0, 128)}, {"pnlActiveHyperlinkColor", Qt::red}};
  for (const auto& [sample, colour] : samples) EXPECT_EQ(backgroundOf(*dialog, sample), colour) << sample;
  EXPECT_FALSE(control<QCheckBox>(*dialog, "chkBackgroundPicture")->isChecked());
  EXPECT_FALSE(control<QPushButton>(*dialog, "btnBackgroundPicture")->isEnabled());
  EXPECT_TRUE(bodyTag.empty());
}

TEST_F(PageFontColorDialogTest, ThePageReadBringsItsColoursAndPicture) {
  style.body = parseBodyTag("<BODY background=\"paper.gif\" bgcolor=\"#000080\" text=\"#FFFF00\">");
  auto dialog = open();
  EXPECT_EQ(backgroundOf(*dialog, "pnlBackgroundColor"), QColor(0, 0, 128));
  EXPECT_EQ(backgroundOf(*dialog, "pnlTextColor"), QColor(255, 255, 0));
  EXPECT_EQ(control<QLabel>(*dialog, "FontTitle")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_TRUE(control<QCheckBox>(*dialog, "chkBackgroundPicture")->isChecked());
  EXPECT_EQ(control<QLineEdit>(*dialog, "txtBackgroundPicture")->text().toStdString(), "paper.gif");
  EXPECT_TRUE(control<QPushButton>(*dialog, "btnBackgroundPicture")->isEnabled());
}

TEST_F(PageFontColorDialogTest, TheDropDownMenuHasOneFontForItsEntries) {
  auto dialog = open(true);
  EXPECT_EQ(control<QLabel>(*dialog, "FontLevel1")->text().toStdString(), "Normal Text - Example");
  for (const char* name : {"FontLevel2", "FontLevel3", "btnFontLevel2", "btnFontLevel3"}) {
    EXPECT_TRUE(control<QWidget>(*dialog, name)->isHidden()) << name;
  }
  dialog = open(false);
  EXPECT_EQ(control<QLabel>(*dialog, "FontLevel1")->text().toStdString(), "Level 1 - Example");
  EXPECT_FALSE(control<QWidget>(*dialog, "FontLevel3")->isHidden());
}

TEST_F(PageFontColorDialogTest, OkStoresColoursAndFontsAndGivesTheBodyTag) {
  auto dialog = open();
  // Background, then the link colour, then the title font's colour.
  ui.pickedColors = {0x00FFFF, 0x008000, 0x0000FF};
  control<QPushButton>(*dialog, "btnBackgroundColor")->click();
  control<QPushButton>(*dialog, "btnHyperlinkColor")->click();
  control<QCheckBox>(*dialog, "chkDefaultFonts")->setChecked(false);
  EXPECT_TRUE(control<QPushButton>(*dialog, "btnFontTitle")->isEnabled());
  dialog->setFontPicker([](const PageFont& current, QWidget*) {
    PageFont font = current;
    font.face = "DejaVu Serif";
    font.size = 14;
    font.italic = true;
    return std::optional<PageFont>(font);
  });
  control<QPushButton>(*dialog, "btnFontTitle")->click();
  control<QToolButton>(*dialog, "btnFontTitleColor")->click();
  EXPECT_TRUE(control<QLabel>(*dialog, "FontTitle")->font().italic());
  EXPECT_EQ(backgroundOf(*dialog, "pnlBackgroundColor"), QColor(255, 255, 0));

  ok(*dialog);
  EXPECT_EQ(bodyTag, "<BODY bgcolor=\"#FFFF00\" text=\"#000000\" link=\"#008000\" vlink=\"#800080\" alink=\"#FF0000\">");
  EXPECT_TRUE(style.body.confirmed());
  const PageFont& title = style.props.FontTitle;
  EXPECT_EQ(title.face, "DejaVu Serif");
  EXPECT_EQ(title.size, 14);
  EXPECT_TRUE(title.italic && title.bold) << "the style picked keeps what the picker left";
  EXPECT_EQ(title.color, 0x0000FFu);

  // Shown again, the window holds what OK stored.
  dialog = open();
  EXPECT_FALSE(control<QCheckBox>(*dialog, "chkDefaultFonts")->isChecked());
  EXPECT_EQ(control<QLabel>(*dialog, "FontTitle")->font().family().toStdString(), "DejaVu Serif");
  EXPECT_EQ(backgroundOf(*dialog, "pnlHyperlinkColor"), QColor(0, 128, 0));
}

TEST_F(PageFontColorDialogTest, CancelledDialogsChangeNothing) {
  auto dialog = open();
  control<QPushButton>(*dialog, "btnTextColor")->click();  // the colour dialog is cancelled
  control<QPushButton>(*dialog, "btnCancel")->click();
  EXPECT_TRUE(bodyTag.empty());
  EXPECT_FALSE(style.body.confirmed());
  EXPECT_EQ(style.form.text, kBlack);
}

TEST_F(PageFontColorDialogTest, TheBackgroundPictureIsCopiedInAndUncheckingDropsItFromTheTag) {
  const std::string picture = temp.file("pictures/paper.gif");
  fs::create_directories(temp.file("pictures"));
  testing::writeGif(picture, 8, 8);
  auto dialog = open();
  control<QCheckBox>(*dialog, "chkBackgroundPicture")->setChecked(true);
  ui.pickedFiles.push_back(picture);
  control<QPushButton>(*dialog, "btnBackgroundPicture")->click();
  EXPECT_EQ(ui.fileDialogs.at(0).title, "Select background image");
  EXPECT_TRUE(fs::exists(site("paper.gif")));
  EXPECT_EQ(control<QLineEdit>(*dialog, "txtBackgroundPicture")->text().toStdString(), "paper.gif");
  ok(*dialog);
  EXPECT_EQ(bodyTag.rfind("<BODY background=\"paper.gif\" bgcolor=", 0), 0u) << bodyTag;

  dialog = open();
  ASSERT_TRUE(control<QCheckBox>(*dialog, "chkBackgroundPicture")->isChecked());
  control<QCheckBox>(*dialog, "chkBackgroundPicture")->setChecked(false);
  EXPECT_TRUE(control<QLineEdit>(*dialog, "txtBackgroundPicture")->text().isEmpty());
  EXPECT_FALSE(control<QPushButton>(*dialog, "btnBackgroundPicture")->isEnabled());
  ok(*dialog);
  EXPECT_EQ(bodyTag.find("background="), std::string::npos);
  EXPECT_EQ(style.body.BackgroundFile, "paper.gif") << "the record keeps it for the next showing";
}

}  // namespace
}  // namespace quillon::gui
