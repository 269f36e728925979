#pragma once
// The "Set Color" pop-up menus of the style pages.
#include <QPoint>
#include <functional>
#include <span>

#include "app/style_colors.hpp"

class QMenu;
class QWidget;

namespace quillon::gui {

// A menu of the entries, with their separators; choosing one calls `chosen` with its setting.
QMenu* makeColorMenu(std::span<const ColorMenuEntry> entries, QWidget* parent,
                     const std::function<void(ColorSetting)>& chosen);

// Where a "Set Color" menu opens: at an offset from the window's top left corner.
QPoint colorMenuPosition(const QWidget* onPage, QPoint offset);

}  // namespace quillon::gui
