#pragma once
// Where the program's own files lie, and where each user's files go. The
// shipped files are only ever read: an installed program's folder belongs to
// the system.
#include <filesystem>
#include <string>

namespace quillon {

// The folder of the shipped files of a program at `executable`: share/quillon
// beside its bin folder when it is installed (that folder holds resource/),
// else the executable's own folder, as in a build. With a trailing "/".
std::string shippedFolderFor(const std::filesystem::path& executable);

// The folder named by QUILLON_HOME, else the shipped folder of the running
// program; with a trailing "/". Empty when neither can be found.
std::string programFolder();

// The settings file ("History", "SiteIndexer", "Reader"): Morvane/quillon.ini
// in the user's configuration folder (below).
std::string programSettingsPath();

// Where that file was kept before it became the user's own: beside the program.
std::string formerProgramSettingsPath();

// The per-user store of the recent pages: Morvane/QuillonV50.ini in the
// user's configuration folder: QUILLON_CONFIG_DIR, else $XDG_CONFIG_HOME,
// else ~/.config.
std::string userSettingsPath();

// The default folder of new project pages, with a trailing "/": "Quillon" in
// the user's documents folder (XDG_DOCUMENTS_DIR of user-dirs.dirs, else
// ~/Documents).
std::string userProjectsFolder();

}  // namespace quillon
