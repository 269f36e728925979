#include "format/text_helpers.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

namespace quillon {

namespace {

constexpr std::size_t npos = std::string::npos;

char lowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int toPosition(std::size_t index) { return index == npos ? 0 : static_cast<int>(index + 1); }

// Boyer-Moore-Horspool from a 0-based offset; returns the leftmost match or npos.
std::size_t horspoolFind(const std::string& sought, const std::string& text, std::size_t from) {
  const std::size_t m = sought.size();
  if (m == 0) return from;
  std::array<std::size_t, 256> shift;
  shift.fill(m);
  for (std::size_t i = 0; i + 1 < m; ++i) shift[static_cast<unsigned char>(sought[i])] = m - 1 - i;
  for (std::size_t last = from + m - 1; last < text.size();
       last += shift[static_cast<unsigned char>(text[last])]) {
    std::size_t k = 0;
    while (k < m && text[last - k] == sought[m - 1 - k]) ++k;
    if (k == m) return last + 1 - m;
  }
  return npos;
}

// Short sought texts use the plain search; from 9 characters on Horspool pays off on whole pages.
std::size_t findFrom(const std::string& sought, const std::string& text, std::size_t from) {
  return sought.size() >= 9 ? horspoolFind(sought, text, from) : text.find(sought, from);
}

bool hasBackslash(const std::string& text) { return text.find('\\') != npos; }
bool hasDriveLetter(const std::string& text) { return text.size() >= 2 && text[1] == ':'; }

std::string replaceChar(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

bool endsWithNoCase(const std::string& text, const std::string& suffix) {
  return suffix.size() <= text.size() && equalsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// Windows-style folder end: the count of characters up to and including the last "\" or ":".
std::size_t windowsFolderLength(const std::string& path) {
  const std::size_t at = path.find_last_of("\\:");
  return at == npos ? 0 : at + 1;
}

std::string windowsAbsolutePath(const std::string& base, const std::string& reference) {
  const std::string ref = stripQuotes(replaceChar(reference, '/', '\\'));
  if (hasDriveLetter(ref)) return ref;
  std::string baseDir = base.substr(0, windowsFolderLength(base));
  const std::size_t split = windowsFolderLength(ref);
  std::string refDir = ref.substr(0, split);
  const std::string refName = ref.substr(split);
  while (refDir.rfind("..", 0) == 0) {
    refDir.erase(0, 3);
    // The default start skips baseDir's trailing "\", so this goes one folder up.
    baseDir = leftStr(baseDir, reversePos(0, baseDir, "\\") - 1);
  }
  return joinPath(baseDir, joinPath(refDir, refName));
}

// "/web/site/" -> "/web/"; the root stays the root, a relative top folder becomes empty.
std::string parentFolder(const std::string& dir) {
  if (dir == "/") return dir;
  const std::size_t at = dir.size() < 2 ? npos : dir.rfind('/', dir.size() - 2);
  return at == npos ? std::string() : dir.substr(0, at + 1);
}

std::string posixAbsolutePath(const std::string& base, const std::string& reference) {
  // A "\" in the reference is taken as a separator, as the Windows rule does with "/".
  const std::string ref = replaceChar(stripQuotes(reference), '\\', '/');
  if (!ref.empty() && ref.front() == '/') return ref;
  std::string baseDir = extractFilePath(base);
  std::string refDir = extractFilePath(ref);
  while (refDir.rfind("../", 0) == 0) {
    refDir.erase(0, 3);
    baseDir = parentFolder(baseDir);
  }
  return joinPath(baseDir, joinPath(refDir, extractFileName(ref)));
}

// Classic Pascal StrToInt: leading blanks, an optional sign, "$" for hexadecimal, and
// nothing after the digits. Only the low bits matter to callers, so the value wraps.
std::uint32_t pascalStrToInt(const std::string& item) {
  const auto invalid = [&item] { return ConversionError("'" + item + "' is not a valid integer value"); };
  std::size_t i = item.find_first_not_of(' ');
  if (i == npos) throw invalid();
  const bool negative = item[i] == '-';
  if (item[i] == '-' || item[i] == '+') ++i;
  const bool hex = i < item.size() && item[i] == '$';
  if (hex) ++i;
  if (i == item.size()) throw invalid();
  const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
  std::uint64_t value = 0;
  for (; i < item.size(); ++i) {
    const char c = lowerChar(item[i]);
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0) throw invalid();
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (value > limit) throw invalid();
  }
  return static_cast<std::uint32_t>(negative ? 0 - value : value);
}

}  // namespace

std::string lowerAscii(std::string text) {
  for (char& c : text) c = lowerChar(c);
  return text;
}

std::string trim(const std::string& text) { return std::string(trimView(text)); }

int splitString(const std::string& text, const std::string& delimiter, StringList& list) {
  list.clear();
  const std::string haystack = lowerAscii(text);
  const std::string needle = lowerAscii(delimiter);
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t at = needle.empty() ? npos : findFrom(needle, haystack, from);
    if (at == npos) {
      list.push_back(text.substr(from));
      break;
    }
    list.push_back(text.substr(from, at - from));
    from = at + needle.size();
  }
  return static_cast<int>(list.size()) - 1;
}

std::string getTagValue(const std::string& tag, const std::string& name) {
  const std::string text = trim(tag);
  const int found = posNoCase(name + "=", text);
  if (found == 0) return {};
  const std::size_t first = static_cast<std::size_t>(found) + name.size();  // 0-based, after "="
  // A ">" right after "=" closes the tag: the value is empty, not ">".
  if (first >= text.size() || text[first] == '>') return {};
  const bool quoted = text[first] == '"';
  std::size_t stop = text.size();
  for (std::size_t i = first + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '>') {
      stop = i;
      break;
    }
    if (c == '"' || (!quoted && (c == ' ' || c == '\r' || c == '\n'))) {
      stop = i + 1;
      break;
    }
  }
  return stripQuotes(text.substr(first, stop - first));
}

