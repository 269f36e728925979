#pragma once
// Choosing where the applet's class files and images lie. Both are folders
// relative to the page, kept with a trailing "/"; "/" is the page's own folder.
#include <optional>
#include <string>

#include "model/applet_settings.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

inline constexpr const char* kClassLocationRefused =
    "If the \"Class\" files are relocated they must be placed in a subdirectory of the directory where the HTML "
    "file is saved.";
inline constexpr const char* kImageLocationRefused =
    "If the \"Image\" files are relocated they must be placed in a subdirectory of the directory where the "
    "\"Class\" files are saved.";

// The setting for a chosen folder: its path relative to the page's folder with
// a trailing "/", or "/" for the page's folder itself. Nothing when the folder
// does not lie at or below the page's folder.
std::optional<std::string> pageRelativeFolder(const std::string& pagePath, const std::string& chosenFolder);

// The class-file folder picker, shown again with the refusal message until a
// folder at or below the page's folder is chosen or the picker is cancelled.
// A choice sets Codebase and ImageDir both. Returns whether they were set.
bool chooseClassLocation(TAppletSettings& settings, const std::string& pagePath, UserInterface& ui);

// The image folder picker, shown again with the refusal message until a folder
// at or below the page's folder that contains the class-file location is chosen,
// or the picker is cancelled. An empty Codebase stands for the page's folder,
// so then every folder at or below the page's folder is accepted. Returns
// whether ImageDir was set.
bool chooseImageLocation(TAppletSettings& settings, const std::string& pagePath, UserInterface& ui);

}  // namespace quillon
