#pragma once
// The colour samples of the style pages.
#include <QString>

#include "app/style_colors.hpp"

class QLabel;

namespace quillon::gui {

// A framed caption that shows a text and a background colour.
QLabel* makeSample(const QString& caption, const char* name);

// Paints the sample's text and background in the colours it shows.
void paintSample(QLabel* sample, const SampleColors& colors);

}  // namespace quillon::gui
