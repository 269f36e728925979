#pragma once
// The pictures on the toggle buttons of the "Tree Style" page, drawn here so
// that they match each other and scale with the screen.
#include <QIcon>

#include "app/tree_style_buttons.hpp"

namespace quillon::gui {

QIcon treeStyleIcon(TreeStyleButton button);

}  // namespace quillon::gui
