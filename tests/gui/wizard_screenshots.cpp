// Shows the new-menu wizard over the shipped themes and saves a picture of it
// in several states, checking on the way that every preview the wizard should
// show is shown, at the size of its place.
//
// Usage: wizard_screenshots PROGRAM_FOLDER OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>
#include <string>

#include "gui/new_applet_dialog.hpp"
#include "isolated_environment.hpp"
#include "scripted_ui.hpp"

namespace {

using namespace quillon;
using quillon::gui::NewAppletDialog;

int failures = 0;

void check(bool condition, const std::string& what) {
  if (condition) return;
  std::fprintf(stderr, "FAILED: %s\n", what.c_str());
  ++failures;
}

// Selects an entry by name; false when the list lacks it.
bool select(NewAppletDialog& dialog, const char* name) {
  const QList<QListWidgetItem*> found = dialog.themeList()->findItems(name, Qt::MatchExactly);
  if (found.isEmpty()) return false;
  dialog.themeList()->setCurrentItem(found.front());
  return true;
}

void shoot(NewAppletDialog& dialog, const QString& folder, const char* name, std::initializer_list<TAppletKind> shown) {
  QApplication::processEvents();
  for (TAppletKind kind : NewAppletWizard::kOptionOrder) {
    const QLabel& picture = *dialog.picture(kind);
    const bool expected = std::find(shown.begin(), shown.end(), kind) != shown.end();
    const bool visible = picture.isVisible() && !picture.pixmap().isNull();
    check(visible == expected, std::string(name) + ": picture " + std::to_string(kind) +
                                   (expected ? " not shown" : " shown"));
    if (visible) {
      check(picture.pixmap().size() == picture.size(),
            std::string(name) + ": picture " + std::to_string(kind) + " does not fill its place");
    }
  }
  const QString path = folder + "/" + name + ".png";
  check(dialog.grab().save(path), "saving " + path.toStdString());
  std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  quillon::testing::isolateFromUserFolders();
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: wizard_screenshots PROGRAM_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  std::string program = argv[1];
  if (!program.empty() && program.back() != '/') program += '/';
  const QString folder = argv[2];
  QDir().mkpath(folder);
  testing::ScriptedUi ui;

  {
    NewAppletWizard wizard(program, ui);
    NewAppletDialog dialog(wizard);
    dialog.show();
    shoot(dialog, folder, "wizard-normal", {akTab, akTree, akTabTree});
    check(select(dialog, "Harbour"), "Harbour listed");
    shoot(dialog, folder, "wizard-tabtree-harbour", {akTabTree});
    dialog.option(akTree)->click();
    check(select(dialog, "Midnight"), "Midnight listed");
    shoot(dialog, folder, "wizard-tree-midnight", {akTree});
    dialog.option(akTab)->click();
    check(select(dialog, "Sunrise"), "Sunrise listed");
    shoot(dialog, folder, "wizard-tab-sunrise", {akTab});
  }
  {
    NewAppletWizard wizard(program, ui);
    wizard.beginThemeChange(akTree);
    NewAppletDialog dialog(wizard);
    dialog.show();
    check(select(dialog, "Paper"), "Paper listed");
    shoot(dialog, folder, "wizard-change-theme-tree", {akTree});
    check(dialog.themeList()->findItems(kNormalThemeEntry, Qt::MatchExactly).isEmpty(), "no _Normal");
  }
  check(ui.messages.empty(), "no message");
  return failures == 0 ? 0 : 1;
}
