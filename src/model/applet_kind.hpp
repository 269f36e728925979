#pragma once
#include <cstdint>

namespace quillon {

// Which of the three applets the menu is written for.
enum TAppletKind : std::uint8_t { akTab = 0, akTree = 1, akTabTree = 2 };

inline bool hasTabs(TAppletKind kind) { return kind == akTab || kind == akTabTree; }
inline bool hasTrees(TAppletKind kind) { return kind == akTree || kind == akTabTree; }

}  // namespace quillon
