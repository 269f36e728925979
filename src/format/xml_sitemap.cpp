#include "format/xml_sitemap.hpp"

#include <algorithm>

#include "format/byte_scan.hpp"
#include "format/html_escape.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// & ' " < > as the five predefined entities of XML, appended to out; runs
// without them, most addresses whole, are copied in one piece.
void appendXml(std::string& out, std::string_view text) {
  if (!holdsAnyOf<'&', '\'', '"', '<', '>'>(text)) {
    out += text;
    return;
  }
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* entity = nullptr;
    switch (text[i]) {
      case '&': entity = "&amp;"; break;
      case '\'': entity = "&apos;"; break;
      case '"': entity = "&quot;"; break;
      case '<': entity = "&lt;"; break;
      case '>': entity = "&gt;"; break;
      default: continue;
    }
    out.append(text.data() + run, i - run);
    out += entity;
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
}

// "  <url><loc>" and "</loc></url>\n" around an address.
constexpr std::size_t kEntryLineExtra = 25;

void appendEntryLine(std::string& out, std::string_view element, std::string_view address) {
  out += "  <";
  out += element;
  out += "><loc>";
  appendXml(out, address);
  out += "</loc></";
  out += element;
  out += ">\n";
}


std::string opening(const char* root) { return std::string(kDeclaration) + "<" + root + " xmlns=\"" + xml_sitemap::kNamespace + "\">\n"; }

std::string closing(const char* root) { return std::string("</") + root + ">\n"; }

