// The desktop program: the main window over Commander, with the Qt ports.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

#include "app/ini_settings_store.hpp"
#include "app/program_folder.hpp"
#include "app/pvl_url.hpp"
#include "gui/about_dialog.hpp"
#include "gui/main_window.hpp"
#include "gui/qt_clipboard.hpp"
#include "gui/qt_text.hpp"
#include "gui/qt_user_interface.hpp"
#include "gui/qt_windows.hpp"
#include "gui/settings_pages.hpp"
#include "gui/status_line.hpp"

namespace {

using namespace quillon;
using namespace quillon::gui;

// Saves a picture of the window on each settings page, named after the page.
void takeScreenshots(MainWindow& window, const QString& folder) {
  QDir().mkpath(folder);
  QTabWidget& pages = window.settingsPages();
  if (!window.commander().state().menuOpen) {
    window.grab().save(folder + "/no-menu.png");
    return;
  }
  for (int i = 0; i < pages.count(); ++i) {
    if (!pages.isTabVisible(i)) continue;
    pages.setCurrentIndex(i);
    QApplication::processEvents();
    QString name = pages.tabText(i).toLower().replace(' ', '-');
    window.grab().save(folder + "/settings-" + name + ".png");
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationDisplayName(kApplicationTitle);
  QApplication::setApplicationVersion(kVersionText);

  QCommandLineParser options;
  options.setApplicationDescription("Morvane's Quillon - Commander: builds site-navigation menu pages.");
  options.addHelpOption();
  options.addVersionOption();
  const QCommandLineOption openOption("open", "Open the page at start-up.", "PAGE");
  const QCommandLineOption screenshotOption(
      "screenshot", "Save a picture of the window on each settings page into FOLDER, then quit.", "FOLDER");
  options.addOption(openOption);
  options.addOption(screenshotOption);
  options.process(application);

  QtUserInterface ui;
  QtClipboard clipboard;
  TpvlUrl browser;
  QtWindows windows(ui);
  IniSettingsStore programSettings(programSettingsPath());
  IniSettingsStore userSettings(userSettingsPath());

  MainWindow window({ui, clipboard, browser, windows, programSettings, userSettings, programFolder()});
  ui.attach(&window, &window.statusLine());
  windows.attach(&window);
  window.show();

  if (options.isSet(openOption)) window.openPage(toBytes(options.value(openOption)));
  if (options.isSet(screenshotOption)) {
    const QString folder = options.value(screenshotOption);
    QTimer::singleShot(500, &window, [&window, folder] {
      takeScreenshots(window, folder);
      QApplication::exit(0);
    });
  }
  return QApplication::exec();
}
