// Test entry for everything that needs the toolkit: one application object on the offscreen
// platform, so window tests run on machines without a display.

#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/fonts.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    QString dir = QDir::tempPath() + "/vantrel-test-runtime";
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
  }
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  plat::installFontSubstitutions();
  return RUN_ALL_TESTS();
}
