#pragma once
// "Page Color and Font settings": the fonts, colours and background picture
// of the generated pages. A view on the page style's form; OK stores it and
// gives the main window its new body tag.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "generators/page_style.hpp"
#include "ports/user_interface.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quillon::gui {

struct PageFontColorPorts {
  PageStyle& style;
  std::string& bodyTag;  // the main window's body tag, which OK replaces
  UserInterface& ui;     // the colour picker and the picture's file dialog
  std::string projectFolder;
};

// Asks for a font, starting from the current one; nothing when cancelled.
using FontPicker = std::function<std::optional<PageFont>(const PageFont& current, QWidget* parent)>;

class PageFontColorDialog : public QDialog {
  Q_OBJECT
 public:
  // dropDownTab: the drop-down menu has one font for its entries.
  PageFontColorDialog(PageFontColorPorts ports, bool dropDownTab, QWidget* parent = nullptr);

  // The platform's font dialog unless replaced.
  void setFontPicker(FontPicker picker) { pickFont_ = std::move(picker); }

  PageStyleForm& form() { return ports_.style.form; }

 private:
  enum FontRow { Title, Level1, Level2, Level3 };
  enum ColorRow { Background, Text, Link, Visited, Active };

  QWidget* buildFonts();
  QWidget* buildColors();
  QWidget* buildPicture();
  PageFont& font(int row);
  Color& color(int row);
  void pickFont(int row);
  void pickFontColor(int row);
  void pickColor(int row);
  void browsePicture();
  void confirm();
  // The controls from the form.
  void fill();

  PageFontColorPorts ports_;
  FontPicker pickFont_;
  QCheckBox* defaultFonts_ = nullptr;
  std::array<QLabel*, 4> fontSamples_{};
  std::array<QPushButton*, 4> fontButtons_{};
  std::array<QToolButton*, 4> fontColorButtons_{};
  std::array<QLabel*, 5> colorSamples_{};
  QCheckBox* picture_ = nullptr;
  QLineEdit* pictureFile_ = nullptr;
  QPushButton* browse_ = nullptr;
};

}  // namespace quillon::gui
