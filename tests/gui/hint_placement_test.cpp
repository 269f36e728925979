// Where the Target Frames hint stands beside the main window on the screen.
#include "gui/hint_placement.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace quillon::gui {
namespace {

TEST(TargetFrameHintPlacement, BesideTheWindowWhereTheScreenHasRoom) {
  const QSize hint(178, 134);
  const QRect screen(0, 0, 1280, 1024);
  struct Case {
    const char* name;
    QRect window;
    int anchorTop;
    QRect screen;
    std::optional<QPoint> expected;
  };
  const Case cases[] = {
      {"right of the frame", QRect(100, 50, 639, 523), 120, screen, QPoint(743, 120)},
      {"left when the right has no room", QRect(600, 50, 639, 523), 120, screen, QPoint(418, 120)},
      {"nowhere when neither side has room", QRect(82, 50, 639, 523), 120, QRect(0, 0, 800, 600), std::nullopt},
      {"exactly fits on the right", QRect(0, 0, 639, 523), 0, QRect(0, 0, 639 + 4 + 178, 600), QPoint(643, 0)},
      {"kept above the screen's bottom", QRect(100, 400, 639, 523), 950, screen, QPoint(743, 1024 - 134)},
      {"on a screen left of the first", QRect(-1180, 50, 639, 523), 120, QRect(-1280, 0, 1280, 1024),
       QPoint(-537, 120)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(placeBesideWindow(c.window, c.anchorTop, hint, c.screen), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace quillon::gui
