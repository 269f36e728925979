#pragma once
// The model keeps colours as 0x00BBGGRR, red in the low byte.
#include <QColor>
#include <cstdint>

namespace quillon::gui {

inline QColor toQColor(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

inline std::uint32_t fromQColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
         static_cast<std::uint32_t>(color.blue()) << 16;
}

}  // namespace quillon::gui
