#pragma once
// Texts put into the generated pages, each escaped for the place it goes.
#include <string>
#include <string_view>

namespace quillon {

// Every apostrophe becomes a back-quote: how captions and titles enter the
// pages' script strings, so that they read the same in every browser.
std::string replaceQuotes(const std::string& text);

// The text as the body of a script string delimited by quote (' or "):
// backslashes, the quote and line breaks are escaped, and "</script" and
// "<!--" are broken up so the string can never end or confuse its script element.
std::string escapeScriptString(const std::string& text, char quote);
// The same, appended to out.
void appendScriptString(std::string& out, std::string_view text, char quote);
// True when the text holds none of the bytes a script string may have to
// escape, so it stands in one as it is; most texts of a menu do.
bool isPlainScriptText(std::string_view text);

// Plain text as HTML content: & and < become character references (a ">"
// ends nothing in content, so the end symbols of the drop-down stay as typed).
std::string escapeHtmlText(const std::string& text);
// The same, appended to out.
void appendHtmlText(std::string& out, std::string_view text);

}  // namespace quillon
