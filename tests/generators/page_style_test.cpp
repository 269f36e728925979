// Font tags, colours, the body tag and the dialog's show and OK steps.
#include <gtest/gtest.h>

#include <filesystem>

#include "generators/page_style.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

TEST(FontTags, StyleTagsFollowTheStyleSet) {
  struct Case {
    bool bold, italic, underline, strikeOut;
    const char* opening;
    const char* closing;
  };
  const Case cases[] = {
      {true, false, false, false, "<B>", "</B>"},
      {false, true, false, false, "<I>", "</I>"},
      {true, true, false, false, "<B><I>", "</I></B>"},
      {false, false, true, false, "<U>", "</U>"},
      {true, false, true, false, "<B><U>", "</U></B>"},
      {false, true, true, false, "<I><U>", "</U></I>"},
      {true, true, true, false, "<B><I><U>", "</U></I></B>"},
      {false, false, false, false, "", ""},
      {true, true, true, true, "", ""},
      {true, false, false, true, "", ""},
  };
  for (const Case& c : cases) {
    PageFont font{"Arial", 10, c.bold, c.italic, c.underline, c.strikeOut};
    const StyleTags tags = styleTags(font);
    EXPECT_EQ(tags.opening, c.opening) << c.bold << c.italic << c.underline << c.strikeOut;
    EXPECT_EQ(tags.closing, c.closing) << c.bold << c.italic << c.underline << c.strikeOut;
  }
}

TEST(FontTags, HtmlSizesNeverFive) {
  const std::pair<int, int> cases[] = {{-3, 7}, {0, 7},  {1, 1},  {8, 1},  {9, 2},  {10, 2}, {11, 3},
                                       {12, 3}, {13, 4}, {18, 4}, {19, 6}, {24, 6}, {25, 7}};
  for (const auto& [points, size] : cases) EXPECT_EQ(htmlFontSize(points), size) << points;
}

TEST(FontTags, WrapsTextInStyleAndFontTags) {
  const PageFont font{"Times \"New\"", 10, true, true, false, false, 0x0080FF};
  EXPECT_EQ(fontWrap("News", font),
            "<B><I><font face=\"Times &quot;New&quot;\" size=\"2\" color=\"#FF8000\">News</font></I></B>");
}

TEST(HtmlColors, ConvertBothWays) {
  EXPECT_EQ(colorToHtml(kWhite), "#FFFFFF");
  EXPECT_EQ(colorToHtml(kPurple), "#800080");
  EXPECT_EQ(colorToHtml(0x0A0B0C), "#0C0B0A") << "red sits in the low byte";
  EXPECT_EQ(htmlToColor("#0C0B0A"), 0x0A0B0Cu);
  EXPECT_EQ(htmlToColor("#ff8000"), 0x0080FFu);
  for (const char* unreadable : {"", "white", "#FFF", "#GG0000"}) {
    EXPECT_EQ(htmlToColor(unreadable), kBlack) << unreadable;
    EXPECT_FALSE(readHtmlColor(unreadable)) << unreadable;
  }
}

TEST(BodyTag, ParsedByWholeAttributeNames) {
  // "vlink" and "alink" come first: a search for "link=" would find them.
  const THTMLBody body =
      parseBodyTag("<BODY vlink=\"#800080\" alink='#FF0000' background=\"a&amp;b.gif\" bgcolor=#FFFFFF "
                   "TEXT=\"#000000\" link=\"#0000FF\">");
  EXPECT_EQ(body.LinkColor, "#0000FF");
  EXPECT_EQ(body.VisitedLinkColor, "#800080");
  EXPECT_EQ(body.ActiveLinkColor, "#FF0000");
  EXPECT_EQ(body.BackgroundColor, "#FFFFFF");
  EXPECT_EQ(body.TextColor, "#000000");
  EXPECT_EQ(body.BackgroundFile, "a&b.gif");
  EXPECT_FALSE(body.confirmed());

  const THTMLBody bare = parseBodyTag("<body>");
  EXPECT_EQ(bare.LinkColor, "");
  EXPECT_EQ(bare.BackgroundColor, "");
}