bool TagCursor::next(TagSpan& span) {
  if (done_) return false;
  // After a stray ">" the "<" found last is still the next one; looking for it
  // again from every stray ">" would make a page full of them quadratic.
  if (open_ == npos || open_ < from_) open_ = html_.find('<', from_);
  if (open_ == npos) {
    done_ = true;
    return false;
  }
  const bool comment = html_.substr(open_ + 1, 2) == "!-";
  // Searched from the remaining text's start: a stray ">" before the "<" yields an empty item,
  // which callers counting tag indexes rely on.
  const std::size_t close = comment ? html_.find("-->", from_) : html_.find('>', from_);
  if (close == npos) {
    done_ = true;
    return false;
  }
  const std::size_t after = close + (comment ? 3 : 1);
  span = close > open_ ? TagSpan{open_, after} : TagSpan{close, close};
  from_ = after;
  return true;
}

std::vector<TagSpan> tagSpans(const std::string& html) {
  std::vector<TagSpan> spans;
  TagCursor cursor(html);
  for (TagSpan span{}; cursor.next(span);) spans.push_back(span);
  return spans;
}

std::string tagText(std::string_view html, const TagSpan& span) {
  return replaceAll(std::string(html.substr(span.begin, span.end - span.begin)), "\r\n", " ", true);
}

int extractTags(const std::string& html, StringList& list) {
  list.clear();
  for (const TagSpan& span : tagSpans(html)) list.push_back(tagText(html, span));
  return static_cast<int>(list.size()) - 1;
}

int posNoCase(const std::string& sought, const std::string& text) {
  if (sought.empty()) return 0;
  return toPosition(findFrom(lowerAscii(sought), lowerAscii(text), 0));
}

int findPattern(const std::string& sought, const std::string& text) {
  if (sought.empty()) return 1;
  return toPosition(horspoolFind(sought, text, 0));
}

int reversePos(int start, const std::string& text, const std::string& sought) {
  const int textLength = static_cast<int>(text.size());
  const int soughtLength = static_cast<int>(sought.size());
  if (soughtLength == 0) return 0;
  // The default start is one place before the last possible occurrence, on purpose.
  if (start == 0) start = textLength - soughtLength;
  for (int p = std::min(start, textLength - soughtLength + 1); p >= 1; --p) {
    if (text.compare(static_cast<std::size_t>(p - 1), sought.size(), sought) == 0) return p;
  }
  return 0;
}

std::string replaceAll(const std::string& text, const std::string& oldText, const std::string& newText,
                       bool caseSensitive) {
  if (oldText.empty()) return text;
  // Searching lower-cased copies keeps positions, so the result keeps the input's case.
  const std::string haystack = caseSensitive ? text : lowerAscii(text);
  const std::string needle = caseSensitive ? oldText : lowerAscii(oldText);
  std::string result;
  std::size_t from = 0;
  for (std::size_t at; (at = findFrom(needle, haystack, from)) != npos; from = at + needle.size()) {
    result.append(text, from, at - from).append(newText);
  }
  return result.append(text, from);
}

std::string midStr(const std::string& text, int start, int count) {
  const std::size_t from = static_cast<std::size_t>(std::max(start, 1) - 1);
  if (from >= text.size() || (count <= 0 && count != -1)) return {};
  return count == -1 ? text.substr(from) : text.substr(from, static_cast<std::size_t>(count));
}

std::string leftStr(const std::string& text, int count) {
  return count <= 0 ? std::string() : text.substr(0, static_cast<std::size_t>(count));
}

