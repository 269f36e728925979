#pragma once
// How settings and menu entries are spelled as PARAM values.
#include <string>
#include <string_view>

#include "model/applet_settings.hpp"

namespace quillon {

// "Yes" or "No".
std::string yesNo(bool value);
// Face, "; PLAIN;", size; "Times New Roman" is spelled the applet's way.
std::string fontValue(const std::string& face, const std::string& size);
// Toggle symbol, leaf symbol, line style, icons: four letters such as "AXBA".
std::string styleLetters(const TAppletSettings& settings);

// A menu text as a piece of an entry: every line break (CR LF, CR or LF)
// becomes a blank, so that an entry stays one line of its content file and
// no text can start an entry of its own.
std::string onOneLine(const std::string& text);
// The same, appended to out, and with the attribute escapes of
// appendHtmlAttribute when escaped is set: one pass for a PARAM value.
void appendOnOneLine(std::string& out, std::string_view text, bool escaped = false);

std::string treeContentFileName(const std::string& baseName);
std::string tabTreeContentFileName(const std::string& baseName, int tabIndex);

}  // namespace quillon
