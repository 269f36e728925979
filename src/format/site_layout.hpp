#pragma once
// Where a page's companion files go: the class and image folders resolved
// against the page, the image prefix the applet needs, and the names derived
// from the page's file name.
#include <string>

#include "model/applet_settings.hpp"

namespace quillon {

struct SiteLayout {
  std::string pageFolder;   // with a trailing "/"
  std::string classFolder;  // absolute, with a trailing "/"
  std::string imageFolder;  // absolute, with a trailing "/"
  // The image folder relative to the class folder, "/"-separated; empty when equal.
  std::string imagePrefix;
  // The page's file name cut before its first ".": the stem of the content
  // files and of the upload report.
  std::string baseName;
  std::string reportPath;  // beside the page
};

// True for a folder setting that names the page's own folder: empty, "/" or "\".
bool isPageFolderSetting(const std::string& folder);

// The absolute folder of a setting relative to the page, with a trailing "/".
std::string resolveSiteFolder(const std::string& pagePath, const std::string& folder);

SiteLayout siteLayoutFor(const std::string& pagePath, const TAppletSettings& settings);

// A folder setting as the page and the report show it: "/" separators.
std::string withForwardSlashes(std::string text);

}  // namespace quillon
