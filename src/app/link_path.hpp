#pragma once
#include <string>

namespace quillon {

// The link text for a file chosen with a link browse button: the file relative
// to the class-file folder, where the applet resolves links, with "/"
// separators. An empty choice or "none" gives "None".
std::string linkPathFor(const std::string& pagePath, const std::string& codebase, const std::string& file);

}  // namespace quillon
