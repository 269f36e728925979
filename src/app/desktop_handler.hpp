#pragma once
// The desktop's default handler of HTML pages, as the freedesktop.org
// conventions name it.
#include <string>
#include <vector>

namespace quillon {

// The folders searched for desktop files, most important first:
// $XDG_DATA_HOME/applications (default ~/.local/share), then each of
// $XDG_DATA_DIRS (default /usr/local/share:/usr/share) with "applications".
std::vector<std::string> applicationFolders();

// The file of a desktop file id: the id itself in one of the folders, or, as
// the id joins subfolder names with "-", the id with leading dashes made
// folder separators ("vendor-browser.desktop" in "vendor/browser.desktop").
// Empty when no folder holds it.
std::string findDesktopFile(const std::string& desktopId);

// The id that `xdg-mime query default text/html` answers; empty when there is
// none or the tool is missing.
std::string defaultHtmlHandler();

// The command template of the default browser: the Exec line of the HTML
// handler's desktop file, or "xdg-open" when there is none to be had.
std::string browserCommandTemplate();

}  // namespace quillon
