#include "app/ini_text.hpp"

#include <vector>

#include "format/page_frame.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "Last%20Dir" as "Last Dir".
std::string unescapedKey(const std::string& key) {
  std::string plain;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (key[i] == '%' && i + 2 < key.size() && hexDigit(key[i + 1]) >= 0 && hexDigit(key[i + 2]) >= 0) {
      plain += static_cast<char>(hexDigit(key[i + 1]) * 16 + hexDigit(key[i + 2]));
      i += 2;
    } else {
      plain += key[i];
    }
  }
  return plain;
}

// Values outside any section live in "General", as older versions kept them.
std::string sectionName(const std::string& section) { return section.empty() ? "General" : section; }

std::optional<std::string> sectionOf(const std::string& line) {
  const std::string t = trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
  return trim(t.substr(1, t.size() - 2));
}

bool isKeyLine(const std::string& line, const std::string& key) {
  const std::size_t equals = line.find('=');
  return equals != std::string::npos && equalsNoCase(unescapedKey(trim(line.substr(0, equals))), key);
}

// A value is read trimmed, without one pair of enclosing double quotes.
std::string valueOf(const std::string& line) {
  std::string value = trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return value;
}

std::string keyLine(const std::string& key, std::string value) {
  // A line break would start a line of its own.
  for (char& c : value) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  const bool quoted = !value.empty() && (value.front() == ' ' || value.back() == ' ' ||
                                         (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
  return key + "=" + (quoted ? "\"" + value + "\"" : value);
}

std::string joinIniLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

}  // namespace

std::optional<std::string> iniValue(const std::string& text, const std::string& section, const std::string& key) {
  const std::string wanted = sectionName(section);
  bool inSection = false;
  for (const std::string& line : splitTextLines(text)) {
    if (auto name = sectionOf(line)) {
      inSection = equalsNoCase(*name, wanted);
    } else if (inSection && isKeyLine(line, key)) {
      return valueOf(line);
    }
  }
  return std::nullopt;
}

std::string withIniValue(const std::string& text, const std::string& section, const std::string& key,
                         const std::string& value) {
  const std::string wanted = sectionName(section);
  std::vector<std::string> lines = splitTextLines(text);
  std::vector<std::string> result;
  bool inSection = false;
  bool written = false;
  std::size_t sectionEnd = std::string::npos;  // where a new key of the section goes
  for (const std::string& line : lines) {
    if (auto name = sectionOf(line)) {
      inSection = equalsNoCase(*name, wanted);
      result.push_back(line);
      if (inSection) sectionEnd = result.size();
      continue;
    }
    if (inSection && isKeyLine(line, key)) {
      // The first line of the key takes the value; an older spelling of it goes.
      if (!written) result.push_back(keyLine(key, value));
      written = true;
      sectionEnd = result.size();
      continue;
    }
    result.push_back(line);
    if (inSection && !trim(line).empty()) sectionEnd = result.size();
  }
  if (!written && sectionEnd != std::string::npos) {
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(sectionEnd), keyLine(key, value));
  } else if (!written) {
    if (!result.empty() && !trim(result.back()).empty()) result.push_back("");
    result.push_back("[" + wanted + "]");
    result.push_back(keyLine(key, value));
  }
  return joinIniLines(result);
}

}  // namespace quillon
