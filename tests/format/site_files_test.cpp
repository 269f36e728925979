// The files a save puts into the site, and the report that lists them.
#include <gtest/gtest.h>

#include <filesystem>

#include "format/applet_files.hpp"
#include "writer_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;
using testing::WriterFixture;

TEST(SiteFiles, AppletFilesAndSoundsAreReplacedButImagesAreKept) {
  WriterFixture f(akTree);
  TAppletSettings& s = f.menu.Settings;
  s.Codebase = "java/";
  writeFile(f.temp.file("sounds/click.au"), "new click");
  s.ClickSound = f.temp.file("sounds/click.au");
  s.ClickSoundName = "click.au";
  s.DefLeaf = f.addIcon("Leaf.gif");
  writeFile(f.site("java/TrellTreeR.class"), "old applet");
  writeFile(f.site("java/Beans.class"), "old support");
  writeFile(f.site("java/click.au"), "old click");
  writeFile(f.site("java/Leaf.gif"), "the site's own leaf");
  f.write();
  EXPECT_EQ(readFile(f.site("java/TrellTreeR.class")), "class of OrvelTree");
  EXPECT_EQ(readFile(f.site("java/TrellTreeR.jar")), "archive of OrvelTree");
  EXPECT_EQ(readFile(f.site("java/Beans.class")), "Beans.class");
  for (const char* name : kSupportClasses) EXPECT_TRUE(fs::exists(f.site(std::string("java/") + name))) << name;
  EXPECT_FALSE(fs::exists(f.site("java/TrellTabR.class")));
  EXPECT_EQ(readFile(f.site("java/click.au")), "new click");
  EXPECT_EQ(readFile(f.site("java/Leaf.gif")), "the site's own leaf");
  EXPECT_EQ(f.param("MOUSECLICKSOUND"), "click.au");
  EXPECT_TRUE(f.ui.messages.size() == 1 && f.ui.messages[0].kind == MessageKind::Information);
}

TEST(SiteFiles, MissingSourcesAreSkippedQuietly) {
  WriterFixture f(akTab);
  fs::remove_all(f.program());
  f.menu.Settings.OverSound = f.temp.file("nowhere.au");
  f.menu.Settings.OverSoundName = "nowhere.au";
  EXPECT_TRUE(f.write().ok());
  EXPECT_FALSE(fs::exists(f.site("TrellTabR.class")));
  EXPECT_EQ(f.ui.messages.size(), 1u);  // only "File Saved as"
}

TEST(SiteFiles, AnEmptyPictureInTheSiteIsReplaced) {
  // Left by a copy cut short once; a picture of the user's own is kept (above).
  WriterFixture f(akTree);
  f.menu.Settings.ImageDir = "art/icons/";
  f.menu.Settings.DefLeaf = f.addIcon("Leaf.gif");
  writeFile(f.site("art/icons/Leaf.gif"), "");
  ASSERT_TRUE(f.write().ok());
  EXPECT_EQ(readFile(f.site("art/icons/Leaf.gif")), readFile(f.temp.file("pictures/Leaf.gif")));
}

std::vector<std::string> fileSection(const std::vector<std::string>& report) {
  return {report.begin() + 9, report.end()};
}

TEST(UploadReport, ListsEveryFileInItsFolder) {
  WriterFixture f(akTabTree);
  TAppletSettings& s = f.menu.Settings;
  s.Codebase = "java/";
  s.ContentInFile = true;
  s.ClickSound = f.temp.file("click.au");
  s.ClickSoundName = "click.au";
  s.OverSound = f.temp.file("over.au");
  s.OverSoundName = "over.au";
  s.DefLeaf = f.addIcon("Leaf.gif");
  f.menu.AddTab("Two");
  f.menu.Document.DeployPagesWritten = true;
  f.menu.Document.DeployFile1 = "start.htm";
  f.menu.Document.DeployFile2 = "main.htm";
  fs::create_directories(f.site("java"));
  f.write();
  const auto report = f.reportLines();
  const std::vector<std::string> preamble = {"This upload report may be found at: ",
                                             "  " + f.site("index_UPLOADREPORT.TXT"),
                                             "To print it, simply open it in Wordpad or Notepad and select \"Print\".",
                                             "  ",
                                             "All the files listed below may be found at:",
                                             "  " + f.temp.file("site"),
                                             "  or in the sub directories as specified below.",
                                             "  ",
                                             std::string(79, '=')};
  EXPECT_EQ(std::vector<std::string>(report.begin(), report.begin() + 9), preamble);
  const std::vector<std::string> files = {
      "The following files need to be uploaded to the website:",
      " ",
      "[Main file(s)]",
      "index.htm, start.htm, main.htm",
      " ",
      "[Java class amd archive files]: These should go into sub directory: java/",
      "  TrellTabTreeR.jar (Archive file for newer Browsers [MS IE 4+ and Netscape 4+], TrellTabTreeR.class",
      "  Beans.class, Timer.class, TreeView.class, TreeNode.class, TabPanel.class, InvalidTreeNodeException.class,",
      "  BaseTabbedPanel.class, ButtonBase.class, DirectionButton.class",
      "  QuillonMenu.js (draws the menu in browsers without Java)",
      "  ",
      "[Content files]: These should go into the same directory as the class files",
      "  indexTAB0content.txt",
      "  indexTAB1content.txt",
      "  ",
      "[Sound file(s)]: These should go into the same directory as the class files",
      "  click.au",
      "  over.au",
      "  ",
      "[Image file(s)]: These should go into the sub directory: java/",
      "  Leaf.gif"};
  EXPECT_EQ(fileSection(report), files);
}

TEST(UploadReport, SameFolderWordingAndNoImageSectionWithTheProxy) {
  WriterFixture f(akTree);
  f.menu.Settings.ProxyEnhanced = true;
  f.write();
  const std::vector<std::string> files = {
      "The following files need to be uploaded to the website:",
      " ",
      "[Main file(s)]",
      "index.htm",
      " ",
      "[Java class and archive files]: These should go into the same directory as the HTML file",
      "  TrellTreeR.jar (Archive file for newer Browsers [MS IE 4+ and Netscape 4+], TrellTreeR.class",
      "  Beans.class, Timer.class, TreeView.class, TreeNode.class, TabPanel.class, InvalidTreeNodeException.class,",
      "  BaseTabbedPanel.class, ButtonBase.class, DirectionButton.class",
      "  QuillonMenu.js (draws the menu in browsers without Java)",
      "  ",
      "  ",
      "[Sound file(s)]: These should go into the same directory as the class files"};
  EXPECT_EQ(fileSection(f.reportLines()), files);

  f.menu.Settings.ProxyEnhanced = false;
  f.write();
  const auto report = f.reportLines();
  EXPECT_EQ(report.back(), "[Image file(s)]: These should go into the same directory as the HTML file");
}

}  // namespace
}  // namespace quillon
