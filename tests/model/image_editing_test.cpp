#include <gtest/gtest.h>

#include "model/image_editing.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

TEST(ImageEditing, BrowseWindowShowsFiveAroundTheSlider) {
  using Window = std::array<int, 5>;
  EXPECT_EQ(imageBrowseWindow(0, 0), (Window{-1, -1, -1, -1, -1}));
  EXPECT_EQ(imageBrowseWindow(0, 3), (Window{-1, -1, 0, 1, 2}));
  EXPECT_EQ(imageBrowseWindow(2, 6), (Window{0, 1, 2, 3, 4}));
  EXPECT_EQ(imageBrowseWindow(5, 6), (Window{3, 4, 5, -1, -1}));
}

TEST(ImageEditing, AddsNewIconsAndRefusesOtherSizes) {
  testing::TempDir temp;
  testing::writeGif(temp.file("a.gif"), 16, 16);
  testing::writeGif(temp.file("b.gif"), 16, 16);
  testing::writeGif(temp.file("big.gif"), 32, 32);
  testing::writeFile(temp.file("broken.gif"), "GIF89a");
  MenuModel menu;
  resetToNewMenu(menu, akTree);
  menu.Images.AddImage(temp.file("a.gif"));
  testing::ScriptedUi ui;
  ui.pickedFileLists = {{temp.file("big.gif"), temp.file("a.gif"), temp.file("b.gif"), temp.file("broken.gif")},
                        {}};

  EXPECT_EQ(addImagesToList(menu, ui, "/opt/quillon/", 0), 1);
  EXPECT_EQ(menu.Images.ImageFiles(), (std::vector<std::string>{temp.file("a.gif"), temp.file("b.gif")}));
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{
                                   "Image Error: " + temp.file("big.gif") + " must be 16x16.",
                                   "An error occured while trying to open " + temp.file("broken.gif")}));
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Highlight all images you wish to add");
  EXPECT_EQ(ui.fileDialogs[0].filter, "Gif Files (*.gif)|*.gif");
  EXPECT_EQ(ui.fileDialogs[0].initialDir, "/opt/quillon/files/JClass/jimages/");
  EXPECT_TRUE(ui.fileDialogs[0].multiSelect);

  EXPECT_EQ(addImagesToList(menu, ui, "/opt/quillon", 0), 0);  // cancelled: the slider stays
  EXPECT_EQ(ui.fileDialogs[1].initialDir, "/opt/quillon/files/JClass/jimages/");
}

TEST(ImageEditing, NodeImagesNeedTheDefaultsAndAnImage) {
  testing::TempDir temp;
  testing::writeGif(temp.file("a.gif"), 16, 16);
  MenuModel menu;
  resetToNewMenu(menu, akTree);
  menu.Settings.ProxyEnhanced = true;  // the node image check ignores proxy and icons
  menu.Settings.UseIcons = false;
  testing::ScriptedUi ui;
  EXPECT_FALSE(setCollapsedImage(menu, ui, 0));
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kDefaultImagesMissingText});
  EXPECT_STREQ(kDefaultImagesMissingText,
               "Please specify default images before adding nodes.\n"
               "Alternatively, deselect \"Icons\" on the \"Tree Style\" tab.");

  // Defaults can be chosen only from images in the list.
  EXPECT_FALSE(setDefaultImage(menu, DefaultImage::Leaf, 0));
  menu.Images.AddImage(temp.file("a.gif"));
  for (DefaultImage which : {DefaultImage::FolderClosed, DefaultImage::FolderOpen, DefaultImage::Leaf})
    EXPECT_TRUE(setDefaultImage(menu, which, 0));
  EXPECT_FALSE(setDefaultImage(menu, DefaultImage::Leaf, 1));

  const TAppletNode& node = menu.CurrentTab()->Nodes.selected()->Data;
  EXPECT_FALSE(setExpandedImage(menu, ui, 1));
  EXPECT_TRUE(setExpandedImage(menu, ui, 0));
  EXPECT_TRUE(setCollapsedImage(menu, ui, 0));
  EXPECT_EQ(node.CollapsedImage + node.ExpandedImage, 0);
  EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace quillon
