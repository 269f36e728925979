#pragma once
// The page around the menu and what the commands remember about it.
#include <string>
#include <vector>

namespace quillon {

struct DocumentState {
  std::string PagePath;
  // Lines of an opened page before the applet tag, ending with the applet tag line.
  std::vector<std::string> HeaderLines;
  // Lines of an opened page after the line that closes the applet.
  std::vector<std::string> FooterLines;
  std::string BodyTag;
  bool AskSaveLocation = true;
  bool NewMenuSetup = false;
  bool ImagesFromPage = false;
  std::string LastImageDir;
  std::string ReportPath;
  bool DeployPagesWritten = false;
  std::string DeployFile1;
  std::string DeployFile2;
  bool DemoLoaded = false;

  // The writer's modes.
  bool PreviewMode = false;
  bool ClipboardMode = false;
  bool OfferReportReview = false;
};

}  // namespace quillon
