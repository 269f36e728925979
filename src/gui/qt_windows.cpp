#include "gui/qt_windows.hpp"

#include "app/commander.hpp"
#include "app/program_folder.hpp"
#include "gui/about_dialog.hpp"
#include "gui/deploy_dialog.hpp"
#include "gui/generator_dialog.hpp"
#include "gui/main_window.hpp"
#include "gui/new_applet_dialog.hpp"
#include "gui/site_indexer_dialog.hpp"
#include "gui/upload_report_dialog.hpp"

namespace quillon::gui {

QtWindows::QtWindows(UserInterface& ui) : ui_(ui) {}

QtWindows::~QtWindows() = default;

void QtWindows::notAvailable() { ui_.message(MessageKind::Information, kNotAvailableText); }

std::optional<NewMenuChoice> QtWindows::chooseNewMenu() {
  // Each New starts with a fresh wizard.
  NewAppletWizard wizard(programFolder(), ui_);
  NewAppletDialog dialog(wizard, window_);
  const std::optional<WizardResult> result = dialog.run();
  if (!result) return std::nullopt;
  return NewMenuChoice{result->kind, result->themePage};
}

std::optional<std::string> QtWindows::chooseTheme(std::uint8_t kind) {
  if (!themeWizard_) themeWizard_ = std::make_unique<NewAppletWizard>(programFolder(), ui_);
  themeWizard_->beginThemeChange(kind <= akTabTree ? static_cast<TAppletKind>(kind) : akTabTree);
  NewAppletDialog dialog(*themeWizard_, window_);
  const std::optional<WizardResult> result = dialog.run();
  themeWizard_->endThemeChange();
  if (!result || result->themePage.empty()) return std::nullopt;
  return result->themePage;
}

void QtWindows::showUploadReport(const std::string& reportPath) {
  if (!window_) {
    UploadReportDialog standalone(ui_);
    standalone.showReport(reportPath);
    return;
  }
  // Kept with the main window for the whole run, as its other windows are.
  if (!uploadReport_) uploadReport_ = new UploadReportDialog(ui_, window_);
  uploadReport_->showReport(reportPath);
}

void QtWindows::showAbout() {
  AboutDialog about(window_);
  about.exec();
}

void QtWindows::showGenerator(std::optional<int> mode) {
  if (!commander_) return notAvailable();
  Commander& c = *commander_;
  const TAppletKind kind = c.menu().Settings.Kind;
  GeneratorOptions options = generatorOptionsFor(kind, GeneratorTab::TreeView);
  if (generatorOptions_) {
    if (generatorOptions_->kind == kind) options = generatorOptions_->options;
    options.tab = generatorOptions_->options.tab;
  }
  if (mode) options.tab = generatorTab(*mode);
  GeneratorDialog dialog({c.menu(), c.ui(), c.browser(), c.programFolder()}, c.pageStyle(), options, window_);
  dialog.exec();
  generatorOptions_ = KeptGeneratorOptions{kind, dialog.options()};
}

void QtWindows::showDeploy(std::optional<int> mode) {
  if (!commander_) return notAvailable();
  Commander& c = *commander_;
  DeployOptions options = deployOptions_ ? deployOptionsAgain(*deployOptions_, c.menu())
                                         : deployOptionsFor(c.menu(), DeployTab::Frames);
  if (mode) options.tab = deployTab(*mode);
  DeployDialog dialog({c.menu(), c.ui(), c.browser(), c.programFolder()}, options, window_);
  dialog.exec();
  deployOptions_ = dialog.options();
}

void QtWindows::showSiteIndexer(std::optional<int> mode) {
  if (!commander_) return notAvailable();
  if (!siteIndexer_) siteIndexer_ = std::make_unique<SiteIndexer>(indexerPortsFor(*commander_));
  SiteIndexerDialog dialog(*siteIndexer_, mode, window_);
  // The tree fills while the log grows.
  if (auto* main = qobject_cast<MainWindow*>(window_.data())) {
    QObject::connect(&dialog, &SiteIndexerDialog::menuChanged, main, &MainWindow::refreshFromModel);
  }
  dialog.exec();
}

}  // namespace quillon::gui
