// Test entry for everything that needs the toolkit: one application object on the offscreen
// platform, so window tests run on machines without a display.

#include <gtest/gtest.h>
#include <QApplication>

#include "platform/fonts.h"
#include "tests/support/offscreen.h"

int main(int argc, char** argv) {
  prepareOffscreenEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  plat::installFontSubstitutions();
  return RUN_ALL_TESTS();
}