TEST(PageStyleDialog, UnconfirmedShowsBrowserFontsAndTheDefaultSamples) {
  PageStyle style;
  style.form.useDefaultFonts = false;
  showPageStyle(style, false);
  EXPECT_TRUE(style.form.useDefaultFonts);
  EXPECT_EQ(style.form.background, kWhite) << "an empty body keeps the sample's default, not black";
  EXPECT_EQ(style.form.link, kBlue);
  EXPECT_EQ(style.form.visitedLink, kPurple);
  EXPECT_EQ(style.form.activeLink, kRed);
  EXPECT_EQ(style.form.fontTitle.color, kBlack);
  EXPECT_FALSE(style.form.backgroundPicture);
  EXPECT_EQ(confirmPageStyle(style),
            "<BODY bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000FF\" vlink=\"#800080\" alink=\"#FF0000\">");
}

TEST(PageStyleDialog, ShowsTheBodyOfAReadPage) {
  PageStyle style;
  style.body = parseBodyTag("<BODY background=\"sky.gif\" bgcolor=\"#102030\" text=\"#405060\" link=\"#000001\">");
  showPageStyle(style, true);
  EXPECT_EQ(style.form.background, 0x302010u);
  EXPECT_EQ(style.form.text, 0x605040u);
  EXPECT_EQ(style.form.fontLevel3.color, 0x605040u) << "the samples take the text colour";
  EXPECT_EQ(style.form.link, 0x010000u);
  EXPECT_TRUE(style.form.backgroundPicture);
  EXPECT_EQ(style.form.backgroundPictureFile, "sky.gif");
  EXPECT_EQ(style.form.level1Caption, "Normal Text - Example");
  EXPECT_FALSE(style.form.showLevel2And3);
}

TEST(PageStyleDialog, ConfirmedSettingsComeBackOnTheNextShow) {
  PageStyle style;
  showPageStyle(style, false);
  style.form.useDefaultFonts = false;
  style.form.fontLevel2 = PageFont{"Verdana", 12, false, true};
  style.form.background = 0x00FFFF;
  style.form.backgroundPictureFile = "bg.jpg";
  EXPECT_EQ(confirmPageStyle(style),
            "<BODY background=\"bg.jpg\" bgcolor=\"#FFFF00\" text=\"#000000\" link=\"#0000FF\" vlink=\"#800080\" "
            "alink=\"#FF0000\">");
  EXPECT_TRUE(style.body.confirmed());

  style.form = PageStyleForm{};
  showPageStyle(style, false);
  EXPECT_EQ(style.form.fontLevel2, (PageFont{"Verdana", 12, false, true}));
  EXPECT_EQ(style.form.background, 0x00FFFFu);
  EXPECT_FALSE(style.form.useDefaultFonts) << "the box keeps what the user left";
}

TEST(PageStyleDialog, UncheckingThePictureDropsItFromTheTagButNotFromTheRecord) {
  PageStyle style;
  style.body.BackgroundFile = "bg.gif";
  showPageStyle(style, false);
  setBackgroundPictureChecked(style.form, false);
  EXPECT_EQ(confirmPageStyle(style).find("background="), std::string::npos);
  showPageStyle(style, false);
  EXPECT_TRUE(style.form.backgroundPicture);
  EXPECT_EQ(style.form.backgroundPictureFile, "bg.gif");
}

TEST(PageStyleDialog, BrowsingCopiesThePictureIntoTheProjectFolder) {
  testing::TempDir temp;
  testing::writeFile(temp.file("pictures/sky.gif"), "GIF89a");
  std::filesystem::create_directories(temp.file("site"));
  testing::ScriptedUi ui;
  ui.pickedFiles.push_back(temp.file("pictures/sky.gif"));
  PageStyle style;
  EXPECT_EQ(browseBackgroundPicture(style, ui, temp.file("site/")), "sky.gif");
  EXPECT_EQ(testing::readFile(temp.file("site/sky.gif")), "GIF89a");
  EXPECT_EQ(style.body.BackgroundFile, "sky.gif");
  EXPECT_EQ(ui.fileDialogs.at(0).title, "Select background image");

  ui.pickedFiles.push_back(temp.file("site/sky.gif"));
  EXPECT_EQ(browseBackgroundPicture(style, ui, temp.file("site/")), "sky.gif");
  EXPECT_EQ(testing::readFile(temp.file("site/sky.gif")), "GIF89a") << "a picture already there stays whole";
  EXPECT_FALSE(browseBackgroundPicture(style, ui, temp.file("site/")));
}

}  // namespace
}  // namespace quillon
