#pragma once
// The deploy window: a start page around the menu page, either a frameset
// with the menu in one frame or a page that opens the menu in a floating
// window, with Save, Preview, Help and Exit. A view on DeployOptions.
#include <QDialog>
#include <optional>

#include "generators/deploy_options.hpp"
#include "gui/command_row.hpp"
#include "gui/option_binder.hpp"

class QLabel;
class QLineEdit;
class QTabWidget;

namespace quillon::gui {

inline constexpr const char* kDeployWindowTitle = "How do you want to deploy the Quillon ?";

class DeployDialog : public QDialog {
  Q_OBJECT
 public:
  // mode: the tab shown first (0 Frames, 1 Floating Window); none shows the first.
  DeployDialog(PageWindowPorts ports, std::optional<int> mode, QWidget* parent = nullptr);
  // Shows the options given, on their tab.
  DeployDialog(PageWindowPorts ports, DeployOptions options, QWidget* parent = nullptr);

  const DeployOptions& options() const { return options_; }
  QTabWidget& tabs() const { return *tabs_; }
  CommandRow& commands() const { return *commands_; }
  ProgressStrip& progressStrip() const { return *strip_; }

  void save();
  void preview();
  void help();

  // Closing, whichever way, offers to save changed sizes first.
  void done(int result) override;

 private:
  QWidget* buildFrames();
  QWidget* buildFloating();
  QLineEdit* sizeBox(const char* name, const QString& hint, std::string& field);
  QLineEdit* nameBox(const char* name, const QString& hint, std::string& field);
  QLineEdit* folderBox(const char* name);
  void showPosition();

  PageWindowPorts ports_;
  DeployOptions options_;
  OptionBinder binder_;
  QTabWidget* tabs_ = nullptr;
  CommandRow* commands_ = nullptr;
  ProgressStrip* strip_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* sizeLabel_ = nullptr;
  // A message of a check or of closing is showing: the checks do not run again meanwhile.
  bool asking_ = false;
};

}  // namespace quillon::gui
