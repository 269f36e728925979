#pragma once
// Where a hint window stands so that it covers nothing of the window it
// explains: beside that window's frame, on the screen.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace quillon::gui {

// Right of `windowFrame`, else left of it, with its top at `anchorTop` as far
// as the screen allows; nothing when neither side of `screen` has room.
std::optional<QPoint> placeBesideWindow(const QRect& windowFrame, int anchorTop, const QSize& hint,
                                        const QRect& screen);

}  // namespace quillon::gui
