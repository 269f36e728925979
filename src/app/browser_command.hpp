#pragma once
// Turning the default browser's command template and an address into the
// arguments of the process to start. Templates come from the Exec line of a
// desktop file, where "%u", "%U", "%f" or "%F" stands for what is to be opened.
#include <optional>
#include <string>
#include <vector>

namespace quillon {

// The template up to its placeholder: the first placeholder in double quotes
// when there is one, else the first bare one; everything from it on is
// dropped. A template without a placeholder is kept whole.
std::string cutAtPlaceholder(const std::string& commandTemplate);

// The arguments of a command line: blanks separate them, double quotes group
// blanks into one (a backslash inside quotes escapes '"', '`', '$' and '\'),
// "%%" is a literal "%", and other field codes are left out.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// The cut template's arguments followed by the address as one argument of its
// own, blanks and all.
std::vector<std::string> browserArguments(const std::string& commandTemplate, const std::string& url);

// The Exec value of a desktop file's [Desktop Entry] group, with the file's
// escapes (\s \n \t \r \\) resolved; nothing when the group has none.
std::optional<std::string> desktopEntryExec(const std::string& desktopFileText);

}  // namespace quillon
