#include "gui/qt_windows.hpp"

#include "gui/about_dialog.hpp"
#include "gui/upload_report_dialog.hpp"

namespace quillon::gui {

void QtWindows::notAvailable() { ui_.message(MessageKind::Information, kNotAvailableText); }

std::optional<NewMenuChoice> QtWindows::chooseNewMenu() {
  notAvailable();
  return std::nullopt;
}

std::optional<std::string> QtWindows::chooseTheme(std::uint8_t) {
  notAvailable();
  return std::nullopt;
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

void QtWindows::showGenerator(std::optional<int>) { notAvailable(); }

void QtWindows::showDeploy(std::optional<int>) { notAvailable(); }

void QtWindows::showSiteIndexer(std::optional<int>) { notAvailable(); }

}  // namespace quillon::gui
