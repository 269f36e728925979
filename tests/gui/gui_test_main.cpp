// The desktop tests share one application object; without a display they draw offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "isolated_environment.hpp"

int main(int argc, char** argv) {
  // A desktop-sized screen, so that the windows that stand beside the main window find room.
  ::setenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUILLON_OFFSCREEN_SCREEN, 0);
  quillon::testing::isolateFromUserFolders();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
