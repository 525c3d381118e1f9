// Entry of the sound checks: a private sound server with a silent output comes up first, and
// this process's sound clients are pointed at it; then one application object on the
// offscreen platform. A server that cannot start fails the run, with the reason.

#include <gtest/gtest.h>
#include <QApplication>
#include <cstdio>

#include "platform/fonts.h"
#include "tests/sound/soundserver.h"
#include "tests/support/offscreen.h"

int main(int argc, char** argv) {
  prepareOffscreenEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();

  soundcheck::PrivateSoundServer server;
  if (!server.startOrSay("the sound checks")) return 1;
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  plat::installFontSubstitutions();
  return RUN_ALL_TESTS();
}
