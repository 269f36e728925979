// The status line's text and its strip during long work.
#include "gui/status_line.hpp"

#include <gtest/gtest.h>

namespace quillon::gui {
namespace {

TEST(StatusLine, TheStripShowsWhileBusyOrWithAProgressFigure) {
  StatusLine line;
  EXPECT_EQ(line.text().toStdString(), "Ready.");
  EXPECT_FALSE(line.stripShown());

  line.setBusy(true);
  line.showText("Reading HTML file.");
  EXPECT_TRUE(line.stripShown());
  EXPECT_EQ(line.stripWidth(), StatusLine::kStripWidth);
  line.setBusy(false);
  line.showText("Ready.");
  EXPECT_FALSE(line.stripShown());

  line.showText("Crawling.", 50);
  EXPECT_TRUE(line.stripShown());
  EXPECT_EQ(line.stripWidth(), StatusLine::kStripWidth / 2);
  line.showText("Ready.", -1);
  EXPECT_FALSE(line.stripShown());
}

}  // namespace
}  // namespace quillon::gui
