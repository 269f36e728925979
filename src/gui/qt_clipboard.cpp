#include "gui/qt_clipboard.hpp"

#include <QClipboard>
#include <QGuiApplication>

#include "gui/qt_text.hpp"

namespace quillon::gui {

void QtClipboard::setText(const std::string& text) { QGuiApplication::clipboard()->setText(toQString(text)); }

}  // namespace quillon::gui
