#pragma once
// The fonts, colours and background picture of generated pages, and the body
// tag built from them. The main window keeps one PageStyle for the whole run;
// the font and colour dialog is a view on its form.
#include <optional>
#include <string>

#include "generators/font_tags.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

// The body attributes as texts. The marker "DONE" in BackgroundColor means
// the dialog was confirmed and the values come from TSiteMapProp.
struct THTMLBody {
  std::string BackgroundFile;
  std::string BackgroundColor;
  std::string TextColor;
  std::string LinkColor;
  std::string VisitedLinkColor;
  std::string ActiveLinkColor;

  bool confirmed() const;
};

inline constexpr const char* kBodyConfirmedMarker = "DONE";

// What the dialog's OK stored.
struct TSiteMapProp {
  PageFont FontTitle;
  PageFont FontLevel1;
  PageFont FontLevel2;
  PageFont FontLevel3;
  Color BackgroundColor = kBlack;
  Color TextColor = kBlack;
  Color LinkColor = kBlack;
  Color VisitedLinkColor = kBlack;
  Color ActiveLinkColor = kBlack;
};

// The dialog's controls, as they stay between showings.
struct PageStyleForm {
  PageFont fontTitle{"MS Sans Serif", 10, true};
  PageFont fontLevel1{"MS Sans Serif", 10};
  PageFont fontLevel2{"MS Sans Serif", 8};
  PageFont fontLevel3{"MS Serif", 6};
  bool useDefaultFonts = false;  // chkDefaultFonts
  Color background = kWhite;
  Color text = kBlack;
  Color link = kBlue;
  Color visitedLink = kPurple;
  Color activeLink = kRed;
  bool backgroundPicture = false;     // chkBackgroundPicture
  std::string backgroundPictureFile;  // txtBackgroundPicture: a file name in the project folder

  // The drop-down menu has one font for its entries.
  std::string level1Caption = "Level 1 - Example";
  bool showLevel2And3 = true;
};

struct PageStyle {
  THTMLBody body;
  TSiteMapProp props{PageStyleForm{}.fontTitle, PageStyleForm{}.fontLevel1, PageStyleForm{}.fontLevel2,
                     PageStyleForm{}.fontLevel3};
  PageStyleForm form;
};

// Loads the current settings into the form, as showing the dialog does; the
// generators run it too before they read the fonts.
void showPageStyle(PageStyle& style, bool dropDownTab);

// The dialog's OK: stores the form and returns the new body tag.
std::string confirmPageStyle(PageStyle& style);

// "<BODY background=... bgcolor=... text=... link=... vlink=... alink=...>".
std::string buildBodyTag(const PageStyleForm& form);

// The body record of a page's body tag, each attribute read by its whole name.
THTMLBody parseBodyTag(const std::string& tag);

// The picture check box: unchecking empties the file name.
void setBackgroundPictureChecked(PageStyleForm& form, bool checked);

// Takes a picture as the page background: copies it into the project folder
// (a failed copy leaves the name set, as a failed site copy does) and returns its name.
std::string takeBackgroundPicture(PageStyle& style, const std::string& picture, const std::string& projectFolder);

// "Browse": picks a picture and takes it. Returns the file name taken, or
// nothing when the user cancels.
std::optional<std::string> browseBackgroundPicture(PageStyle& style, UserInterface& ui,
                                                   const std::string& projectFolder);

}  // namespace quillon
