// Test entry for everything that needs the toolkit: one application object on the offscreen
// platform, so window tests run on machines without a display.

#include <gtest/gtest.h>
#include <QApplication>

#include <cstdio>

#include "platform/fonts.h"
#include "tests/support/offscreen.h"

namespace {

// A window that asks for a picture by a name that is none of the program's shows a blank where
// the picture belongs; the test that opened it fails with the name. Every message passes on.
QtMessageHandler g_passOn = nullptr;

void failOnMissingPicture(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("No picture named"))) ADD_FAILURE() << text.toStdString();
  if (g_passOn) {
    g_passOn(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
  }
}

}  // namespace

int main(int argc, char** argv) {
  prepareOffscreenEnvironment();
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  plat::installFontSubstitutions();
  g_passOn = qInstallMessageHandler(failOnMissingPicture);
  return RUN_ALL_TESTS();
}
