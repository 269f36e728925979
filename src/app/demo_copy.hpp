#pragma once
// The demonstration opens from the user's own copy of the shipped "files"
// folder: its preview is written beside it, and an installed program's
// folder is never written.
#include <optional>
#include <string>

namespace quillon {

// The demonstration page, in the shipped "files" folder and in its copy.
inline constexpr const char* kDemoPageName = "OrvelLeft.htm";

// Brings the copy of programFolder's "files" folder in cacheFolder/demo/ up
// to date: a shipped file missing there, or differing in size or time, is
// copied again; whatever else the copy holds stays. Returns the demonstration
// page of the copy; nothing, with the cause in `problem`, when a file cannot
// be copied.
std::optional<std::string> refreshDemoCopy(const std::string& programFolder, const std::string& cacheFolder,
                                           std::string& problem);

}  // namespace quillon
