#include "app/browser_command.hpp"

#include <sstream>

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

constexpr std::size_t npos = std::string::npos;

bool isPlaceholderLetter(char c) { return c == 'u' || c == 'U' || c == 'f' || c == 'F'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isQuotedEscape(char c) { return c == '"' || c == '`' || c == '$' || c == '\\'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Drops the field codes that remain before the placeholder (icon, name,
// location and the deprecated ones) and turns "%%" into "%".
std::string withoutFieldCodes(const std::string& argument) {
  std::string result;
  for (std::size_t i = 0; i < argument.size(); ++i) {
    if (argument[i] == '%' && i + 1 < argument.size()) {
      if (argument[i + 1] == '%') result += '%';
      else if (!isLetter(argument[i + 1])) result.append(argument, i, 2);
      ++i;
      continue;
    }
    result += argument[i];
  }
  return result;
}

std::string unescapeValue(const std::string& value) {
  std::string result;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      result += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's': result += ' '; break;
      case 'n': result += '\n'; break;
      case 't': result += '\t'; break;
      case 'r': result += '\r'; break;
      case '\\': result += '\\'; break;
      default: result.append({'\\', value[i]}); break;
    }
  }
  return result;
}

}  // namespace

std::string cutAtPlaceholder(const std::string& commandTemplate) {
  std::size_t quoted = npos;
  std::size_t bare = npos;
  for (std::size_t i = 0; i + 1 < commandTemplate.size() && quoted == npos; ++i) {
    if (commandTemplate[i] != '%') continue;
    if (isPlaceholderLetter(commandTemplate[i + 1])) {
      if (i > 0 && commandTemplate[i - 1] == '"' && i + 2 < commandTemplate.size() && commandTemplate[i + 2] == '"') {
        quoted = i - 1;
      } else if (bare == npos) {
        bare = i;
      }
    }
    ++i;  // the letter, or the second "%" of a literal "%%"
  }
  const std::size_t cut = quoted != npos ? quoted : bare;
  return cut == npos ? commandTemplate : commandTemplate.substr(0, cut);
}

std::vector<std::string> splitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool inQuotes = false;
  const auto finish = [&] {
    if (!inArgument) return;
    std::string argument = withoutFieldCodes(current);
    // An argument that was nothing but a field code is left out altogether.
    if (!argument.empty() || current.empty()) arguments.push_back(std::move(argument));
    current.clear();
    inArgument = false;
  };
  for (std::size_t i = 0; i < commandLine.size(); ++i) {
    const char c = commandLine[i];
    if (inQuotes) {
      const bool escape = c == '\\' && i + 1 < commandLine.size() && isQuotedEscape(commandLine[i + 1]);
      if (c == '"') inQuotes = false;
      else if (escape) current += commandLine[++i];
      else current += c;
    } else if (isBlank(c)) {
      finish();
    } else {
      inArgument = true;
      if (c == '"') inQuotes = true;
      else current += c;
    }
  }
  finish();
  return arguments;
}

std::vector<std::string> browserArguments(const std::string& commandTemplate, const std::string& url) {
  std::vector<std::string> arguments = splitCommandLine(cutAtPlaceholder(commandTemplate));
  arguments.push_back(url);
  return arguments;
}

std::optional<std::string> desktopEntryExec(const std::string& desktopFileText) {
  std::istringstream lines(desktopFileText);
  std::string line;
  bool inDesktopEntry = false;
  while (std::getline(lines, line)) {
    line = trim(line);
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inDesktopEntry = line == "[Desktop Entry]";
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inDesktopEntry || equals == npos || trim(line.substr(0, equals)) != "Exec") continue;
    return unescapeValue(trim(line.substr(equals + 1)));
  }
  return std::nullopt;
}

}  // namespace quillon
