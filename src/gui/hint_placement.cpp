#include "gui/hint_placement.hpp"

#include <algorithm>

namespace quillon::gui {

namespace {
constexpr int kGap = 4;
}

std::optional<QPoint> placeBesideWindow(const QRect& windowFrame, int anchorTop, const QSize& hint,
                                        const QRect& screen) {
  // A hint taller than the screen keeps its top visible.
  const int top = std::max(screen.top(), std::min(anchorTop, screen.bottom() + 1 - hint.height()));
  const int right = windowFrame.right() + 1 + kGap;
  if (right + hint.width() <= screen.right() + 1) return QPoint(right, top);
  const int left = windowFrame.left() - kGap - hint.width();
  if (left >= screen.left()) return QPoint(left, top);
  return std::nullopt;
}

}  // namespace quillon::gui
