#include "format/param_values.hpp"

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

std::string onOneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
  }
  return line;
}

std::string treeContentFileName(const std::string& baseName) { return baseName + "_content.txt"; }

std::string tabTreeContentFileName(const std::string& baseName, int tabIndex) {
  return baseName + "TAB" + std::to_string(tabIndex) + "content.txt";
}

}  // namespace quillon
