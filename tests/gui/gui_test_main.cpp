// The desktop tests share one application object; without a display they draw offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "isolated_environment.hpp"

int main(int argc, char** argv) {
  quillon::testing::isolateFromUserFolders();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
