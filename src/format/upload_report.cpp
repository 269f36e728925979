#include "format/upload_report.hpp"

#include "format/applet_files.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

std::vector<std::string> uploadReportPreamble(const SiteLayout& layout) {
  std::string folder = layout.pageFolder;
  if (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return {"This upload report may be found at: ",
          "  " + layout.reportPath,
          "To print it, simply open it in Wordpad or Notepad and select \"Print\".",
          "  ",
          "All the files listed below may be found at:",
          "  " + folder,
          "  or in the sub directories as specified below.",
          "  ",
          std::string(79, '=')};
}

std::vector<std::string> uploadReportFileSection(const UploadReportInput& input) {
  const TAppletSettings& settings = input.settings;
  const DocumentState& document = input.document;
  std::vector<std::string> lines = {"The following files need to be uploaded to the website:", " ", "[Main file(s)]"};

  std::string mainFiles = extractFileName(document.PagePath);
  if (document.DeployPagesWritten) {
    mainFiles += ", " + document.DeployFile1;
    if (!document.DeployFile2.empty()) mainFiles += ", " + document.DeployFile2;
  }
  lines.push_back(mainFiles);
  lines.emplace_back(" ");

  if (isPageFolderSetting(settings.Codebase)) {
    lines.emplace_back(
        "[Java class and archive files]: These should go into the same directory as the HTML file");
  } else {
    lines.push_back("[Java class amd archive files]: These should go into sub directory: " +
                    withForwardSlashes(settings.Codebase));
  }
  const AppletNames names = appletNamesFor(settings.Kind);
  lines.push_back(std::string("  ") + names.archive +
                  " (Archive file for newer Browsers [MS IE 4+ and Netscape 4+], " + names.code);
  lines.emplace_back(
      "  Beans.class, Timer.class, TreeView.class, TreeNode.class, TabPanel.class, InvalidTreeNodeException.class,");
  lines.emplace_back("  BaseTabbedPanel.class, ButtonBase.class, DirectionButton.class");
  lines.push_back(std::string("  ") + kMenuScript + " (draws the menu in browsers without Java)");
  lines.emplace_back("  ");

  if (settings.ContentInFile && hasTrees(settings.Kind)) {
    lines.emplace_back("[Content files]: These should go into the same directory as the class files");
    for (const auto& name : input.contentFileNames) lines.push_back("  " + name);
  }
  lines.emplace_back("  ");

  lines.emplace_back("[Sound file(s)]: These should go into the same directory as the class files");
  if (!settings.ClickSound.empty()) lines.push_back("  " + settings.ClickSoundName);
  if (!settings.OverSound.empty()) lines.push_back("  " + settings.OverSoundName);

  if (!settings.ProxyEnhanced) {
    lines.emplace_back("  ");
    if (isPageFolderSetting(settings.ImageDir)) {
      lines.emplace_back("[Image file(s)]: These should go into the same directory as the HTML file");
    } else {
      lines.push_back("[Image file(s)]: These should go into the sub directory: " +
                      withForwardSlashes(settings.ImageDir));
    }
    for (const auto& path : input.copyList) lines.push_back("  " + extractFileName(path));
  }
  return lines;
}

}  // namespace quillon
