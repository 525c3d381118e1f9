// Entry of the sound checks: a private sound server with a silent output comes up first, and
// this process's sound clients are pointed at it; then one application object on the
// offscreen platform. A server that cannot start fails the run, with the reason.

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/fonts.h"
#include "tests/sound/soundserver.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    QString dir = QDir::tempPath() + "/vantrel-test-runtime";
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();

  soundcheck::PrivateSoundServer server;
  QString why;
  if (!server.start(&why)) {
    std::fprintf(stderr, "FAILED: the private sound server for the sound checks could not start: %s\n",
                 qPrintable(why));
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  plat::installFontSubstitutions();
  return RUN_ALL_TESTS();
}
