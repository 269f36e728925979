#include "gui/color_menu.hpp"

#include <QMenu>
#include <QWidget>

namespace quillon::gui {

QMenu* makeColorMenu(std::span<const ColorMenuEntry> entries, QWidget* parent,
                     const std::function<void(ColorSetting)>& chosen) {
  auto* menu = new QMenu(parent);
  for (const ColorMenuEntry& entry : entries) {
    const ColorSetting setting = entry.setting;
    menu->addAction(entry.caption, parent, [chosen, setting] { chosen(setting); });
    if (entry.separatorAfter) menu->addSeparator();
  }
  return menu;
}

QPoint colorMenuPosition(const QWidget* onPage, QPoint offset) {
  return onPage->window()->frameGeometry().topLeft() + offset;
}

}  // namespace quillon::gui
