#pragma once
#include <string>

namespace quillon {

// Escapes the characters that would end or change an attribute value:
// & " < > become &amp; &quot; &lt; &gt;.
std::string escapeHtmlAttribute(const std::string& text);

}  // namespace quillon
