#pragma once
// Puts a page's companion files into the site: creates the class and image
// folders and copies the applet, support classes, sounds and images.
#include <string>
#include <vector>

#include "format/site_layout.hpp"
#include "model/applet_settings.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

struct SiteFilesInput {
  const TAppletSettings& settings;
  const SiteLayout& layout;
  const std::vector<std::string>& copyList;
  std::string programFolder;  // with a trailing "/"; the applets lie below it
};

// A failed folder is reported; failed copies are not, as a missing optional
// file must not stop a save.
void CopySiteFiles(const SiteFilesInput& input, UserInterface& ui);

}  // namespace quillon
