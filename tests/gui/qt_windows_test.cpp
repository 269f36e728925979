// The Commander's generate and deploy commands open the generator and deploy
// windows on the tab they name, over the Commander's menu and page style.
#include "gui/qt_windows.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "app/commander.hpp"
#include "gui/deploy_dialog.hpp"
#include "gui/generator_dialog.hpp"
#include "memory_ports.hpp"
#include "page_windows_fixture.hpp"

namespace quillon::gui {
namespace {

class QtWindowsTest : public PageWindowsTest {
 protected:
  testing::MemoryClipboard clipboard;
  testing::MemorySettings programSettings;
  testing::MemorySettings userSettings;
  QtWindows windows{ui};
  Commander commander{{ui, clipboard, browser, windows, programSettings, userSettings, QUILLON_SHIPPED_DIR}};

  // Runs the command; the window it opens is described, then closed.
  template <typename Dialog>
  std::string opened(const std::function<void()>& command) {
    std::string seen = "none";
    QTimer::singleShot(0, [&seen] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seen = "tab " + std::to_string(dialog->tabs().currentIndex()) + " folder " +
             dialog->template findChild<QLineEdit*>("txtFDir")->text().toStdString();
      dialog->done(QDialog::Accepted);
    });
    command();
    return seen;
  }
};

// Runs the command; look is applied to the modal window it opens, which is then closed.
std::string run(const std::function<std::string(QDialog&)>& look, const std::function<void()>& command) {
  std::string seen = "none";
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    seen = look(*dialog);
    dialog->done(QDialog::Accepted);
  });
  command();
  return seen;
}

TEST_F(QtWindowsTest, WithoutTheCommanderTheWindowsSayTheyAreNotAvailable) {
  windows.showGenerator(0);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kNotAvailableText});
}

TEST_F(QtWindowsTest, GenerateAndDeployOpenTheirWindowOnTheTabTheyName) {
  windows.attach(commander);
  commander.menu().Document.PagePath = site("index.htm");
  commander.menu().Document.AskSaveLocation = false;
  ui.answers = {Answer::No, Answer::No, Answer::No};  // save first? no; save on closing? no
  EXPECT_EQ(opened<GeneratorDialog>([this] { commander.generateSiteMap(); }), "tab 2 folder " + site());
  EXPECT_EQ(opened<GeneratorDialog>([this] { commander.generateDropDown(); }), "tab 1 folder " + site());
  EXPECT_EQ(opened<GeneratorDialog>([this] { commander.generateTreeView(); }), "tab 0 folder " + site());
  EXPECT_EQ(opened<DeployDialog>([this] { commander.deploy(1); }), "tab 1 folder " + site());
}

TEST_F(QtWindowsTest, GeneratorAndDeployKeepTheirOptionsAndTabFromOneShowingToTheNext) {
  windows.attach(commander);
  commander.menu().Document.PagePath = site("index.htm");
  commander.menu().Document.AskSaveLocation = false;
  ui.answers = {Answer::No, Answer::No, Answer::No, Answer::No, Answer::No, Answer::No};
  // Each showing: what the window shows, then the user's change.
  const auto showing = [](const char* box, const char* typed) {
    return [box, typed](QDialog& dialog) {
      auto* edit = dialog.findChild<QLineEdit*>(box);
      const std::string shown = edit->text().toStdString();
      edit->setText(typed);
      auto* tabs = dialog.findChild<QTabWidget*>("TabControl1");
      return "tab " + std::to_string(tabs->currentIndex()) + " " + shown;
    };
  };
  EXPECT_EQ(run(showing("txtStart", "Map.htm"), [this] { commander.generateSiteMap(); }), "tab 2 MySiteMap.htm");
  EXPECT_EQ(run(showing("txtStart", "Map.htm"), [this] { commander.generate(); }), "tab 2 Map.htm");
  EXPECT_EQ(run(showing("txtFStart", "Float.htm"), [this] { commander.deploy(1); }), "tab 1 MyStart.htm");
  EXPECT_EQ(run(showing("txtFStart", "Float.htm"), [this] { commander.deploy(std::nullopt); }), "tab 1 Float.htm");

  // A menu of another kind starts the generator afresh, on the tab it was on.
  commander.menu().Settings.Kind = akTree;
  EXPECT_EQ(run(showing("txtStart", "x.htm"), [this] { commander.generate(); }), "tab 2 MySiteMap.htm");
}

}  // namespace
}  // namespace quillon::gui
