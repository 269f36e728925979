#pragma once
// The text of an INI file: sections in square brackets, lines key=value.
// Names are compared without regard to case and written as given ("Last Dir");
// a key written in the percent-escaped form of older versions ("Last%20Dir")
// is read as its plain name and replaced by it on the next write.
#include <optional>
#include <string>

namespace quillon {

std::optional<std::string> iniValue(const std::string& text, const std::string& section, const std::string& key);

// The text with the key set to value in the section, the rest of the file unchanged.
std::string withIniValue(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& value);

}  // namespace quillon