std::string rightStr(const std::string& text, int count) {
  if (count <= 0) return {};
  const auto n = static_cast<std::size_t>(count);
  return n >= text.size() ? text : text.substr(text.size() - n);
}

std::string dropRight(const std::string& text, int count) {
  if (count <= 0) return text;
  const auto n = static_cast<std::size_t>(count);
  return n >= text.size() ? std::string() : text.substr(0, text.size() - n);
}

std::string removePrefix(const std::string& text, const std::string& prefix) {
  return startsWithNoCase(text, prefix) ? text.substr(prefix.size()) : text;
}

std::string removeSuffix(const std::string& text, const std::string& suffix) {
  return endsWithNoCase(text, suffix) ? text.substr(0, text.size() - suffix.size()) : text;
}

std::string removeAround(const std::string& text, const std::string& mark) {
  return removeSuffix(removePrefix(text, mark), mark);
}

std::string stripQuotes(const std::string& text) { return removeAround(trim(text), "\""); }

bool isTrueText(const std::string& text) {
  return equalsNoCase(text, "yes") || equalsNoCase(text, "true") || text == "1";
}

std::string joinPath(const std::string& dir, const std::string& name) {
  if (dir.empty()) return name;
  const char separator = hasBackslash(dir) ? '\\' : '/';
  std::string head = dir;
  if (head.back() == separator) head.pop_back();
  const bool nameHasSeparator = !name.empty() && name.front() == separator;
  return head + separator + (nameHasSeparator ? name.substr(1) : name);
}

std::string relativePath(const std::string& base, const std::string& target) {
  if (base.empty()) return target;
  if (target.empty()) return {};
  // A folder is treated as a file inside it.
  const std::string baseFile = (base.back() == '\\' || base.back() == ':') ? joinPath(base, "dummy.dum") : base;
  const char separator = baseFile.find('/') == npos ? '\\' : '/';
  const char other = separator == '/' ? '\\' : '/';
  const std::string from = replaceChar(baseFile, other, separator);
  const std::string to = replaceChar(target, other, separator);

  // Two absolute POSIX paths share the root; otherwise the first two characters stand for the drive.
  const bool bothPosixAbsolute =
      base.front() == '/' && target.front() == '/' && !hasBackslash(base) && !hasBackslash(target);
  const bool sameDrive = from.size() >= 2 && to.size() >= 2 && equalsNoCase(from.substr(0, 2), to.substr(0, 2));
  if (!bothPosixAbsolute && !sameDrive) return target;

  std::size_t common = 0;  // length of the leading folders both share
  for (std::size_t i = 0; i < from.size() && i < to.size() && lowerChar(from[i]) == lowerChar(to[i]); ++i) {
    if (from[i] == separator) common = i + 1;
  }
  std::string result;
  const auto levelsUp = std::count(from.begin() + static_cast<std::ptrdiff_t>(common), from.end(), separator);
  for (auto level = levelsUp; level > 0; --level) result += std::string("..") + separator;
  return result + to.substr(common);
}

std::string absolutePath(const std::string& base, const std::string& reference) {
  // The base decides the convention; a drive-letter reference is absolute either way.
  const bool windows = hasBackslash(base) || hasDriveLetter(base) || hasDriveLetter(stripQuotes(reference));
  return windows ? windowsAbsolutePath(base, reference) : posixAbsolutePath(base, reference);
}

bool isLocalPath(const std::string& text) {
  if (text.find("//") != npos) return false;
  return text.find(':') != npos || (!text.empty() && text.front() == '/');
}

std::string localPathToFileURL(const std::string& text) {
  if (!isLocalPath(text)) return text;
  if (text.front() == '/' && !hasBackslash(text)) return "file://" + replaceAll(text, " ", "%20", true);
  const std::string path = replaceChar(text, '\\', '/');
  return "file:///" + path.substr(0, 1) + "|" + midStr(path, 3, -1);
}

std::string colorToRGBText(std::uint32_t color) {
  return std::to_string(color & 0xFFu) + "," + std::to_string((color >> 8) & 0xFFu) + "," +
         std::to_string((color >> 16) & 0xFFu);
}

std::uint32_t rgbTextToColor(const std::string& text) {
  StringList items;
  splitString(text, ",", items);
  std::uint32_t color = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (i >= items.size()) throw ListIndexError("List index out of bounds (" + std::to_string(i) + ")");
    color |= (pascalStrToInt(items[i]) & 0xFFu) << (8 * i);
  }
  return color;
}

std::string extractFilePath(const std::string& path) {
  const std::size_t at = path.find_last_of("/\\");
  return at == npos ? std::string() : path.substr(0, at + 1);
}

std::string extractFileName(const std::string& path) {
  const std::size_t at = path.find_last_of("/\\");
  return at == npos ? path : path.substr(at + 1);
}

}  // namespace quillon
