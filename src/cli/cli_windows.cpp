#include "cli/cli_windows.hpp"

#include <fstream>
#include <ostream>

namespace quillon::cli {

void PrintingBrowser::open(const std::string& url) { out_ << url << '\n'; }

void CliWindows::showUploadReport(const std::string& reportPath) {
  std::ifstream report(reportPath, std::ios::binary);
  if (!report) {
    out_ << "You need to save your work to generate Upload Report!\n";
    return;
  }
  std::string line;
  while (std::getline(report, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out_ << line << '\n';
  }
}

void CliWindows::showAbout() { out_ << "Quillon 5.3\n"; }

// The other windows have subcommands of their own on the command line.
void CliWindows::showGenerator(std::optional<int>) { out_ << "Use: quillon-cli generate\n"; }

void CliWindows::showDeploy(std::optional<int>) { out_ << "Use: quillon-cli deploy\n"; }

void CliWindows::showSiteIndexer(std::optional<int>) { out_ << "Use: quillon-cli index\n"; }

}  // namespace quillon::cli
