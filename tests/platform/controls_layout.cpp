// Panels as gauges, line and shape controls over pictures, placement in a container's own
// units, a button's picture and caption, and the timers with their pacing.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTest>

#include "platform/button.h"
#include "platform/combobox.h"
#include "platform/dialogkeys.h"
#include "platform/fonts.h"
#include "platform/lineoverlay.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "runtime/clock.h"
#include "tests/support/manualsources.h"

using namespace plat;

namespace {
QRgb at(QWidget& w, int x, int y) { return w.grab().toImage().pixel(x, y) & 0xFFFFFF; }
}  // namespace

TEST(Panel, GaugeHoldsWholePercentsRoundingHalvesToEven) {
  QWidget w;
  Panel fuel(&w);
  fuel.setFloodType(Panel::FloodLeftToRight);
  // The fuel gauge: left * 100 / tank, 200 units in the tank.
  fuel.setFloodPercent(199 * 100 / 200.0);  // 99.5
  EXPECT_EQ(fuel.floodPercent(), 100);
  fuel.setFloodPercent(197 * 100 / 200.0);  // 98.5
  EXPECT_EQ(fuel.floodPercent(), 98);
  fuel.setFloodPercent(17 * 100 / 200.0);  // 8.5: the low-fuel beep reads it back below 10
  EXPECT_EQ(fuel.floodPercent(), 8);
  fuel.setFloodPercent(-5);
  EXPECT_EQ(fuel.floodPercent(), 0);
  fuel.setFloodPercent(250);
  EXPECT_EQ(fuel.floodPercent(), 100);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&fuel);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::ProgressBar);
  ASSERT_NE(a->valueInterface(), nullptr);
  EXPECT_EQ(a->valueInterface()->currentValue().toInt(), 100);
}

