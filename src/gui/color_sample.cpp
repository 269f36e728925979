#include "gui/color_sample.hpp"

#include <QLabel>
#include <QPalette>

#include "gui/qt_color.hpp"

namespace quillon::gui {

QLabel* makeSample(const QString& caption, const char* name) {
  auto* sample = new QLabel(caption);
  sample->setObjectName(name);
  sample->setFrameShape(QFrame::Box);
  sample->setAlignment(Qt::AlignCenter);
  sample->setMinimumHeight(22);
  sample->setAutoFillBackground(true);
  return sample;
}

void paintSample(QLabel* sample, const SampleColors& colors) {
  QPalette palette = sample->palette();
  palette.setColor(QPalette::Window, toQColor(colors.background));
  palette.setColor(QPalette::WindowText, toQColor(colors.text));
  sample->setPalette(palette);
}

}  // namespace quillon::gui
