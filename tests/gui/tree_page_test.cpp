// The "Tree" page: node fields, node buttons, node images and default images.
#include "settings_pages_fixture.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>


namespace quillon::gui {
namespace {

struct FieldCase {
  const char* box;
  std::string TAppletNode::*field;
};

TEST_F(SettingsPagesTest, EditingANodeFieldWritesTheSelectedNode) {
  open(akTree);
  find<QLineEdit>("nodeTextBox")->setText("Home");
  EXPECT_EQ(selectedNode().Text, "Home");
  EXPECT_GT(menuChanges, 0);
  const FieldCase cases[] = {{"nodeStatusBox", &TAppletNode::StatusText}, {"nodeLink1Box", &TAppletNode::URL1},
                             {"nodeTarget1Box", &TAppletNode::Target1},   {"nodeLink2Box", &TAppletNode::URL2},
                             {"nodeTarget2Box", &TAppletNode::Target2}};
  for (const FieldCase& c : cases) {
    find<QLineEdit>(c.box)->setText(c.box);
    EXPECT_EQ(selectedNode().Data.*c.field, c.box);
  }
  EXPECT_EQ(selectedNode().Text, "Home");
}

TEST_F(SettingsPagesTest, FolderControlsFollowTheSelectedNode) {
  open(akTabTree);
  TreeNode& parent = selectedNode();
  find<QPushButton>("addChildButton")->click();
  EXPECT_EQ(selectedNode().parent(), &parent);
  EXPECT_EQ(find<QLabel>("collapsedLabel")->text(), "Leaf");
  EXPECT_FALSE(find<QCheckBox>("openExpandedCheck")->isEnabled());
  EXPECT_FALSE(find<QPushButton>("setExpandedButton")->isEnabled());

  menu().CurrentTab()->Nodes.select(&parent);
  pages->refreshFromModel();
  EXPECT_EQ(find<QLabel>("collapsedLabel")->text(), "Collapsed");
  EXPECT_TRUE(find<QCheckBox>("openExpandedCheck")->isEnabled());
  EXPECT_TRUE(find<QPushButton>("setExpandedButton")->isEnabled());
  // The new folder took the default folder images.
  EXPECT_EQ(parent.Data.CollapsedImage, settings().DefFolderClosed);
  EXPECT_FALSE(find<QLabel>("expandedPreview")->pixmap().isNull());
  find<QCheckBox>("openExpandedCheck")->setChecked(true);
  EXPECT_TRUE(parent.Data.OpenExpanded);
}

TEST_F(SettingsPagesTest, NodeButtonsAddAndDeleteThroughTheQuestions) {
  open(akTree);
  ui.insertPositions.push_back(InsertPosition::Below);
  find<QPushButton>("addNodeButton")->click();
  EXPECT_EQ(menu().tab(0).Nodes.size(), 2u);
  EXPECT_EQ(find<QLineEdit>("nodeTextBox")->text(), kNewNodeText);
  EXPECT_EQ(menuChanges, 1);

  find<QPushButton>("deleteNodeButton")->click();
  find<QPushButton>("deleteNodeButton")->click();
  EXPECT_EQ(menu().tab(0).Nodes.size(), 1u);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Cannot Delete Root Node"});
  EXPECT_EQ(menuChanges, 2);
}

TEST_F(SettingsPagesTest, SliderBrowsesTheImagesAndSetsNodeAndDefaultImages) {
  open(akTree);  // three stock images
  auto* slider = find<QSlider>("iconSlider");
  EXPECT_EQ(slider->maximum(), 2);
  EXPECT_TRUE(slider->isEnabled());
  slider->setValue(0);
  EXPECT_TRUE(find<QLabel>("imageWindow0")->pixmap().isNull());
  EXPECT_FALSE(find<QLabel>("imageWindow2")->pixmap().isNull());
  EXPECT_FALSE(find<QLabel>("imageWindow4")->pixmap().isNull());

  slider->setValue(1);
  find<QPushButton>("setCollapsedButton")->click();
  EXPECT_EQ(selectedNode().Data.CollapsedImage, 1);
  find<QPushButton>("defaultLeafButton")->click();
  EXPECT_EQ(settings().DefLeaf, 1);

  const std::string picture = temp.file("new.gif");
  testing::writeGif(picture, 16, 16, 0xFF0000);
  ui.pickedFileLists.push_back({picture});
  find<QPushButton>("addImagesButton")->click();
  EXPECT_EQ(slider->maximum(), 3);
  EXPECT_EQ(slider->value(), 3);
}

TEST_F(SettingsPagesTest, NodeImagesNeedTheDefaultImages) {
  open(akTree);
  settings().DefLeaf = -1;
  pages->refreshFromModel();
  const int before = selectedNode().Data.CollapsedImage;
  find<QPushButton>("setCollapsedButton")->click();
  EXPECT_EQ(selectedNode().Data.CollapsedImage, before);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
}

}  // namespace
}  // namespace quillon::gui
