#include "format/param_values.hpp"

#include "format/byte_kinds.hpp"
#include "format/html_escape.hpp"

namespace quillon {

std::string yesNo(bool value) { return value ? "Yes" : "No"; }

std::string fontValue(const std::string& face, const std::string& size) {
  return (face == "Times New Roman" ? std::string("TimesRoman") : face) + "; PLAIN;" + size;
}

std::string styleLetters(const TAppletSettings& settings) {
  std::string letters;
  letters += settings.ToggleSymbol;
  letters += settings.LeafSymbol ? 'A' : 'X';
  letters += settings.LineStyle;
  // The proxy-enhanced applet draws no icons.
  letters += settings.UseIcons && !settings.ProxyEnhanced ? 'A' : 'X';
  return letters;
}

namespace {

// What a byte asks of appendOnOneLine: 0 nothing, 1 a line break, 2 an
// escape when escaping.
struct ByteClasses {
  unsigned char of[256] = {};
  ByteClasses() {
    of[static_cast<unsigned char>('\r')] = of[static_cast<unsigned char>('\n')] = 1;
    for (char c : {'&', '"', '<', '>'}) of[static_cast<unsigned char>(c)] = 2;
  }
};
const ByteClasses kByteClasses;

}  // namespace

void appendOnOneLine(std::string& out, std::string_view text, bool escaped) {
  if ((byteKindsIn(text) & (escaped ? kLineBreakByte | kMarkupByte : kLineBreakByte)) == 0) {
    out.append(text);
    return;
  }
  // Runs of plain characters are copied whole; most texts are one run.
  const unsigned char stop = escaped ? 2 : 1;
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char kind = kByteClasses.of[static_cast<unsigned char>(text[i])];
    if (kind == 0 || kind > stop) continue;
    out.append(text.data() + run, i - run);
    run = i + 1;
    if (kind == 2) {
      appendHtmlAttribute(out, text.substr(i, 1));
    } else if (text[i] == '\n' || i + 1 == text.size() || text[i + 1] != '\n') {
      out += ' ';  // CR LF makes one blank, at its LF
    }
  }
  out.append(text.data() + run, text.size() - run);
}

std::string onOneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  appendOnOneLine(line, text);
  return line;
}

std::string treeContentFileName(const std::string& baseName) { return baseName + "_content.txt"; }

std::string tabTreeContentFileName(const std::string& baseName, int tabIndex) {
  return baseName + "TAB" + std::to_string(tabIndex) + "content.txt";
}

}  // namespace quillon
