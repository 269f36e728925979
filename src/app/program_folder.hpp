#pragma once
// Where the program's own files lie, and where its settings are kept.
#include <string>

namespace quillon {

// The folder named by QUILLON_HOME, else the folder of the running program;
// with a trailing "/". Empty when neither can be found.
std::string programFolder();

// The settings file beside the program.
std::string programSettingsPath();

// The per-user store: Morvane/QuillonV50.ini under QUILLON_CONFIG_DIR, else
// under $XDG_CONFIG_HOME, else under ~/.config.
std::string userSettingsPath();

}  // namespace quillon