TEST(Panel, FloodFillsItsShareOfTheInside) {
  QWidget w;
  Panel gauge(&w);
  gauge.resize(97, 25);
  gauge.setFloodType(Panel::FloodLeftToRight);
  gauge.setFloodShowPct(false);
  gauge.setFloodColor(0xFF0000);  // blue
  gauge.setFloodPercent(50);
  QRect inner = gauge.innerRect();
  int filled = inner.width() * 50 / 100;
  QImage img = gauge.grab().toImage();
  int y = inner.center().y();
  EXPECT_EQ(img.pixel(inner.left(), y) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(img.pixel(inner.left() + filled - 1, y) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(img.pixel(inner.left() + filled, y) & 0xFFFFFF, 0xC0C0C0u);
  gauge.setFloodPercent(0);
  EXPECT_EQ(at(gauge, inner.left(), y), 0xC0C0C0u);
}

TEST(Line, StandsOverThePictureAndLetsTheMouseThrough) {
  QWidget window;
  window.resize(300, 200);
  PictureBox pic(&window);
  placeTwips(&pic, 0, 0, 3975, 1935);  // 265 x 129 pixels
  pic.surface().setScale(0, 1, 20, -1);
  Line axis(&pic);
  axis.setEnds(pic.surface(), 0, 0, 20, 0);  // the zero line across the middle
  axis.setBorderColor(0x000000);
  window.show();
  int y = axis.end1().y();
  EXPECT_EQ(y, 65);
  pic.surface().cls();
  EXPECT_EQ(at(pic, 100, y), 0x000000u);  // clearing the picture leaves the line
  EXPECT_EQ(at(pic, 100, y - 3), 0xFFFFFFu);
  EXPECT_NEAR(axis.y1(pic.surface()), 0.0, 0.02);
  EXPECT_NEAR(axis.x2(pic.surface()), 20.0, 0.1);

  int downs = 0;
  pic.onMouseDown = [&](int, int, double, double) { ++downs; };
  QWidget* hit = pic.childAt(100, y);
  EXPECT_EQ(hit, nullptr);  // the line is not in the way of the mouse
  QTest::mousePress(&pic, Qt::LeftButton, {}, QPoint(100, y));
  EXPECT_EQ(downs, 1);
}

TEST(Line, DottedGridLineAndWideFrameInTwips) {
  QWidget window;
  PictureBox grid(&window);
  placeTwips(&grid, 0, 0, 6000, 4800);
  Line dotted(&grid);
  dotted.setEndsTwips(0, 960, 6000, 960);
  dotted.setBorderStyle(Line::Dot);
  Line frame(&grid);
  frame.setEndsTwips(0, 2400, 6000, 2400);
  frame.setBorderWidth(5);
  window.show();
  QImage img = grid.grab().toImage();
  EXPECT_EQ(img.pixel(100, 64) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(img.pixel(101, 64) & 0xFFFFFF, 0xFFFFFFu);  // a dot, a gap
  EXPECT_EQ(img.pixel(102, 64) & 0xFFFFFF, 0x000000u);
  for (int dy = -2; dy <= 2; ++dy) EXPECT_EQ(img.pixel(100, 160 + dy) & 0xFFFFFF, 0x000000u) << dy;
  EXPECT_EQ(img.pixel(100, 163) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_DOUBLE_EQ(dotted.y1Twips(), 960);
}

TEST(Shape, MarkerOnAStripAndOpaqueBackdrop) {
  QWidget window;
  PictureBox scanner(&window, 0x808080);
  placeTwips(&scanner, 0, 0, 3612, 192);
  Shape pad(&scanner);
  pad.setBackOpaque(true);
  pad.setBackColor(0x0000FF);
  pad.setBorderColor(0x0000FF);
  resizeTwips(&pad, 135, 135);
  setLeftTwips(&pad, 1800);
  window.show();
  EXPECT_EQ(pad.x(), 120);
  EXPECT_EQ(at(scanner, 124, 4), 0xFF0000u);  // red, as a QRgb
  EXPECT_EQ(at(scanner, 110, 4), 0x808080u);
  EXPECT_DOUBLE_EQ(leftTwips(&pad), 1800);
}

TEST(Placement, ControlsInAPicturesUserScaleAndInsideItsBorder) {
  QWidget window;
  PictureBox grid(&window);
  placeTwips(&grid, 1080, 960, 6030, 4830);
  grid.setBorder(true);  // 6000 by 4800 twips inside
  ASSERT_EQ(grid.surface().deviceWidth(), 400);
  ASSERT_EQ(grid.surface().deviceHeight(), 320);
  grid.surface().setScale(0, 500, 1000, 0);  // feet, y upwards
  QWidget mark(&grid);
  // The mark centred on (300, 200): its left at 300 - half its width, its top edge at
  // 200 + half its height.
  resizeInScale(&mark, grid.surface(), 62.5, 31.25);
  EXPECT_EQ(mark.size(), QSize(25, 20));
  moveInScale(&mark, grid.surface(), 300 - 31.25, 200 + 15.625);
  EXPECT_EQ(mark.pos(), QPoint(1 + 108, 1 + 182));
  EXPECT_DOUBLE_EQ(leftInScale(&mark, grid.surface()), 270);
  EXPECT_DOUBLE_EQ(topInScale(&mark, grid.surface()), 215.625);
  EXPECT_DOUBLE_EQ(heightInScale(&mark, grid.surface()), 31.25);

  // A picture inside a picture (a rocket in the sky), moved by its top in twips.
  PictureBox sky(&window);
  placeTwips(&sky, 0, 0, 2055, 6735);
  PictureBox rocket(&sky);
  placeTwips(&rocket, 735, 5000, 585, 1200);
  EXPECT_EQ(rocket.surface().deviceWidth(), 39);
  setTopTwips(&rocket, 6735 - 1200);
  EXPECT_EQ(rocket.y(), 369);
  EXPECT_DOUBLE_EQ(topTwips(&rocket), 5535);
}

TEST(Timer, IntervalSetInsideItsOwnTickApplies) {
  Timer t(nullptr);
  int ticks = 0;
  t.onTimer = [&] {
    ++ticks;
    t.setInterval(ticks == 1 ? 5 : 0);  // the second tick stops it
  };
  t.setInterval(20);
  t.setEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 10000));
  EXPECT_EQ(ticks, 2);
  // Interval 0 set inside the tick stopped the count: no tick is pending any more.
  EXPECT_FALSE(t.isCounting());
  QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 2);
}

TEST(Timer, ATickThatWaitsIsNotEnteredAgain) {
  Timer t(nullptr);
  int depth = 0, maxDepth = 0, ticks = 0;
  t.onTimer = [&] {
    ++ticks;
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    if (ticks == 1) QTest::qWait(60);  // a message box would run the event loop so
    --depth;
  };
  t.setInterval(5);
  t.setEnabled(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
  t.setEnabled(false);
  EXPECT_EQ(maxDepth, 1);
}

TEST(TickPacer, ShortensTheNextIntervalByTheTickAtLeastOneMs) {
  rt::ManualTickClock clock(1000);
  TickPacer pacer(clock);
  Timer t(nullptr);
  pacer.begin();
  clock.advance(30);
  EXPECT_EQ(pacer.nextInterval(100), 70);
  pacer.pace(t, 100);
  EXPECT_EQ(t.interval(), 70);
  clock.advance(70);  // 100 ms: the next tick follows after 1 ms
  EXPECT_EQ(pacer.nextInterval(100), 1);
  clock.advance(500);
  EXPECT_EQ(pacer.nextInterval(500), 1);
  // The counter wraps between the two readings.
  clock.set(0xFFFFFFF0u);
  pacer.begin();
  clock.advance(0x20);
  EXPECT_EQ(pacer.elapsed(), 0x20u);
  EXPECT_EQ(pacer.nextInterval(50), 18);
}

// The picture beside the caption when both fit, above it when they do not; either way inside
// the button: no pixel of the picture lands on the button's border or outside it.
TEST(CommandButton, PictureStandsBesideOrAboveItsCaptionInsideTheButton) {
  QWidget w;
  w.setFont(defaultFont());
  QPixmap picture(16, 16);
  picture.fill(QColor(0, 0, 255));
  CommandButton narrow(&w, "&Help");
  narrow.setPicture(picture);
  placeTwips(&narrow, 0, 0, 615, 615);  // 41 pixels square
  CommandButton wide(&w, "&Help");
  wide.setPicture(picture);
  placeTwips(&wide, 0, 0, 1455, 615);
  EXPECT_TRUE(narrow.pictureAboveCaption());
  EXPECT_FALSE(wide.pictureAboveCaption());

  for (CommandButton* b : {&narrow, &wide}) {
    const QImage image = b->grab().toImage();
    QRect blue;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == 0x0000FF) blue |= QRect(x, y, 1, 1);
    SCOPED_TRACE(b->width());
    EXPECT_EQ(blue.size(), QSize(16, 16));
    EXPECT_TRUE(image.rect().adjusted(2, 2, -2, -2).contains(blue));
    // Above: centred across the button, over the middle; beside: left of the middle.
    if (b == &narrow) {
      EXPECT_LE(std::abs(blue.center().x() - image.width() / 2), 1);
      EXPECT_LT(blue.bottom(), image.height() / 2 + 2);
    } else {
      EXPECT_LT(blue.right(), image.width() / 2);
    }
  }
}

namespace {

// A run's buttons as the windows lay them out: Start on the left, then Help, then Exit,
// which serves as Stop while the run goes.
struct RunButtons {
  QWidget window;
  CommandButton* start = placeButton(&window, "&Start", 0, 0, 1200, 450);
  CommandButton* help = placeButton(&window, "&Help", 1500, 0, 1200, 450);
  CommandButton* exit = placeButton(&window, "E&xit", 3000, 0, 1200, 450);
  CommandButton* print = placeButton(&window, "&Print", 4500, 0, 1200, 450);
  int helps = 0, stops = 0;
  RunButtons() {
    print->hide();
    help->onClick = [this] { ++helps; };
    exit->onClick = [this] {
      ++stops;
      exit->setCaption("E&xit");
      start->setCaption("&Reset");
      start->show();
    };
    window.resize(400, 60);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    start->setFocus(Qt::TabFocusReason);
  }
  void space() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }
};

}  // namespace

