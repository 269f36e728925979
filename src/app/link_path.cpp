#include "app/link_path.hpp"

#include "format/site_layout.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

std::string linkPathFor(const std::string& pagePath, const std::string& codebase, const std::string& file) {
  if (file.empty() || equalsNoCase(file, "none")) return "None";
  return withForwardSlashes(relativePath(resolveSiteFolder(pagePath, codebase), file));
}

}  // namespace quillon
