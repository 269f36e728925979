#pragma once
// The command line's stand-ins for the windows of the desktop program.
#include <iosfwd>
#include <optional>

#include "ports/browser.hpp"
#include "ports/windows.hpp"

namespace quillon::cli {

// Prints the address instead of starting a browser.
class PrintingBrowser : public Browser {
 public:
  explicit PrintingBrowser(std::ostream& out) : out_(out) {}
  void open(const std::string& url) override;

 private:
  std::ostream& out_;
};

class CliWindows : public Windows {
 public:
  explicit CliWindows(std::ostream& out) : out_(out) {}

  // The answer the wizard gives; nothing cancels it.
  std::optional<NewMenuChoice> newMenuChoice;

  // The theme page the theme change's wizard gives; nothing cancels it.
  std::optional<std::string> themePage;

  std::optional<NewMenuChoice> chooseNewMenu() override { return newMenuChoice; }
  std::optional<std::string> chooseTheme(std::uint8_t) override { return themePage; }
  // The report is printed, as the viewer would show it.
  void showUploadReport(const std::string& reportPath) override;
  void showAbout() override;
  void showGenerator(std::optional<int> mode) override;
  void showDeploy(std::optional<int> mode) override;
  void showSiteIndexer(std::optional<int> mode) override;

 private:
  std::ostream& out_;
};

}  // namespace quillon::cli
