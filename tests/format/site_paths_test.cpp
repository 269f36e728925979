// The rule for paths a page names: folders and names by their text, files
// also by where their links lead.
#include <gtest/gtest.h>

#include <filesystem>

#include "format/site_paths.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

TEST(SitePaths, FolderSettingsMustStayBelowThePage) {
  for (const char* inside : {"", "/", "\\", "java/", "java", "a/b/", "java\\img\\", "java/../img/", "./java/", "a/./b"}) {
    EXPECT_TRUE(isSiteRelativeFolder(inside)) << inside;
  }
  for (const char* outside : {"../", "..", "../java/", "..\\..\\java\\", "java/../../x/", "a/../b/../../",
                              "/abs/path/", "//abs/", "\\\\server\\share\\", "C:\\java\\", "c:java"}) {
    EXPECT_FALSE(isSiteRelativeFolder(outside)) << outside;
  }
  EXPECT_FALSE(isSiteRelativeFolder(std::string("java\0/../../", 12)));
}

TEST(SitePaths, SoundNamesArePlainFileNames) {
  for (const char* plain : {"click.au", ".bashrc", "a b.au", "..au"}) EXPECT_TRUE(isPlainFileName(plain)) << plain;
  for (const char* named : {"", ".", "..", "../../x.au", "dir/x.au", "dir\\x.au", "/x.au"}) {
    EXPECT_FALSE(isPlainFileName(named)) << named;
  }
}

TEST(SitePaths, FilesMustLieInTheSiteAlsoThroughLinks) {
  testing::TempDir temp;
  const std::string site = temp.file("home/site/");
  fs::create_directories(site + "java");
  fs::create_directories(temp.file("home/other"));
  testing::writeFile(temp.file("home/secret"), "secret");
  testing::writeFile(site + "java/click.au", "sound");
  fs::create_symlink(temp.file("home/secret"), site + "link.au");
  fs::create_symlink(temp.file("home/other"), site + "outdir");
  fs::create_symlink(site + "java/click.au", site + "inner.au");
  fs::create_symlink(temp.file("home"), site + "java/up");

  struct Case {
    std::string path;
    bool inside;
  };
  const std::vector<Case> cases = {
      {site + "java/click.au", true},
      {site + "java/../java/click.au", true},
      {site + "missing/new.au", true},  // not there yet: judged by its text
      {site + "inner.au", true},        // a link that stays inside
      {site, true},
      {site + "../secret", false},
      {site + "java\\..\\..\\secret", false},
      {site + "../../../../../../etc/shadow", false},
      {"/etc/shadow", false},
      {site + "link.au", false},            // a link to a file outside
      {site + "outdir/new.au", false},      // below a folder link that leads out
      {site + "java/up/site/java/click.au", true},  // out and back in again
      {site + "java/up/secret", false},
      {site + std::string("x\0/../../secret", 15), false},
  };
  for (const Case& c : cases) EXPECT_EQ(isInsideSite(site, c.path), c.inside) << c.path;
}

TEST(SitePaths, TheWriterRefusesFoldersAndNamesThatLeadOut) {
  testing::TempDir temp;
  const std::string page = temp.file("site/index.htm");
  fs::create_directories(temp.file("site"));
  fs::create_symlink(temp.path(), temp.file("site/up"));

  struct Case {
    std::string codebase, imageDir, soundName;
    std::string refusal;  // empty: accepted
  };
  const std::vector<Case> cases = {
      {"java/", "java/img/", "click.au", ""},
      {"/", "", "", ""},
      {"java/", "img/", "", ""},  // beside the class folder, still in the site
      {"../../other/", "", "", "The class file directory \"../../other/\" lies outside the page's folder,\nso nothing was saved."},
      {"/abs/path/", "", "", "The class file directory \"/abs/path/\" lies outside the page's folder,\nso nothing was saved."},
      {"up/", "", "", "The class file directory \"up/\" lies outside the page's folder,\nso nothing was saved."},
      {"java/", "..\\img\\", "", "The image directory \"../img/\" lies outside the page's folder,\nso nothing was saved."},
      {"java/", "", "../dl/.bashrc", "The sound name \"../dl/.bashrc\" is not a plain file name,\nso nothing was saved."},
  };
  for (const Case& c : cases) {
    TAppletSettings settings;
    settings.Codebase = c.codebase;
    settings.ImageDir = c.imageDir;
    settings.ClickSoundName = c.soundName;
    EXPECT_EQ(siteWriteRefusal(page, settings).value_or(""), c.refusal) << c.codebase << " " << c.imageDir;
  }
}

}  // namespace
}  // namespace quillon
