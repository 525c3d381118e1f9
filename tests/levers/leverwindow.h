#pragma once
// The levers window opened from the menu, as every window test opens its project, with the
// helpers the levers tests share.

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
#include "shell/clocks.h"
#include "shell/menuwindow.h"
#include "shell/settings.h"
#include "tests/support/doubles.h"
#include "tests/support/manualsources.h"
#include "tests/support/menufixture.h"

namespace leverstest {

using levers::LeversWindow;

// The panel's light blue.
inline constexpr rt::Colour kPanelBack = Palette::PaleBlue;

class LeversWindowTest : public MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    ASSERT_TRUE(menu->isVisible());
  }
  // Opens the levers from the menu's button.
  LeversWindow* open() {
    QTest::mouseClick(&control<plat::CommandButton>(*menu, "projectButton", 1), Qt::LeftButton);
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
};

}  // namespace leverstest
