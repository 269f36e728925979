#include <gtest/gtest.h>

#include <set>

#include "app/style_colors.hpp"
#include "app/style_files.hpp"
#include "scripted_ui.hpp"

namespace quillon {
namespace {

// Answers the colour dialog with a fixed colour, or cancels it.
class ColorUi : public testing::ScriptedUi {
 public:
  std::optional<std::uint32_t> answer;
  std::vector<std::uint32_t> presets;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override {
    presets.push_back(initial);
    return answer;
  }
};

constexpr ColorSample kAllSamples[] = {
    ColorSample::TabCaption, ColorSample::TabMouseOver, ColorSample::TreeBranch, ColorSample::SelectedBranch,
    ColorSample::MouseOver,  ColorSample::Tooltip,      ColorSample::OpenSymbol, ColorSample::ClosedSymbol,
    ColorSample::Leaf,       ColorSample::Line,         ColorSample::FrameLine};

std::set<ColorSample> samplesWithBackground(const TAppletSettings& settings, Color color) {
  std::set<ColorSample> found;
  for (ColorSample sample : kAllSamples) {
    if (sampleColors(settings, sample).background == color) found.insert(sample);
  }
  return found;
}

TEST(StyleColors, ChoosingTheTreeBackgroundRepaintsSevenSamples) {
  ColorUi ui;
  ui.answer = 0x123456;
  TAppletSettings settings;
  settings.TreeBackColor = 0xABCDEF;
  ASSERT_TRUE(chooseStyleColor(settings, ColorSetting::TreeBackColor, ui));
  EXPECT_EQ(ui.presets, std::vector<std::uint32_t>{0xABCDEF});
  EXPECT_EQ(settings.TreeBackColor, 0x123456u);
  EXPECT_EQ(samplesWithBackground(settings, 0x123456),
            (std::set<ColorSample>{ColorSample::TreeBranch, ColorSample::MouseOver, ColorSample::OpenSymbol,
                                   ColorSample::ClosedSymbol, ColorSample::Leaf, ColorSample::Line,
                                   ColorSample::FrameLine}));
}

TEST(StyleColors, TheTabBackgroundAlsoPaintsTheMouseOverSample) {
  ColorUi ui;
  ui.answer = 0x00AA00;
  TAppletSettings settings;
  chooseStyleColor(settings, ColorSetting::TabBackColor, ui);
  EXPECT_EQ(samplesWithBackground(settings, 0x00AA00),
            (std::set<ColorSample>{ColorSample::TabCaption, ColorSample::TabMouseOver}));
}

TEST(StyleColors, CancelKeepsEverySettingAndSample) {
  ColorUi ui;
  const TAppletSettings before;
  for (const auto& menu : {tabColorMenu(), treeColorMenu()}) {
    for (const ColorMenuEntry& entry : menu) {
      TAppletSettings settings = before;
      EXPECT_FALSE(chooseStyleColor(settings, entry.setting, ui)) << entry.caption;
      EXPECT_EQ(settings, before) << entry.caption;
    }
  }
}

TEST(StyleColors, EveryMenuEntryChangesItsOwnSettingOnly) {
  ColorUi ui;
  ui.answer = 0x010203;
  std::set<ColorSetting> seen;
  for (const auto& menu : {tabColorMenu(), treeColorMenu()}) {
    for (const ColorMenuEntry& entry : menu) {
      TAppletSettings settings;
      chooseStyleColor(settings, entry.setting, ui);
      TAppletSettings expected;
      colorOf(expected, entry.setting) = 0x010203;
      EXPECT_EQ(settings, expected) << entry.caption;
      EXPECT_TRUE(seen.insert(entry.setting).second) << "listed twice: " << entry.caption;
    }
  }
  EXPECT_EQ(seen.size(), 15u);
}

TEST(BackImages, ChoosingPresetsTheCurrentNameAndKeepsTheFullPath) {
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.TreeBackImage = "/site/img/old.gif";
  ui.pickedFiles = {"/other/pics/new.jpg"};
  ASSERT_TRUE(chooseBackImage(settings, BackImage::Tree, ui));
  EXPECT_EQ(settings.TreeBackImage, "/other/pics/new.jpg");
  EXPECT_EQ(settings.TabBackImage, "");
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  const FileDialogRequest& request = ui.fileDialogs[0];
  EXPECT_EQ(request.title, "Select File");
  EXPECT_EQ(request.filter, "Image files (*.gif, *.jpg)|*.gif;*.jpg|All Files|*.*");
  EXPECT_EQ(request.fileName, "old.gif");
  EXPECT_EQ(request.initialDir, "/site/img/");
  EXPECT_TRUE(request.fileMustExist);
}

TEST(BackImages, CancelChangesNothing) {
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.TabBackImage = "/site/tab.gif";
  EXPECT_FALSE(chooseBackImage(settings, BackImage::Tab, ui));
  EXPECT_EQ(settings.TabBackImage, "/site/tab.gif");
}

struct RemoveCase {
  BackImage image;
  Answer answer;
  const char* question;
  bool removed;
};

class BackImageRemoval : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(BackImageRemoval, AsksFirst) {
  const RemoveCase c = GetParam();
  testing::ScriptedUi ui;
  ui.answers = {c.answer};
  TAppletSettings settings;
  settings.TabBackImage = "/site/tab.gif";
  settings.TreeBackImage = "/site/tree.gif";
  EXPECT_EQ(removeBackImage(settings, c.image, ui), c.removed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].kind, MessageKind::Confirmation);
  EXPECT_EQ(ui.messages[0].text, c.question);
  const std::string& removedOne = c.image == BackImage::Tab ? settings.TabBackImage : settings.TreeBackImage;
  const std::string& otherOne = c.image == BackImage::Tab ? settings.TreeBackImage : settings.TabBackImage;
  EXPECT_EQ(removedOne.empty(), c.removed);
  EXPECT_FALSE(otherOne.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackImageRemoval,
    ::testing::Values(
        RemoveCase{BackImage::Tab, Answer::Yes, "Are you sure you want to remove the tab background image", true},
        RemoveCase{BackImage::Tab, Answer::No, "Are you sure you want to remove the tab background image", false},
        RemoveCase{BackImage::Tree, Answer::Yes, "Are you sure you want to remove the tree background image", true},
        RemoveCase{BackImage::Tree, Answer::No, "Are you sure you want to remove the tree background image",
                   false}));

TEST(Sounds, AChosenSoundKeepsItsFullPathAndShowsItsName) {
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.OverSound = "/prog/Sounds/ding.au";
  ui.pickedFiles = {"/home/me/my sounds/click.au", "/tmp/over.au"};
  ASSERT_TRUE(chooseSound(settings, SoundEvent::MouseClick, ui, "/prog/"));
  ASSERT_TRUE(chooseSound(settings, SoundEvent::MouseOver, ui, "/prog/"));
  EXPECT_EQ(settings.ClickSound, "/home/me/my sounds/click.au");
  EXPECT_EQ(settings.ClickSoundName, "click.au");
  EXPECT_EQ(settings.OverSound, "/tmp/over.au");
  EXPECT_EQ(settings.OverSoundName, "over.au");
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Select Sound File");
  EXPECT_EQ(ui.fileDialogs[0].filter, "Sound files (*.au)|*.au");
  EXPECT_EQ(ui.fileDialogs[0].initialDir, "/prog/Sounds");
  EXPECT_EQ(ui.fileDialogs[0].fileName, "");
  EXPECT_EQ(ui.fileDialogs[1].fileName, "ding.au");
  EXPECT_TRUE(ui.fileDialogs[1].fileMustExist);
}

TEST(Sounds, CancelChangesNothing) {
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.ClickSound = "/s/a.au";
  settings.ClickSoundName = "a.au";
  EXPECT_FALSE(chooseSound(settings, SoundEvent::MouseClick, ui, "/prog/"));
  EXPECT_EQ(settings.ClickSound, "/s/a.au");
  EXPECT_EQ(settings.ClickSoundName, "a.au");
}

TEST(Sounds, RemovalAsksAndEmptiesOnlyThatSound) {
  testing::ScriptedUi ui;
  TAppletSettings settings;
  settings.ClickSound = "/s/a.au";
  settings.ClickSoundName = "a.au";
  settings.OverSound = "/s/b.au";
  settings.OverSoundName = "b.au";
  ui.answers = {Answer::No, Answer::Yes};
  EXPECT_FALSE(removeSound(settings, SoundEvent::MouseOver, ui));
  EXPECT_EQ(settings.OverSound, "/s/b.au");
  EXPECT_TRUE(removeSound(settings, SoundEvent::MouseOver, ui));
  EXPECT_EQ(settings.OverSound, "");
  EXPECT_EQ(settings.OverSoundName, "");
  EXPECT_EQ(settings.ClickSound, "/s/a.au");
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>(2, "Are you sure you want to remove the sound file")));
}

}  // namespace
}  // namespace quillon
