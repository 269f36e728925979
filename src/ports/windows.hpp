#pragma once
// The modal windows the main window opens: the logic asks for them here, the
// desktop program shows them, the command line answers for them.
#include <cstdint>
#include <optional>
#include <string>

namespace quillon {

// What the new-menu wizard was closed with.
struct NewMenuChoice {
  std::uint8_t kind = 2;  // the applet kind's value: 0 Tab, 1 Tree, 2 Tab&Tree
  std::string themePage;  // full path of the theme's page; empty for the plain style
};

class Windows {
 public:
  virtual ~Windows() = default;
  // Nothing when the wizard is not closed with OK.
  virtual std::optional<NewMenuChoice> chooseNewMenu() = 0;
  // The theme change's wizard, offering only the themes of the open menu's
  // kind: the full path of the chosen theme's page, nothing when cancelled or
  // when no theme page was chosen.
  virtual std::optional<std::string> chooseTheme(std::uint8_t kind) = 0;
  virtual void showUploadReport(const std::string& reportPath) = 0;
  virtual void showAbout() = 0;
  // mode: the window's tag (its page or mode); nothing keeps the one last set.
  virtual void showGenerator(std::optional<int> mode) = 0;
  virtual void showDeploy(std::optional<int> mode) = 0;
  virtual void showSiteIndexer(std::optional<int> mode) = 0;
};

}  // namespace quillon
