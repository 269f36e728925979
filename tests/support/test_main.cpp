// The main of every test program without a window.
#include <gtest/gtest.h>

#include "isolated_environment.hpp"

int main(int argc, char** argv) {
  quillon::testing::isolateFromUserFolders();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
