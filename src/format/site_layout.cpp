#include "format/site_layout.hpp"

#include "format/text_helpers.hpp"

namespace quillon {

bool isPageFolderSetting(const std::string& folder) { return folder.empty() || folder == "/" || folder == "\\"; }

std::string withForwardSlashes(std::string text) {
  for (char& c : text) {
    if (c == '\\') c = '/';
  }
  return text;
}

namespace {

std::string withTrailingSlash(std::string folder) {
  if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) folder += '/';
  return folder;
}

}  // namespace

std::string resolveSiteFolder(const std::string& pagePath, const std::string& folder) {
  if (isPageFolderSetting(folder)) return extractFilePath(pagePath);
  return withTrailingSlash(absolutePath(pagePath, withTrailingSlash(folder)));
}

SiteLayout siteLayoutFor(const std::string& pagePath, const TAppletSettings& settings) {
  SiteLayout layout;
  layout.pageFolder = extractFilePath(pagePath);
  layout.classFolder = resolveSiteFolder(pagePath, settings.Codebase);
  layout.imageFolder = resolveSiteFolder(pagePath, settings.ImageDir.empty() ? settings.Codebase : settings.ImageDir);
  if (layout.imageFolder != layout.classFolder) {
    // The applet resolves images against its code base, so the prefix leads
    // from the class folder to the image folder, upwards when it must.
    layout.imagePrefix = withForwardSlashes(relativePath(layout.classFolder, layout.imageFolder));
  }
  const std::string fileName = extractFileName(pagePath);
  layout.baseName = fileName.substr(0, fileName.find('.'));
  layout.reportPath = layout.pageFolder + layout.baseName + "_UPLOADREPORT.TXT";
  return layout;
}

}  // namespace quillon
