#pragma once
// The levers window opened from the menu on the offscreen platform, in a program folder of
// its own with the fresh settings file, a scripted tick clock and the test services.

#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "levers/leverswindow.h"
#include "platform/files.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/surface.h"
#include "runtime/clock.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "shell/menuwindow.h"
#include "shell/clocks.h"
#include "shell/settings.h"
#include "tests/support/manualsources.h"
#include "tests/support/doubles.h"

namespace leverstest {

using levers::LeversWindow;

// The panel's light blue.
inline constexpr rt::Colour kPanelBack = Palette::PaleBlue;

class LeversWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services = plat::installTestServices();
    ASSERT_TRUE(dir.isValid());
    plat::setProgramFolder(dir.path());
    shell::settings() = shell::SharedSettings{};
    QFile fresh(VANTREL_RESOURCES "/vtrel5.ini");
    ASSERT_TRUE(fresh.open(QIODevice::ReadOnly));
    QFile ini(dir.filePath("vtrel5.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(fresh.readAll());
    ini.close();
    shell::setTickClock(&clock);
    menu = new shell::MenuWindow;
    registerProjects(*menu);
    menu->onEnd = [](int) {};
    menu->Show();
    ASSERT_TRUE(menu->isVisible());
  }
  void TearDown() override {
    shell::setTickClock(nullptr);
    if (menu) {
      if (menu->currentProject()) delete menu->currentProject();
      delete menu;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    plat::setProgramFolder(QString());
  }
  // Opens the levers from the menu's button.
  LeversWindow* open() {
    QTest::mouseClick(menu->projectButton(1), Qt::LeftButton);
    auto* w = qobject_cast<LeversWindow*>(menu->currentProject());
    EXPECT_NE(w, nullptr);
    return w;
  }
  void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  static rt::Colour pixel(LeversWindow* w, double x, double y) {
    const QPoint p = w->screen().device(float(x), float(y));
    return w->surface().pixel(p.x(), p.y());
  }
  static void drag(plat::ScrollBar* bar, int value) {
    bar->bar()->setSliderDown(true);
    bar->bar()->setValue(value);
  }
  static void release(plat::ScrollBar* bar) { bar->bar()->setSliderDown(false); }

  plat::TestServices services{};
  QTemporaryDir dir;
  QPointer<shell::MenuWindow> menu;
  rt::ManualTickClock clock{1000};
};

}  // namespace leverstest
