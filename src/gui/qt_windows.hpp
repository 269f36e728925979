#pragma once
// The modal windows the commands open, over the main window.
#include <QPointer>

#include <memory>

#include "app/new_applet_wizard.hpp"
#include "generators/deploy_options.hpp"
#include "generators/generator_options.hpp"

#include "ports/user_interface.hpp"
#include "ports/windows.hpp"

class QWidget;

namespace quillon {
class Commander;
class SiteIndexer;
}

namespace quillon::gui {

class UploadReportDialog;

inline constexpr const char* kNotAvailableText = "This window is not available yet.";

class QtWindows : public Windows {
 public:
  explicit QtWindows(UserInterface& ui);
  ~QtWindows() override;

  // The window the others stand over.
  void attach(QWidget* window) { window_ = window; }
  // The generator, deploy and indexer windows work on the Commander's menu and page style.
  void attach(Commander& commander) { commander_ = &commander; }

  std::optional<NewMenuChoice> chooseNewMenu() override;
  std::optional<std::string> chooseTheme(std::uint8_t kind) override;
  void showUploadReport(const std::string& reportPath) override;
  void showAbout() override;
  void showGenerator(std::optional<int> mode) override;
  void showDeploy(std::optional<int> mode) override;
  void showSiteIndexer(std::optional<int> mode) override;

 private:
  void notAvailable();

  UserInterface& ui_;
  QPointer<QWidget> window_;
  Commander* commander_ = nullptr;
  QPointer<UploadReportDialog> uploadReport_;
  // The theme change keeps one wizard for the whole run, so it remembers the theme last chosen.
  std::unique_ptr<NewAppletWizard> themeWizard_;
  // The indexer's logic lives for the whole run: it reads the kept inputs at the first showing only.
  std::unique_ptr<SiteIndexer> siteIndexer_;
  // The generator and deploy windows keep their options and their tab from
  // one showing to the next, as the indexer's logic does. A menu of another
  // kind starts the generator's options afresh.
  struct KeptGeneratorOptions {
    TAppletKind kind;
    GeneratorOptions options;
  };
  std::optional<KeptGeneratorOptions> generatorOptions_;
  std::optional<DeployOptions> deployOptions_;
};

}  // namespace quillon::gui