std::string_view localName(std::string_view name) {
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Walks the text once, keeping the line number of where it stands.
class XmlWalk {
 public:
  explicit XmlWalk(std::string_view text) : text_(text) {}

  std::size_t line() {
    line_ += static_cast<std::size_t>(std::count(text_.begin() + counted_, text_.begin() + at_, '\n'));
    counted_ = at_;
    return line_;
  }
  bool atEnd() const { return at_ >= text_.size(); }
  bool startsWith(std::string_view prefix) const { return text_.substr(at_).starts_with(prefix); }
  void skipBlanks() {
    while (!atEnd() && isBlank(text_[at_])) ++at_;
  }
  // Moves past the next `end`; false when the text ends first.
  bool skipPast(std::string_view end) {
    const std::size_t found = text_.find(end, at_);
    if (found == std::string_view::npos) return false;
    at_ = found + end.size();
    return true;
  }
  // The text up to the next "<" (or the end), the walk then standing on it.
  std::string_view textUntilTag() {
    const std::size_t found = std::min(text_.find('<', at_), text_.size());
    const std::string_view piece = text_.substr(at_, found - at_);
    at_ = found;
    return piece;
  }
  // The text up to `end`, the walk then past it; nothing when it never comes.
  std::optional<std::string_view> takeUntil(std::string_view end) {
    const std::size_t found = text_.find(end, at_);
    if (found == std::string_view::npos) return std::nullopt;
    const std::string_view piece = text_.substr(at_, found - at_);
    at_ = found + end.size();
    return piece;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t counted_ = 0;
  std::size_t line_ = 1;
};

struct Tag {
  std::string name;
  bool closing = false;
  bool empty = false;  // <x/>
};

// The tag the walk stands on ("<" seen), the walk then past its ">".
std::optional<Tag> readTag(XmlWalk& walk) {
  const std::optional<std::string_view> body = walk.takeUntil(">");
  if (!body || body->size() < 2 || body->find('<', 1) != std::string_view::npos) return std::nullopt;
  std::string_view inside = body->substr(1);
  Tag tag;
  if (inside.starts_with('/')) {
    tag.closing = true;
    inside.remove_prefix(1);
  }
  if (inside.ends_with('/')) {
    tag.empty = true;
    inside.remove_suffix(1);
  }
  const std::size_t nameEnd = std::min(inside.find_first_of(" \t\r\n"), inside.size());
  tag.name = std::string(inside.substr(0, nameEnd));
  if (tag.name.empty()) return std::nullopt;
  return tag;
}

// Comments, processing instructions and CDATA sections: skipped, or false when never closed.
bool skipMarkup(XmlWalk& walk, bool& skipped) {
  skipped = true;
  if (walk.startsWith("<!--")) return walk.skipPast("-->");
  if (walk.startsWith("<?")) return walk.skipPast("?>");
  skipped = false;
  return true;
}

class SitemapParser {
 public:
  SitemapParser(std::string_view text, std::size_t maxEntries) : walk_(text), maxEntries_(maxEntries) {}

  std::optional<SitemapContent> parse(std::string& problem) {
    if (!prolog() || !root() || !body()) {
      problem = problem_;
      return std::nullopt;
    }
    return content_;
  }

 private:
  bool fail(std::string what) {
    problem_ = std::move(what);
    return false;
  }
  std::string atLine() { return " at line " + std::to_string(walk_.line()); }

  bool prolog() {
    if (walk_.startsWith("\xEF\xBB\xBF")) walk_.skipPast("\xEF\xBB\xBF");
    for (;;) {
      walk_.skipBlanks();
      if (walk_.atEnd()) return fail("it is empty");
      if (walk_.startsWith("<!DOCTYPE")) return fail("it declares a document type" + atLine());
      bool skipped = false;
      if (!skipMarkup(walk_, skipped)) return fail("a comment or declaration" + atLine() + " is not closed");
      if (!skipped) break;
    }
    if (!walk_.startsWith("<")) return fail("it is not XML");
    return true;
  }

  bool root() {
    const std::size_t line = walk_.line();
    const std::optional<Tag> tag = readTag(walk_);
    if (!tag || tag->closing) return fail("it is not XML");
    const std::string_view name = localName(tag->name);
    if (name == "urlset") {
      content_.kind = SitemapKind::UrlSet;
    } else if (name == "sitemapindex") {
      content_.kind = SitemapKind::Index;
    } else {
      return fail("its root element is <" + tag->name + ">, not <urlset> or <sitemapindex>");
    }
    if (!tag->empty) open_.push_back({tag->name, line});
    return true;
  }

  bool body() {
    const std::string_view entry = content_.kind == SitemapKind::UrlSet ? "url" : "sitemap";
    while (!open_.empty()) {
      walk_.textUntilTag();
      if (walk_.atEnd()) return fail("it ends before </" + open_.front().name + ">");
      if (walk_.startsWith("<![CDATA[")) {
        if (!walk_.skipPast("]]>")) return fail("a CDATA section" + atLine() + " is not closed");
        continue;
      }
      bool skipped = false;
      if (!skipMarkup(walk_, skipped)) return fail("a comment" + atLine() + " is not closed");
      if (skipped) continue;
      const std::size_t line = walk_.line();
      const std::optional<Tag> tag = readTag(walk_);
      if (!tag) return fail("a tag" + atLine() + " is not closed");
      if (tag->closing) {
        if (open_.back().name != tag->name) {
          return fail("the element <" + open_.back().name + "> at line " + std::to_string(open_.back().line) +
                      " is closed by </" + tag->name + ">");
        }
        open_.pop_back();
        continue;
      }
      if (tag->empty) continue;
      if (localName(tag->name) == "loc" && localName(open_.back().name) == entry) {
        if (!location(tag->name, line)) return false;
        continue;
      }
      if (open_.size() >= xml_sitemap::kMaxDepth) return fail("its elements nest too deep" + atLine());
      open_.push_back({tag->name, line});
    }
    return trailer();
  }

  // The text of a <loc>, up to its end tag.
  bool location(const std::string& name, std::size_t line) {
    std::string text;
    for (;;) {
      text += decodeCharacterReferences(std::string(walk_.textUntilTag()));
      if (!walk_.startsWith("<![CDATA[")) break;
      walk_.skipPast("<![CDATA[");
      const std::optional<std::string_view> data = walk_.takeUntil("]]>");
      if (!data) return fail("a CDATA section" + atLine() + " is not closed");
      text += *data;
      if (text.size() > xml_sitemap::kMaxAddressLength) break;
    }
    const std::string where = "the <loc> at line " + std::to_string(line);
    const std::optional<Tag> end = walk_.atEnd() ? std::nullopt : readTag(walk_);
    if (!end || !end->closing || end->name != name) return fail(where + " is not closed");
    text = trim(text);
    if (text.empty()) return fail(where + " is empty");
    if (text.size() > xml_sitemap::kMaxAddressLength) {
      return fail(where + " is longer than " + std::to_string(xml_sitemap::kMaxAddressLength) + " characters");
    }
    if (content_.locations.size() >= maxEntries_) {
      return fail("it lists more than " + std::to_string(maxEntries_) + " addresses");
    }
    content_.locations.push_back(std::move(text));
    return true;
  }

  // After the root only comments and blanks.
  bool trailer() {
    for (;;) {
      walk_.skipBlanks();
      if (walk_.atEnd()) return true;
      bool skipped = false;
      if (!skipMarkup(walk_, skipped) || !skipped) return fail("something follows its root element" + atLine());
    }
  }

  struct Open {
    std::string name;
    std::size_t line;
  };
  XmlWalk walk_;
  std::size_t maxEntries_;
  std::vector<Open> open_;
  SitemapContent content_;
  std::string problem_;
};

}  // namespace

std::string escapeXml(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  appendXml(result, text);
  return result;
}

std::vector<std::string> urlsetTextsOf(const std::vector<std::string_view>& addresses, const SitemapBounds& bounds) {
  const std::string head = opening("urlset");
  const std::string tail = closing("urlset");
  // Each file sized for the lines still to come, as most need no escapes.
  std::size_t unwritten = 0;
  for (const std::string_view address : addresses) unwritten += address.size() + kEntryLineExtra;
  auto startFile = [&](std::vector<std::string>& files) {
    std::string& file = files.emplace_back();
    file.reserve(std::min(head.size() + unwritten + tail.size(), bounds.bytes));
    file += head;
  };
  std::vector<std::string> files;
  startFile(files);
  std::size_t entries = 0;
  for (const std::string_view address : addresses) {
    const std::size_t lineStart = files.back().size();
    appendEntryLine(files.back(), "url", address);
    if (entries > 0 && (entries == bounds.entries || files.back().size() + tail.size() > bounds.bytes)) {
      files.back().resize(lineStart);
      files.back() += tail;
      startFile(files);
      entries = 0;
      appendEntryLine(files.back(), "url", address);
    }
    unwritten -= address.size() + kEntryLineExtra;
    ++entries;
  }
  files.back() += tail;
  return files;
}

std::vector<std::string> urlsetTexts(const std::vector<std::string>& addresses, const SitemapBounds& bounds) {
  return urlsetTextsOf(std::vector<std::string_view>(addresses.begin(), addresses.end()), bounds);
}

std::string sitemapIndexText(const std::vector<std::string>& sitemapAddresses) {
  std::string text = opening("sitemapindex");
  for (const std::string& address : sitemapAddresses) appendEntryLine(text, "sitemap", address);
  return text + closing("sitemapindex");
}

std::optional<SitemapContent> parseSitemap(std::string_view text, std::string& problem, std::size_t maxEntries) {
  return SitemapParser(text, maxEntries).parse(problem);
}

}  // namespace quillon
