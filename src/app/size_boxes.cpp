#include "app/size_boxes.hpp"

#include <algorithm>

namespace quillon {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string& sizeText(SizeBox box, TAppletSettings& settings) {
  return box == SizeBox::Width ? settings.Width : settings.Height;
}

}  // namespace

std::string keepDigits(const std::string& typed) {
  std::string digits;
  std::copy_if(typed.begin(), typed.end(), std::back_inserter(digits), isDigit);
  return digits;
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
