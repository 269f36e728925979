#pragma once
#include <string>
#include <string_view>

namespace quillon {

// Escapes the characters that would end or change an attribute value:
// & " < > become &amp; &quot; &lt; &gt;.
// Line breaks become &#13; and &#10;, so a value stays on its line.
std::string escapeHtmlAttribute(const std::string& text);
// The same, appended to out: runs without such characters are copied whole.
void appendHtmlAttribute(std::string& out, std::string_view text);

// Decodes &amp; &quot; &lt; &gt; &apos; and numeric references (&#38; &#x26;,
// as UTF-8); anything else is left as it stands.
std::string decodeCharacterReferences(std::string_view text);

// Appends a code point (at most U+10FFFF) in UTF-8.
void appendUtf8(std::string& out, unsigned long code);

}  // namespace quillon
