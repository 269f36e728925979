#include "generators/text_escape.hpp"

#include "format/byte_scan.hpp"

namespace quillon {

namespace {

// "/script" in any letter case at the position.
bool startsScriptEndTag(std::string_view text, std::size_t at) {
  static const std::string sought = "/script";
  if (text.size() - at < sought.size()) return false;
  for (std::size_t k = 0; k < sought.size(); ++k) {
    char c = text[at + k];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != sought[k]) return false;
  }
  return true;
}

// The bytes a script string may have to escape, whatever its quote (those
// isPlainScriptText looks for); runs without them are copied whole.
struct ScriptStops {
  bool of[256] = {};
  ScriptStops() {
    for (char c : {'\\', '\'', '"', '\n', '\r', '<'}) of[static_cast<unsigned char>(c)] = true;
  }
};
const ScriptStops kScriptStops;

}  // namespace

std::string replaceQuotes(const std::string& text) {
  std::string result = text;
  for (char& c : result) {
    if (c == '\'') c = '`';
  }
  return result;
}

bool isPlainScriptText(std::string_view text) { return !holdsAnyOf<'\\', '\'', '"', '\n', '\r', '<'>(text); }

void appendScriptString(std::string& out, std::string_view text, char quote) {
  if (isPlainScriptText(text)) {
    out += text;
    return;
  }
  std::size_t run = 0;
  auto replace = [&](std::size_t at, std::size_t length, const char* with) {
    out.append(text.data() + run, at - run);
    out += with;
    run = at + length;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!kScriptStops.of[static_cast<unsigned char>(c)]) continue;
    if (c == '\\' || c == quote) {
      const char escaped[] = {'\\', c, '\0'};
      replace(i, 1, escaped);
    } else if (c == '\n') {
      replace(i, 1, "\\n");
    } else if (c == '\r') {
      replace(i, 1, "\\r");
    } else if (c == '<' && startsScriptEndTag(text, i + 1)) {
      replace(i, 2, "<\\/");
      ++i;
    } else if (c == '<' && text.compare(i + 1, 3, "!--") == 0) {
      replace(i, 4, "<\\!--");
      i += 3;
    }
  }
  out.append(text.data() + run, text.size() - run);
}

std::string escapeScriptString(const std::string& text, char quote) {
  std::string result;
  result.reserve(text.size() + 8);
  appendScriptString(result, text, quote);
  return result;
}

void appendHtmlText(std::string& out, std::string_view text) {
  if (!holdsAnyOf<'&', '<'>(text)) {
    out += text;
    return;
  }
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '&' && c != '<') continue;
    out.append(text.data() + run, i - run);
    out += c == '&' ? "&amp;" : "&lt;";
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
}

std::string escapeHtmlText(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  appendHtmlText(result, text);
  return result;
}

}  // namespace quillon
