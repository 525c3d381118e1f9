#pragma once
// The levers window opened from the menu, as every window test opens its project, with the
// helpers the levers tests share: its controls are reached by the names the window gives them.

#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "levers/leverswindow.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/label.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "platform/timer.h"
#include "runtime/clock.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/menuwindow.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/manualsources.h"
#include "tests/support/menufixture.h"

namespace leverstest {

using levers::LeversWindow;

// The panel's light blue.
inline constexpr rt::Colour kPanelBack = rt::palette::kPaleBlue;

// -- the window's controls ------------------------------------------------------------------
// The topic panel.
inline plat::Shape* topicsBackdrop(LeversWindow* w) { return &control<plat::Shape>(*w, "topicsBackdrop"); }
inline plat::Frame* topicsFrame(LeversWindow* w) { return &control<plat::Frame>(*w, "topicsFrame"); }
inline plat::CommandButton* topicButton(LeversWindow* w, int topic) {
  return &control<plat::CommandButton>(*w, "topicButton", topic);
}
inline plat::CommandButton* helpButton(LeversWindow* w) { return &control<plat::CommandButton>(*w, "helpButton"); }
inline plat::CommandButton* exitButton(LeversWindow* w) { return &control<plat::CommandButton>(*w, "exitButton"); }
// The lever's values and class: the titles Effort, D Effort, Load and D Load, 0 to 3, and the figures.
inline plat::Frame* valuesFrame(LeversWindow* w) { return &control<plat::Frame>(*w, "valuesFrame"); }
inline plat::Label* valueTitle(LeversWindow* w, int line) { return &control<plat::Label>(*w, "valueTitle", line); }
inline plat::Label* effortFigure(LeversWindow* w) { return &control<plat::Label>(*w, "effortFigure"); }
inline plat::Label* effortDistanceFigure(LeversWindow* w) { return &control<plat::Label>(*w, "effortDistanceFigure"); }
inline plat::Label* loadFigure(LeversWindow* w) { return &control<plat::Label>(*w, "loadFigure"); }
inline plat::Label* loadDistanceFigure(LeversWindow* w) { return &control<plat::Label>(*w, "loadDistanceFigure"); }
// The bars, each in its frame.
inline plat::Frame* loadFrame(LeversWindow* w) { return &control<plat::Frame>(*w, "loadFrame"); }
inline plat::Frame* loadPositionFrame(LeversWindow* w) { return &control<plat::Frame>(*w, "loadPositionFrame"); }
inline plat::Frame* effortPositionFrame(LeversWindow* w) { return &control<plat::Frame>(*w, "effortPositionFrame"); }
inline plat::Frame* fulcrumFrame(LeversWindow* w) { return &control<plat::Frame>(*w, "fulcrumFrame"); }
inline plat::Frame* effortFrame(LeversWindow* w) { return &control<plat::Frame>(*w, "effortFrame"); }
inline plat::HScrollBar* loadBar(LeversWindow* w) { return &control<plat::HScrollBar>(*w, "loadBar"); }
inline plat::HScrollBar* loadPositionBar(LeversWindow* w) { return &control<plat::HScrollBar>(*w, "loadPositionBar"); }
inline plat::HScrollBar* effortPositionBar(LeversWindow* w) {
  return &control<plat::HScrollBar>(*w, "effortPositionBar");
}
inline plat::HScrollBar* fulcrumBar(LeversWindow* w) { return &control<plat::HScrollBar>(*w, "fulcrumBar"); }
inline plat::HScrollBar* effortBar(LeversWindow* w) { return &control<plat::HScrollBar>(*w, "effortBar"); }
// The mode switch and the tool bar with its tip.
inline plat::CommandButton* modeButton(LeversWindow* w) { return &control<plat::CommandButton>(*w, "modeButton"); }
inline plat::CommandButton* toolButton(LeversWindow* w, int tool) {
  return &control<plat::CommandButton>(*w, "toolButton", tool);
}
inline plat::Label* tipLabel(LeversWindow* w) { return &control<plat::Label>(*w, "tipLabel"); }
inline plat::Timer* tipTimer(LeversWindow* w) { return &control<plat::Timer>(*w, "tipTimer"); }
inline plat::Timer* rotationTimer(LeversWindow* w) { return &control<plat::Timer>(*w, "rotationTimer"); }

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
