// The deploy window: its tabs, the frame position and its sizes, the size and
// name checks with their messages, and Save, Preview, Help and closing.
#include "gui/deploy_dialog.hpp"

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include "format/text_helpers.hpp"
#include "page_windows_fixture.hpp"

namespace quillon::gui {
namespace {

namespace fs = std::filesystem;

class DeployDialogTest : public PageWindowsTest {
 protected:
  std::unique_ptr<DeployDialog> open(std::optional<int> mode) {
    return std::make_unique<DeployDialog>(ports(), mode);
  }
  // Types into a box and leaves it.
  static void enter(QWidget& dialog, const char* name, const char* text) {
    QLineEdit* box = control<QLineEdit>(dialog, name);
    box->setText(text);
    Q_EMIT box->editingFinished();
  }
  static std::string textOf(QWidget& dialog, const char* name) {
    return control<QLineEdit>(dialog, name)->text().toStdString();
  }
};

TEST_F(DeployDialogTest, OpensOnTheTabItIsGivenWithTheSizesOfTheApplet) {
  const std::pair<std::optional<int>, int> cases[] = {{std::nullopt, 0}, {0, 0}, {1, 1}, {5, 0}};
  for (const auto& [mode, tab] : cases) {
    auto dialog = open(mode);
    EXPECT_EQ(dialog->tabs().currentIndex(), tab) << mode.value_or(-1);
    EXPECT_EQ(static_cast<int>(dialog->options().tab), tab);
  }
  auto dialog = open(0);
  EXPECT_EQ(dialog->windowTitle().toStdString(), kDeployWindowTitle);
  EXPECT_EQ(textOf(*dialog, "txtLeftWidth"), "250");
  EXPECT_EQ(textOf(*dialog, "txtFWidth"), "250");
  EXPECT_EQ(textOf(*dialog, "txtFHeight"), "370");
  EXPECT_EQ(textOf(*dialog, "txtLeft"), "index.htm");
  EXPECT_EQ(textOf(*dialog, "txtDir"), site());
  dialog->tabs().setCurrentIndex(1);
  EXPECT_EQ(dialog->options().tab, DeployTab::Floating);
}

struct PositionCase {
  const char* button;
  FramePosition position;
  const char* label;
  const char* size;
};

TEST_F(DeployDialogTest, APositionSetsItsLabelsAndTheFrameSize) {
  const PositionCase cases[] = {{"optBottom", FramePosition::Bottom, "Bottom:", "340"},
                                {"optRight", FramePosition::Right, "Right:", "250"},
                                {"optTop", FramePosition::Top, "Top:", "340"},
                                {"optLeft", FramePosition::Left, "Left:", "250"}};
  auto dialog = open(0);
  for (const PositionCase& c : cases) {
    control<QRadioButton>(*dialog, c.button)->setChecked(true);
    EXPECT_EQ(dialog->options().frames.position, c.position) << c.button;
    EXPECT_EQ(control<QLabel>(*dialog, "lblLeftWidth")->text().toStdString(), c.label);
    EXPECT_EQ(textOf(*dialog, "txtLeftWidth"), c.size);
  }
}

struct SizeCase {
  int tab;
  const char* box;
  const char* typed;
  bool refused;
  const char* afterWidth;  // the box txtLeftWidth or txtFWidth shows afterwards
  const char* afterHeight;
};

TEST_F(DeployDialogTest, SizesBelowTheAppletsAreRefusedWithTheMessage) {
  const SizeCase cases[] = {
      {0, "txtLeftWidth", "100", true, "250", nullptr},
      {0, "txtLeftWidth", "220", false, "220", nullptr},
      {0, "txtLeftWidth", "30%", false, "30%", nullptr},
      {1, "txtFWidth", "100", true, "250", "370"},
      {1, "txtFHeight", "319", true, "250", "370"},
      {1, "txtFHeight", "400", false, "250", "400"},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(std::string(c.box) + " " + c.typed);
    ui.messages.clear();
    auto dialog = open(c.tab);
    enter(*dialog, c.box, c.typed);
    if (c.refused) {
      ASSERT_EQ(ui.messageTexts(), std::vector<std::string>{kSizeTooSmallMessage});
    } else {
      EXPECT_TRUE(ui.messages.empty());
    }
    EXPECT_EQ(textOf(*dialog, c.tab == 0 ? "txtLeftWidth" : "txtFWidth"), c.afterWidth);
    if (c.afterHeight) {
      EXPECT_EQ(textOf(*dialog, "txtFHeight"), c.afterHeight);
    }
  }
}

TEST_F(DeployDialogTest, AnEmptyFrameNameIsRefusedAndItsDefaultPutBack) {
  auto dialog = open(0);
  enter(*dialog, "txtMainName", "");
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kBlankNameMessage});
  EXPECT_EQ(textOf(*dialog, "txtMainName"), "main");
  enter(*dialog, "txtLeftName", "menu");
  EXPECT_EQ(dialog->options().frames.appletFrameName, "menu");
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(DeployDialogTest, SaveWritesTheFramesetAndItsMainPageAndClosingThenAsksNothing) {
  auto dialog = open(0);
  control<QRadioButton>(*dialog, "optBottom")->setChecked(true);
  control<QCheckBox>(*dialog, "chkFrameLines")->setChecked(false);
  enter(*dialog, "txtMain", "welcome.htm");
  dialog->commands().button(RowCommand::Save)->click();
  EXPECT_TRUE(fs::exists(site("welcome.htm")));
  const std::string start = testing::readFile(site("MyStart.htm"));
  EXPECT_NE(start.find("<frameset framespacing=\"0\" frameborder=\"0\" border=\"0\"rows=\"*,340\">"), std::string::npos);
  EXPECT_TRUE(menu.Document.DeployPagesWritten);
  EXPECT_EQ(menu.Document.DeployFile2, "welcome.htm");
  EXPECT_TRUE(dialog->progressStrip().isHidden());

  dialog->commands().button(RowCommand::Exit)->click();
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DeployDialogTest, ClosingAtOnceAsksToSaveAndSavesOnYes) {
  for (Answer answer : {Answer::No, Answer::Yes}) {
    ui.answers.push_back(answer);
    auto dialog = open(1);
    dialog->reject();
    EXPECT_EQ(ui.messages.back().text, "Do you want to save");
    EXPECT_EQ(fs::exists(site("MyStart.htm")), answer == Answer::Yes);
  }
  EXPECT_NE(testing::readFile(site("MyStart.htm")).find("window.open('index.htm','OrvelFloating','width=250,height=370"),
            std::string::npos);
}

TEST_F(DeployDialogTest, PreviewAndHelpOpenThePagesOfTheTabShown) {
  auto dialog = open(1);
  dialog->commands().button(RowCommand::Preview)->click();
  dialog->commands().button(RowCommand::Help)->click();
  dialog->tabs().setCurrentIndex(0);
  dialog->commands().button(RowCommand::Preview)->click();
  dialog->commands().button(RowCommand::Help)->click();
  const std::string files = localPathToFileURL(std::string(QUILLON_SHIPPED_DIR) + "files/");
  EXPECT_EQ(browser.opened,
            (std::vector<std::string>{localPathToFileURL(site("~MyStart.htm")), files + "OrvelDeployFloating.htm",
                                      localPathToFileURL(site("~MyStart.htm")), files + "OrvelDeployFrames.htm"}));
  EXPECT_FALSE(menu.Document.DeployPagesWritten) << "a preview is not a deployment";
}

}  // namespace
}  // namespace quillon::gui
