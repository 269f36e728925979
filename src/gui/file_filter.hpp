#pragma once
// The dialogs' filters come in the classic form "Description|*.a;*.b|...".
#include <QString>
#include <string>

namespace quillon::gui {

// The same filter as Qt's file dialog takes it: "Description (*.a *.b);;...".
// A pattern in the description's own trailing parentheses gives way to the
// real list; "*.*" becomes "*", and each extension also matches in capitals,
// as older sites name their files either way.
QString qtFileFilter(const std::string& classicFilter);

}  // namespace quillon::gui
