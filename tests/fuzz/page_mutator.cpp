#include "page_mutator.hpp"

#include <algorithm>

namespace quillon::fuzz {

namespace {

// Pieces of the page syntax and the values the reader converts.
const std::vector<std::string> kTokens = {
    "<", ">", "\"", "'", "=", ";", "&", "#", "*", "/", "\\", " ", "\t", "\r\n", "\n", "\r", std::string(1, '\0'),
    "<!--", "-->", "<!-", "<!-- <PARAM NAME=\"TAB1\" VALUE=\"Fake\"> -->", "<PARAM NAME=\"", "\" VALUE=\"",
    "<param name=", " value=", "VALUE=", "NAME=", "</APPLET>", "</applet>", "<APPLET", "<BODY bgcolor=red>",
    "<APPLET CODE=\"TrellTabTreeR.class\" WIDTH=1 HEIGHT=1>", "CODE=\"TrellTreeR.class\"", "CODE=TrellTabR",
    "CODEBASE=\"", "CODEBASE=http://x/", "CODEBASE=/", "CODEBASE=..\\..\\", "TAB0", "TAB1", "TAB2", "TAB999",
    "TAB0_CONTENT", "T0I", "T1I0", "T2147483647I0", "I0", "I", "CONTENT", "FOLDER_OPEN", "FOLDER_CLOSED", "LEAF",
    "IMAGEDIR", "PROXY", "TAB_DEFAULT", "TREE_STYLE", "STYLE", "MOUSECLICKSOUND", "TREE_BG_IMAGE", "BACKGROUNDIMAGE",
    "TAB_FONT", "FONT", "&amp;", "&quot;", "&lt;", "&gt;", "&#", "&#x", "&#38;", "&#x26;", "&#1114111;", "&#1114112;",
    "&#xD800;", "&#0;", "&#xFFFFFFFF;", "None", "none", "folder", "leaf", "YES", "yes", "..", "../", "..\\",
    "http://", "999", ";;;;;;;;", " ; ; ; ; ; ; ; ; ; ", "\xC3\xA9", "\xFF", "\x80", "Rect", "line", "XAXX", "FBAA"};

const std::vector<std::string> kNumbers = {
    "0", "1", "-1", "2", "9", "10", "999", "-999", "2147483647", "2147483648", "-2147483648", "-2147483649",
    "4294967295", "4294967296", "99999999999999999999999", "$7FFFFFFF", "$FFFFFFFF", "$100000000", "$", "-", "+",
    "+0", " 7", "00000000000000000000001", "1e9", "0x10", "255,255,255", "300,-1,$FF", "1,2", ",,"};

const char kInterestingBytes[] = "<>\"'=;&#*/\\ \t\r\n!-0123456789$";

}  // namespace

PageMutator::PageMutator(std::uint64_t seed, std::vector<std::string> corpus)
    : random_(seed), corpus_(std::move(corpus)) {
  if (corpus_.empty()) corpus_.emplace_back();
}

std::size_t PageMutator::below(std::size_t bound) {
  return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
}

const std::string& PageMutator::pick(const std::vector<std::string>& list) { return list[below(list.size())]; }

std::pair<std::size_t, std::size_t> PageMutator::randomTag(const std::string& page) {
  const std::size_t begin = page.rfind('<', below(page.size()));
  if (begin == std::string::npos) return {0, 0};
  const std::size_t close = page.find('>', begin);
  return {begin, close == std::string::npos ? page.size() : close + 1};
}

void PageMutator::mutateOnce(std::string& page) {
  const std::size_t at = below(page.size() + 1);
  switch (below(13)) {
    case 0:  // flip one bit
      if (!page.empty()) page[at % page.size()] ^= static_cast<char>(1 << below(8));
      break;
    case 1: {  // set one byte, often to a byte of the syntax
      if (page.empty()) break;
      const std::size_t syntax = below(sizeof kInterestingBytes - 1);
      page[at % page.size()] = below(2) ? kInterestingBytes[syntax] : static_cast<char>(below(256));
      break;
    }
    case 2:  // insert a token
    case 3:
      page.insert(at, pick(kTokens));
      break;
    case 4:  // delete a range
      page.erase(at, 1 + below(below(2) ? 8 : 256));
      break;
    case 5: {  // repeat a short range many times: long values, many tags
      const std::string chunk = page.substr(at, 1 + below(64));
      std::string repeated;
      for (std::size_t n = 2 + below(200); n > 0; --n) repeated += chunk;
      page.insert(at, repeated);
      break;
    }
    case 6: {  // duplicate a tag somewhere else
      const auto [begin, end] = randomTag(page);
      if (begin == end) break;
      const std::string tag = page.substr(begin, end - begin);
      page.insert(below(page.size() + 1), tag);
      break;
    }
    case 7: {  // drop a tag
      const auto [begin, end] = randomTag(page);
      page.erase(begin, end - begin);
      break;
    }
    case 8: {  // splice: this page's head with another page's tail, or a piece of it inserted
      const std::string& other = pick(corpus_);
      const std::size_t from = below(other.size() + 1);
      if (below(2)) {
        page = page.substr(0, at) + other.substr(from);
      } else {
        page.insert(at, other.substr(from, 1 + below(512)));
      }
      break;
    }
    case 9:  // truncate
      page.resize(at);
      break;
    case 10: {  // swap a number for an extreme one
      std::size_t begin = page.find_first_of("0123456789", at);
      if (begin == std::string::npos) begin = at;
      std::size_t end = page.find_first_not_of("0123456789", begin);
      if (end == std::string::npos) end = page.size();
      page.replace(begin, end - begin, pick(kNumbers));
      break;
    }
    case 11: {  // change the letter case of a run
      const bool upper = below(2);
      const std::size_t end = std::min(page.size(), at + 1 + below(200));
      for (std::size_t i = at; i < end; ++i) {
        const char c = page[i];
        if (upper && c >= 'a' && c <= 'z') page[i] = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z') page[i] = static_cast<char>(c - 'A' + 'a');
      }
      break;
    }
    case 12: {  // break a line inside a tag, in one of the three line-end styles
      const std::size_t blank = page.find(' ', at);
      if (blank == std::string::npos) break;
      const char* breaks[] = {"\r\n", "\n", "\r", "\r\n\r\n  "};
      page.replace(blank, 1, breaks[below(4)]);
      break;
    }
  }
}

std::string PageMutator::next() {
  std::string page = pick(corpus_);
  for (std::size_t n = 1 + below(5); n > 0; --n) mutateOnce(page);
  if (page.size() > kMaxInputSize) page.resize(kMaxInputSize);
  return page;
}

}  // namespace quillon::fuzz
