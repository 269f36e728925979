#include "app/size_boxes.hpp"

#include <algorithm>

namespace quillon {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct SizeRule {
  const char* fallback;
  int limit;
};

SizeRule ruleFor(SizeBox box) { return box == SizeBox::Width ? SizeRule{"200", 1000} : SizeRule{"320", 800}; }

// Compares digit texts by value without converting, so no length can overflow.
bool exceeds(const std::string& digits, int limit) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return false;
  const std::string significant = digits.substr(first);
  const std::string bound = std::to_string(limit);
  if (significant.size() != bound.size()) return significant.size() > bound.size();
  return significant > bound;
}

std::string& sizeText(SizeBox box, TAppletSettings& settings) {
  return box == SizeBox::Width ? settings.Width : settings.Height;
}

}  // namespace

std::string keepDigits(const std::string& typed) {
  std::string digits;
  std::copy_if(typed.begin(), typed.end(), std::back_inserter(digits), isDigit);
  return digits;
}

std::optional<std::string> sizeOnLeave(SizeBox box, const std::string& text) {
  const SizeRule rule = ruleFor(box);
  if (text.empty()) return rule.fallback;
  if (!std::all_of(text.begin(), text.end(), isDigit)) return std::nullopt;
  return exceeds(text, rule.limit) ? std::to_string(rule.limit) : text;
}

void leaveSizeBox(SizeBox box, TAppletSettings& settings, UserInterface& ui) {
  std::string& text = sizeText(box, settings);
  if (auto kept = sizeOnLeave(box, text)) {
    text = *kept;
    return;
  }
  ui.message(MessageKind::Error, "'" + text + "' is not a valid integer value");
}

}  // namespace quillon
