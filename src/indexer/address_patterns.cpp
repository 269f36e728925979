#include "indexer/address_patterns.hpp"

#include <algorithm>

namespace quillon {

namespace {

// A piece of pattern between two "*": matches where it stands, "?" for any character.
bool pieceMatchesAt(std::string_view piece, std::string_view text, std::size_t at) {
  if (at + piece.size() > text.size()) return false;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    if (piece[i] != '?' && piece[i] != text[at + i]) return false;
  }
  return true;
}

}  // namespace

bool matchesPattern(std::string_view pattern, std::string_view text) {
  const std::size_t firstStar = pattern.find('*');
  if (firstStar == std::string_view::npos) return pattern.size() == text.size() && pieceMatchesAt(pattern, text, 0);
  // The pieces before the first and after the last "*" are fixed to the ends;
  // each piece between is taken at its leftmost place, which never loses a
  // match, so nothing is ever tried twice.
  const std::size_t lastStar = pattern.rfind('*');
  const std::string_view head = pattern.substr(0, firstStar);
  const std::string_view tail = pattern.substr(lastStar + 1);
  if (head.size() + tail.size() > text.size()) return false;
  if (!pieceMatchesAt(head, text, 0) || !pieceMatchesAt(tail, text, text.size() - tail.size())) return false;
  std::size_t at = head.size();
  const std::size_t end = text.size() - tail.size();
  std::size_t begin = firstStar + 1;
  while (begin < lastStar) {
    const std::size_t star = pattern.find('*', begin);
    const std::string_view piece = pattern.substr(begin, star - begin);
    begin = star + 1;
    if (piece.empty()) continue;
    while (at + piece.size() <= end && !pieceMatchesAt(piece, text, at)) ++at;
    if (at + piece.size() > end) return false;
    at += piece.size();
  }
  return true;
}

std::optional<std::string> AddressPatterns::refusal(const std::string& address) const {
  for (const std::string& pattern : exclude) {
    if (matchesPattern(pattern, address)) return "  > LEFT OUT BY EXCLUDE PATTERN (" + pattern + "): " + address;
  }
  const bool included = include.empty() || std::any_of(include.begin(), include.end(), [&](const std::string& p) {
                          return matchesPattern(p, address);
                        });
  if (!included) return "  > LEFT OUT, NO INCLUDE PATTERN MATCHES: " + address;
  return std::nullopt;
}

std::vector<std::string> patternsOfField(const std::string& field) {
  std::vector<std::string> patterns;
  std::size_t begin = 0;
  while (begin < field.size()) {
    const std::size_t end = std::min(field.find_first_of(" \t", begin), field.size());
    if (end > begin) patterns.push_back(field.substr(begin, end - begin));
    begin = end + 1;
  }
  return patterns;
}

}  // namespace quillon
