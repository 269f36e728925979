#include <gtest/gtest.h>

#include "app/location_choice.hpp"
#include "scripted_ui.hpp"

namespace quillon {
namespace {

constexpr const char* kPage = "/site/index.htm";

struct LocationCase {
  const char* name;
  const char* codebase;
  const char* imageDir;
  std::vector<std::string> picks;  // the folder picker's answers in turn; "" cancels
  bool set;
  const char* expectedCodebase;
  const char* expectedImageDir;
  int refusals;
};

void expectChoice(const LocationCase& c, bool set, const TAppletSettings& settings, const testing::ScriptedUi& ui,
                  const char* refusal) {
  EXPECT_EQ(set, c.set) << c.name;
  EXPECT_EQ(settings.Codebase, c.expectedCodebase) << c.name;
  EXPECT_EQ(settings.ImageDir, c.expectedImageDir) << c.name;
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>(static_cast<std::size_t>(c.refusals), refusal)) << c.name;
  for (const testing::ShownMessage& shown : ui.messages) {
    EXPECT_EQ(shown.kind, MessageKind::Error);
  }
  // The picker comes back after every refusal, and only then.
  EXPECT_EQ(ui.fileDialogs.size(), static_cast<std::size_t>(c.refusals + 1)) << c.name;
}

class ClassLocation : public ::testing::TestWithParam<LocationCase> {};

TEST_P(ClassLocation, AcceptsOnlyFoldersAtOrBelowThePage) {
  const LocationCase c = GetParam();
  testing::ScriptedUi ui;
  ui.pickedFiles.assign(c.picks.begin(), c.picks.end());
  TAppletSettings settings;
  settings.Codebase = c.codebase;
  settings.ImageDir = c.imageDir;
  const bool set = chooseClassLocation(settings, kPage, ui);
  expectChoice(c, set, settings, ui, kClassLocationRefused);
  for (const FileDialogRequest& request : ui.fileDialogs) EXPECT_EQ(request.title, "Select location for class files");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassLocation,
    ::testing::Values(
        LocationCase{"a subfolder sets both", "", "", {"/site/java"}, true, "java/", "java/", 0},
        LocationCase{"a deeper one, given with a trailing slash", "", "", {"/site/java/v2/"}, true, "java/v2/",
                     "java/v2/", 0},
        LocationCase{"the page's folder", "java/", "java/img/", {"/site"}, true, "/", "/", 0},
        LocationCase{"a second character '.' is no reason to refuse", "", "", {"/site/v.2"}, true, "v.2/", "v.2/",
                     0},
        LocationCase{"a sibling folder is refused, then a good one taken", "", "", {"/other", "/site/java"}, true,
                     "java/", "java/", 1},
        LocationCase{"a folder whose name only starts like the page's",
                     "java/", "java/", {"/sitex/java", "/", ""}, false, "java/", "java/", 2},
        LocationCase{"cancel changes nothing", "java/", "java/img/", {""}, false, "java/", "java/img/", 0}));

class ImageLocation : public ::testing::TestWithParam<LocationCase> {};

TEST_P(ImageLocation, AcceptsOnlyFoldersHoldingTheClassLocation) {
  const LocationCase c = GetParam();
  testing::ScriptedUi ui;
  ui.pickedFiles.assign(c.picks.begin(), c.picks.end());
  TAppletSettings settings;
  settings.Codebase = c.codebase;
  settings.ImageDir = c.imageDir;
  const bool set = chooseImageLocation(settings, kPage, ui);
  expectChoice(c, set, settings, ui, kImageLocationRefused);
  for (const FileDialogRequest& request : ui.fileDialogs) EXPECT_EQ(request.title, "Select location for image files");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageLocation,
    ::testing::Values(
        LocationCase{"below the class folder", "java/", "", {"/site/java/img"}, true, "java/", "java/img/", 0},
        LocationCase{"the class folder itself", "java/", "java/img/", {"/site/java"}, true, "java/", "java/", 0},
        LocationCase{"beside the class folder, then below it",
                     "java/", "", {"/site/img", "/site/java/img"}, true, "java/", "java/img/", 1},
        LocationCase{"the page's folder does not hold the class folder",
                     "java/", "", {"/site", ""}, false, "java/", "", 1},
        LocationCase{"above the page, even with the class folder's name",
                     "java/", "", {"/java/img", ""}, false, "java/", "", 1},
        LocationCase{"classes in the page's folder: any subfolder", "/", "", {"/site/img"}, true, "/", "img/", 0},
        LocationCase{"no class location stands for the page's folder", "", "", {"/site/img"}, true, "", "img/", 0},
        LocationCase{"no class location: the page's folder itself", "", "img/", {"/site"}, true, "", "/", 0},
        LocationCase{"no class location: still nothing outside the page's folder",
                     "", "", {"/elsewhere/img", ""}, false, "", "", 1},
        LocationCase{"cancel keeps even an image folder apart from the classes",
                     "java/", "pics/", {""}, false, "java/", "pics/", 0}));

struct StartCase {
  const char* codebase;
  const char* imageDir;
  const char* classStart;
  const char* imageStart;
};

class PickerStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(PickerStart, OpensOnTheCurrentFolder) {
  const StartCase c = GetParam();
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.Codebase = c.codebase;
  settings.ImageDir = c.imageDir;
  chooseClassLocation(settings, kPage, ui);
  chooseImageLocation(settings, kPage, ui);
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].initialDir, c.classStart);
  EXPECT_EQ(ui.fileDialogs[1].initialDir, c.imageStart);
}

INSTANTIATE_TEST_SUITE_P(Cases, PickerStart,
                         ::testing::Values(StartCase{"", "", "/site/", "/site/"},
                                           // "/" is the page's folder, never the root of the file system.
                                           StartCase{"/", "/", "/site/", "/site/"},
                                           StartCase{"java/", "", "/site/java/", "/site/java/"},
                                           StartCase{"java/", "java/img/", "/site/java/", "/site/java/img/"},
                                           StartCase{"java/", "pics/", "/site/java/", "/site/java/"}));

TEST(PageRelativeFolder, GivesTheSettingForAFolder) {
  EXPECT_EQ(pageRelativeFolder(kPage, "/site/a/b"), "a/b/");
  EXPECT_EQ(pageRelativeFolder(kPage, "/site/"), "/");
  EXPECT_EQ(pageRelativeFolder(kPage, "/"), std::nullopt);
  EXPECT_EQ(pageRelativeFolder("", "/site/java"), std::nullopt);  // a page never saved relates to nothing
}

}  // namespace
}  // namespace quillon