// Start hides as the run begins and Exit becomes Stop: the focus goes to Stop, so a second
// Space stops the run instead of pressing the next control (Help).
TEST(CommandButton, AButtonThatHidesAsItIsPressedHandsTheFocusToTheOneInItsPlace) {
  RunButtons r;
  r.start->onClick = [&] {
    r.start->hide();
    r.exit->setCaption("&Stop");
  };
  r.space();
  EXPECT_TRUE(r.exit->hasFocus());
  r.space();
  EXPECT_EQ(r.stops, 1);
  EXPECT_EQ(r.helps, 0);
  QTest::qWait(20);  // nothing moves the focus afterwards
  EXPECT_TRUE(r.exit->hasFocus());

  // A button shown where it stood takes the focus when none takes a new caption; one shown
  // elsewhere does not: the focus goes on to the next control.
  r.start->onClick = [&] {
    r.start->hide();
    r.print->show();
  };
  r.start->setFocus(Qt::TabFocusReason);
  r.space();
  EXPECT_TRUE(QTest::qWaitFor([&] { return r.help->hasFocus(); }, 2000));
  r.print->hide();
  r.print->setGeometry(r.start->geometry().translated(r.start->width() / 2, 0));
  r.start->show();
  r.start->setFocus(Qt::TabFocusReason);
  r.space();
  EXPECT_TRUE(r.print->hasFocus());
}

