// Windows: the load step on every show after an unload, the title bar's close taking the
// window's own way out, F1 opening the window's help topic, and centring on the screen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "platform/files.h"
#include "platform/form.h"
#include "platform/services.h"
#include "tests/support/doubles.h"

namespace {

class CountingForm : public plat::Form {
 public:
  int loads = 0, unloads = 0, titleCloses = 0;
  bool unloadOnTitleClose = true;
  void closeByTitleBar() { close(); }

 protected:
  void loadStep() override { ++loads; }
  void unloadStep() override { ++unloads; }
  void closeFromTitleBar() override {
    ++titleCloses;
    if (unloadOnTitleClose) unload();
  }
};

TEST(Form, LoadStepRunsOnEveryShowAfterAnUnload) {
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.open();
  f.open();
  EXPECT_EQ(f.loads, 1);
  EXPECT_TRUE(f.isVisible());
  f.unload();
  EXPECT_EQ(f.unloads, 1);
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(f.isLoaded());
  f.open();
  EXPECT_EQ(f.loads, 2);
  f.unload();
}

TEST(Form, UnloadedFormIsDiscardedUnlessKept) {
  QPointer<CountingForm> f = new CountingForm;
  f->open();
  f->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.isNull());
}

TEST(Form, TitleBarCloseTakesTheWindowsOwnWay) {
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.unloadOnTitleClose = false;  // a window that refuses, e.g. while it asks a question
  f.open();
  f.closeByTitleBar();
  EXPECT_EQ(f.titleCloses, 1);
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(f.isLoaded());
  f.unloadOnTitleClose = true;
  f.closeByTitleBar();
  EXPECT_EQ(f.titleCloses, 2);
  EXPECT_EQ(f.unloads, 1);
  EXPECT_FALSE(f.isVisible());
}

TEST(Form, F1OpensTheWindowsHelpTopic) {
  auto services = plat::installTestServices();
  plat::setProgramFolder("/opt/vantrel-test");
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.setHelp("palorime.hlp", 13);
  f.open();
  QApplication::setActiveWindow(&f);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QTest::keyClick(&f, Qt::Key_F1);
  ASSERT_EQ(services.help->calls.size(), 1u);
  EXPECT_EQ(services.help->calls[0].file, "/opt/vantrel-test/palorime.hlp");
  EXPECT_EQ(services.help->calls[0].topic, 13);
  f.setHelp("vtrel.hlp", 0);
  QTest::keyClick(&f, Qt::Key_F1);
  ASSERT_EQ(services.help->calls.size(), 2u);
  EXPECT_EQ(services.help->calls[1].topic, 0);  // the contents page
  plat::setProgramFolder(QString());
  f.unload();
}

TEST(Form, CentresOnTheScreen) {
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.setClientSizeTwips(7395, 3945);
  f.centreOnScreen();
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(f.width(), 493);  // 7395 twips at 15 to the pixel
  EXPECT_EQ(f.x(), screen.left() + (screen.width() - f.width()) / 2);
  EXPECT_EQ(f.y(), screen.top() + (screen.height() - f.height()) / 2);
}

}  // namespace
