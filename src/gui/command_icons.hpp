#pragma once
// The toolbar's pictures, drawn here so that they are our own and stay crisp
// at any screen scale.
#include <QIcon>

namespace quillon::gui {

enum class CommandIcon { New, Open, Save, Help, Demo, Preview, Clipboard, Upload, Indexer, Deploy, Generate, Exit };

QIcon commandIcon(CommandIcon which);

}  // namespace quillon::gui