TEST(CommandButton, AFocusTheClickGivesOrNoButtonInItsPlaceLeavesTheFocusAsItWas) {
  RunButtons r;
  // The Click gives the focus itself: it stays there.
  r.start->onClick = [&] {
    r.start->hide();
    r.exit->setCaption("&Stop");
    r.print->show();
    r.print->setFocus();
  };
  r.space();
  EXPECT_TRUE(r.print->hasFocus());
  // Nothing comes in its place: on to the next control, as from any control that hides.
  r.print->hide();
  r.start->show();
  r.start->onClick = [&] { r.start->hide(); };
  r.start->setFocus(Qt::TabFocusReason);
  r.space();
  EXPECT_TRUE(QTest::qWaitFor([&] { return r.help->hasFocus(); }, 2000));
  // A button that stays in sight keeps the focus, whatever else changes.
  r.start->show();
  r.start->onClick = [&] { r.exit->setCaption("&Stop"); };
  r.start->setFocus(Qt::TabFocusReason);
  r.space();
  EXPECT_TRUE(r.start->hasFocus());
}

// A frame that stands in for a dialog: Escape presses Cancel from anywhere inside it, Enter
// presses OK from the name field, and a focused button takes Enter as its own press.
TEST(DialogKeys, EscapeCancelsAndEnterInTheFieldCarriesOut) {
  QWidget window;
  auto* frame = new QWidget(&window);
  frame->setGeometry(0, 0, 300, 200);
  auto* name = new ComboBox(frame);
  name->setGeometry(10, 10, 150, 100);
  CommandButton* ok = placeButton(frame, "&OK", 150, 1800, 1095, 435);
  CommandButton* cancel = placeButton(frame, "&Cancel", 1500, 1800, 1095, 435);
  std::vector<std::string> pressed;
  ok->onClick = [&] { pressed.push_back("ok"); };
  cancel->onClick = [&] { pressed.push_back("cancel"); };
  answerDialogKeys(frame, ok, cancel);
  window.resize(300, 200);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  name->setFocus();
  QTest::keyClick(name->edit(), Qt::Key_Return);
  QTest::keyClick(name->edit(), Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(name->edit(), Qt::Key_Escape);
  cancel->setFocus();
  QTest::keyClick(cancel, Qt::Key_Return);  // the focused button's own press
  ok->setFocus();
  QTest::keyClick(ok, Qt::Key_Escape);
  EXPECT_EQ(pressed, (std::vector<std::string>{"ok", "ok", "cancel", "cancel", "cancel"}));

  // Nothing answers while the frame is hidden, nor a key with Alt or Ctrl held.
  pressed.clear();
  name->setFocus();
  QTest::keyClick(name->edit(), Qt::Key_Escape, Qt::ControlModifier);
  QTest::keyClick(name->edit(), Qt::Key_Return, Qt::AltModifier);
  frame->hide();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(pressed.empty());
}
