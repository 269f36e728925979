#pragma once
// The one rule for every path a page or a menu file names (docs/site-paths.md):
// what is written, and what is read and copied in, lies in the page's folder
// or below it, not behind a link that leads out. Files and folders the user
// picks in the editor's own dialogs are the user's choice and are not asked.
#include <optional>
#include <string>

#include "model/applet_settings.hpp"

namespace quillon {

// A folder setting (Codebase, ImageDir) as a page or a menu file gives it: a
// folder relative to the page's folder that never climbs above it. Empty, "/"
// and "\" name the page's folder. Either "/" or "\" separates.
bool isSiteRelativeFolder(const std::string& folder);

// A name of a file the writer puts into a site folder (the sounds' names):
// one name, without a folder, and not "." or "..".
bool isPlainFileName(const std::string& name);

// The path lies in siteFolder or below: once "." and ".." are resolved (either
// "/" or "\" separating), and once every link on the way that exists is followed.
bool isInsideSite(const std::string& siteFolder, const std::string& path);

// Why the writer may not put the page's companion files where the settings
// say: a message naming the value, or nothing when every folder and name keeps
// to the rule.
std::optional<std::string> siteWriteRefusal(const std::string& pagePath, const TAppletSettings& settings);

}  // namespace quillon
