#pragma once
// One pass over a text telling which bytes in it ask for more than a plain
// copy into a page: most menu texts hold none, and are then copied whole.
#include <string_view>

namespace quillon {

enum ByteKind : unsigned {
  kLineBreakByte = 1,  // CR or LF: a value stays on one line
  kMarkupByte = 2,     // & " < >: escaped in an attribute value
  kSeparatorByte = 4,  // ";": splits an entry where the applet reads it
};

// The kinds of the bytes the text holds, or-ed together; 0 for plain text.
unsigned byteKindsIn(std::string_view text);

}  // namespace quillon
