#pragma once
// Pages are bytes; Qt shows text. UTF-8 is shown as such, anything else as
// Latin-1, so that no byte of an older page turns into a replacement mark.
#include <QString>
#include <string>

namespace quillon::gui {

QString toQString(const std::string& bytes);
std::string toBytes(const QString& text);

}  // namespace quillon::gui
