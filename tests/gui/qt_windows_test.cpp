// The Commander's generate and deploy commands open the generator and deploy
// windows on the tab they name, over the Commander's menu and page style.
#include "gui/qt_windows.hpp"

#include <QApplication>
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
  EXPECT_EQ(opened<GeneratorDialog>([this] { commander.generate(); }), "tab 0 folder " + site());
  EXPECT_EQ(opened<DeployDialog>([this] { commander.deploy(1); }), "tab 1 folder " + site());
}

}  // namespace
}  // namespace quillon::gui
