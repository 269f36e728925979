#pragma once
// Puts a page's companion files into the site: creates the class and image
// folders and copies the applet, support classes, sounds and images.
#include <string>
#include <vector>

#include "format/save_transaction.hpp"
#include "format/site_layout.hpp"
#include "model/applet_settings.hpp"

namespace quillon {

struct SiteFilesInput {
  const TAppletSettings& settings;
  const SiteLayout& layout;
  const std::vector<std::string>& copyList;
  std::string programFolder;  // with a trailing "/"; the applets lie below it
};

// Stages the folders and copies as part of the save. A source that is missing
// is skipped, as a missing optional file must not stop a save; a folder or a
// copy that cannot be made fails the save. False on failure.
bool CopySiteFiles(const SiteFilesInput& input, SaveTransaction& save);

}  // namespace quillon
