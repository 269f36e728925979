#pragma once
// Menu texts are UTF-8: what the generators cut or change, they change by
// characters. Bytes that are not UTF-8 (a page saved in another encoding)
// count as one character each and pass unchanged.
#include <cstddef>
#include <string>

namespace quillon {

// The first count characters of the text repeated as often as needed; empty
// for an empty text.
std::string repeatedCharacters(const std::string& text, std::size_t count);

// The number of characters of the text.
std::size_t characterCount(const std::string& text);

// Every letter in upper case ("é" becomes "É").
std::string upperCase(const std::string& text);

}  // namespace quillon
