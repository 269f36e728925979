#pragma once
// What the crawl takes from a page: its text as lines joined with CR LF, its
// links and its title, read with the text helpers alone.
#include <optional>
#include <string>
#include <vector>

namespace quillon {

// A page's lines joined with CR LF, whatever line breaks the file used;
// nothing for an empty file, which has no lines.
std::optional<std::string> pageTextFromBytes(const std::string& bytes);

// The HREF values of every tag but the base tag, and the SRC values of frame
// tags, in document order with duplicates; character references decoded
// ("&amp;" is "&"), bookmarks alone left out and a leading "./" dropped.
std::vector<std::string> getHREFLinks(const std::string& pageText);

// The HREF of the page's first base tag that has one, decoded; empty when none.
std::string getBaseHref(const std::string& pageText);

// The text between the first "<TITLE>" and the first "</TITLE>", any case,
// untrimmed; empty when either is missing.
std::string getHTMLTitle(const std::string& pageText);

// The first `count` characters of a text, a UTF-8 sequence counting as one
// character and never cut; any other byte counts as one.
std::string leadingCharacters(const std::string& text, long long count);

// A whole number as the width fields hold it: optional leading blanks, an
// optional sign and digits. Nothing for any other text.
std::optional<long long> parseWholeNumber(const std::string& text);

}  // namespace quillon
