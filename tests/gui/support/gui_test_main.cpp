// The main of every GUI test: real widgets on the offscreen platform, with
// audio going to SDL's dummy driver, so no screen or sound device is needed.

#include <cstdlib>

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
