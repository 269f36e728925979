#pragma once
// How settings are spelled as PARAM values.
#include <string>

#include "model/applet_settings.hpp"

namespace quillon {

// "Yes" or "No".
std::string yesNo(bool value);
// Face, "; PLAIN;", size; "Times New Roman" is spelled the applet's way.
std::string fontValue(const std::string& face, const std::string& size);
// Toggle symbol, leaf symbol, line style, icons: four letters such as "AXBA".
std::string styleLetters(const TAppletSettings& settings);

std::string treeContentFileName(const std::string& baseName);
std::string tabTreeContentFileName(const std::string& baseName, int tabIndex);

}  // namespace quillon
