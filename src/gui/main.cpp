// The desktop program: the main window over Commander, with the Qt ports.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <iostream>

#include "app/ini_settings_store.hpp"
#include "app/program_folder.hpp"
#include "app/pvl_url.hpp"
#include "generators/generation.hpp"
#include "gui/about_dialog.hpp"
#include "gui/command_line.hpp"
#include "gui/deploy_dialog.hpp"
#include "gui/generator_dialog.hpp"
#include "gui/main_window.hpp"
#include "gui/page_font_color_dialog.hpp"
#include "gui/qt_clipboard.hpp"
#include "gui/qt_text.hpp"
#include "gui/qt_user_interface.hpp"
#include "gui/qt_windows.hpp"
#include "gui/settings_pages.hpp"
#include "gui/site_indexer_dialog.hpp"
#include "gui/status_line.hpp"

namespace {

using namespace quillon;
using namespace quillon::gui;

QString fileNameOf(const QString& caption) { return caption.toLower().replace(' ', '-'); }

void saveWindowPicture(QWidget& shown, const QString& path) {
  shown.show();
  QApplication::processEvents();
  shown.grab().save(path);
  shown.hide();
}

// The generator window on each tab, its font and colour settings, and the deploy and indexer windows on each tab.
void takeCommandWindowScreenshots(MainWindow& window, const QString& folder) {
  Commander& c = window.commander();
  const PageWindowPorts ports{c.menu(), c.ui(), c.browser(), c.programFolder()};
  for (int tab = 0; tab < 3; ++tab) {
    GeneratorDialog generator(ports, c.pageStyle(), tab, &window);
    saveWindowPicture(generator, folder + "/generator-" + fileNameOf(generator.tabs().tabText(tab)) + ".png");
  }
  PageFontColorDialog style({c.pageStyle(), c.menu().Document.BodyTag, c.ui(), projectFolder(c.menu())}, false,
                            &window);
  saveWindowPicture(style, folder + "/page-font-color.png");
  for (int tab = 0; tab < 2; ++tab) {
    DeployDialog deploy(ports, tab, &window);
    saveWindowPicture(deploy, folder + "/deploy-" + fileNameOf(deploy.tabs().tabText(tab)) + ".png");
  }
  SiteIndexer indexer(indexerPortsFor(c));
  for (int tab = 0; tab < 3; ++tab) {
    SiteIndexerDialog dialog(indexer, tab, &window);
    saveWindowPicture(dialog, folder + "/indexer-" + fileNameOf(dialog.tabs().tabText(tab).remove(',')) + ".png");
  }
}

// The Target Frames hint is a window of its own beside the main window, so the
// picture is of the screen, on the first page with target boxes.
void takeTargetFrameHintScreenshot(MainWindow& window, const QString& folder) {
  QTabWidget& pages = window.settingsPages();
  for (int i = 0; i < pages.count(); ++i) {
    const auto targets = pages.widget(i)->findChildren<QLineEdit*>(QRegularExpression("Target1Box$"));
    if (!pages.isTabVisible(i) || targets.isEmpty()) continue;
    pages.setCurrentIndex(i);
    window.activateWindow();
    targets.first()->setFocus(Qt::TabFocusReason);
    // The window system hands the focus over in its own time.
    QDeadlineTimer patience(2000);
    while (!targets.first()->hasFocus() && !patience.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    window.screen()->grabWindow(0).save(folder + "/target-frame-hint.png");
    return;
  }
}

// Saves a picture of the window on each settings page, named after the page,
// and of the windows the commands open.
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
    window.grab().save(folder + "/settings-" + fileNameOf(pages.tabText(i)) + ".png");
  }
  takeTargetFrameHintScreenshot(window, folder);
  takeCommandWindowScreenshots(window, folder);
}

}  // namespace

int main(int argc, char** argv) {
  // Text-only runs show no window, so they work without a display. Without
  // one Qt could not start at all, not even to say that an option is wrong.
  const bool displayed = hasDisplay(argc, argv);
  if (asksForTextOnly(argc, argv) || !displayed) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName(kApplicationTitle);
  QApplication::setApplicationDisplayName(kApplicationTitle);

  CommandLine commandLine;
  const QStringList arguments = withoutDanglingOpen(QApplication::arguments());
  if (!commandLine.parser.parse(arguments)) {
    std::cerr << "quillon: " << commandLine.parser.errorText().toStdString()
              << "\nTry 'quillon --help' for more information.\n";
    return 2;
  }
  if (commandLine.parser.isSet(commandLine.version)) {
    std::cout << kVersionLine << '\n';
    return std::cout.flush() ? 0 : 1;
  }
  if (commandLine.parser.isSet(commandLine.manualPage)) {
    manual::writeRoff(programManualPage(commandLine), std::cout);
    return std::cout.flush() ? 0 : 1;
  }
  // --help and --help-all.
  commandLine.parser.process(arguments);
  if (!displayed) {
    std::cerr << "quillon: there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n";
    return 1;
  }

  QtUserInterface ui;
  QtClipboard clipboard;
  TpvlUrl browser;
  QtWindows windows(ui);
  SettingsWriteNotice settingsNotice(ui);
  IniSettingsStore programSettings =
      IniSettingsStore::takingOver(programSettingsPath(), formerProgramSettingsPath(), &settingsNotice);
  IniSettingsStore userSettings(userSettingsPath(), &settingsNotice);

  MainWindow window({ui, clipboard, browser, windows, programSettings, userSettings, programFolder()});
  ui.attach(&window, &window.statusLine());
  windows.attach(&window);
  windows.attach(window.commander());
  window.show();

  if (commandLine.parser.isSet(commandLine.open)) window.openPage(toBytes(commandLine.parser.value(commandLine.open)));
  if (commandLine.parser.isSet(commandLine.screenshot)) {
    const QString folder = commandLine.parser.value(commandLine.screenshot);
    QTimer::singleShot(500, &window, [&window, folder] {
      takeScreenshots(window, folder);
      QApplication::exit(0);
    });
  }
  return QApplication::exec();
}
