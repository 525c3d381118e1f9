// The circuit drawn on surfaces: lamp glass brightness, burnt-out filaments, the current
// overlay, slot outlines and hits, removing a lamp, and the black-and-white page.

#include <gtest/gtest.h>

#include <initializer_list>

#include "circuits/circuit.h"
#include "circuits/circuitdraw.h"
#include "platform/surface.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "tests/support/doubles.h"

namespace {

using circuits::CircuitDrawing;
using circuits::slotX;
using circuits::slotY;

// The board as the window has it: 561 x 393 pixels, black, in its user scale.
struct Scene {
  int16_t element[10] = {};
  circuits::Circuit c{element};
  plat::RecordingSurface pic{561, 393, rt::palette::kBlack};
  CircuitDrawing d{pic, c};
  explicit Scene(std::initializer_list<int16_t> codes) {
    int s = 1;
    for (int16_t code : codes) element[s++] = code;
    d.setUpPicture();
  }
  rt::Colour at(double x, double y) const {
    const QPoint p = pic.toDevice(x, y);
    return pic.pixel(p.x(), p.y());
  }
  void simulate() {
    d.EditMode = 0;
    d.drawCircuit(pic, rt::palette::kYellow);
    c.setUp();
    c.solve();
    pic.clearOps();
    d.drawCurrents();
  }
  bool redLine(double x1, double y1, double x2, double y2) const {
    for (const auto& op : pic.ops())
      if (op.op == "line" && op.colour == rt::palette::kRed && op.args == std::vector<double>{x1, y1, x2, y2})
        return true;
    return false;
  }
};

TEST(CircuitPicture, SlotsAreHitStrictlyInside) {
  EXPECT_EQ(circuits::slotAt(slotX(3), 60), 0);
  EXPECT_EQ(circuits::slotAt(slotX(3) + 0.5, 60), 3);
  EXPECT_EQ(circuits::slotAt(80, slotY(3) + 41), 0);
  EXPECT_EQ(circuits::slotAt(80, slotY(3) + 40.5), 3);
  EXPECT_EQ(circuits::slotAt(slotX(2) + 10, 10), 2);
  EXPECT_EQ(circuits::slotAt(5, 10), 0);
  EXPECT_EQ(circuits::slotAt(slotX(9) + 48, 91), 9);
}

TEST(CircuitPicture, GlassBrightnessFollowsTheCurrent) {
  EXPECT_EQ(circuits::glassGrey(0.0500001f), 190);
  EXPECT_EQ(circuits::glassGrey(3.0f), 255);
  EXPECT_EQ(circuits::glassGrey(7.5f), 255);

  Scene s({5, 5, 2, 5, 5, 5, 5, 5, 5});
  s.d.EditMode = 0;
  s.d.CurrentSlot = 3;
  s.d.drawLamp(s.pic, rt::palette::kYellow);
  const double gx = slotX(3) + 25, gy = slotY(3) + 20;
  EXPECT_EQ(s.at(gx, gy), rt::Colour(0));  // unlit: the board shows through
  s.d.drawLampBulb(s.pic, 3.0f, 3);
  EXPECT_EQ(s.at(gx, gy), rt::rgb(255, 255, 255));
  s.d.drawLampBulb(s.pic, 0.06f, 3);
  EXPECT_EQ(s.at(gx, gy), rt::rgb(190, 190, 190));
  s.d.drawLampBulb(s.pic, 0.04f, 3);
  EXPECT_EQ(s.at(gx, gy), rt::Colour(0));
}

TEST(CircuitPicture, BurntOutLampShowsOnlyItsFilamentSupports) {
  const double S = slotX(5), T = slotY(5);
  Scene good({5, 5, 5, 5, 2, 5, 5, 5, 5});
  Scene burnt({5, 5, 5, 5, -2, 5, 5, 5, 5});
  for (Scene* s : {&good, &burnt}) {
    s->d.EditMode = 0;
    s->d.CurrentSlot = 5;
    s->d.drawLamp(s->pic, rt::palette::kYellow);
  }
  // A support and the upper filament.
  EXPECT_EQ(good.at(S + 22, T + 27), rt::palette::kYellow);
  EXPECT_EQ(burnt.at(S + 22, T + 27), rt::palette::kYellow);
  EXPECT_EQ(good.at(S + 18, T + 14.5), rt::palette::kYellow);
  EXPECT_NE(burnt.at(S + 18, T + 14.5), rt::palette::kYellow);
}

TEST(CircuitPicture, ToggledLampGoesDarkAboveItsSupports) {
  const double S = slotX(5), T = slotY(5);
  Scene s({5, 5, 5, 5, 2, 5, 5, 5, 5});
  s.d.EditMode = 0;
  s.d.CurrentSlot = 5;
  s.d.drawLamp(s.pic, rt::palette::kYellow);
  s.element[5] = -2;
  s.d.drawToggled(5);
  EXPECT_EQ(s.at(S + 22, T + 27), rt::palette::kYellow);
  EXPECT_EQ(s.at(S + 18, T + 14.5), rt::Colour(0));
  s.element[5] = 2;
  s.d.drawToggled(5);
  EXPECT_EQ(s.at(S + 18, T + 14.5), rt::palette::kYellow);
}

TEST(CircuitPicture, ClosedSwitchCarryingCurrentIsOneRedLine) {
  Scene s({1, 2, 3, 5, 5, 5, 5, 5, 5});
  s.simulate();
  const double x = slotX(3) + 24;
  EXPECT_TRUE(s.redLine(x, 23, x, 112));
  EXPECT_EQ(s.at(x, 70), rt::palette::kRed);
  // The lamp in top piece 2 is lit: red leads and a filament, its glass grey.
  EXPECT_TRUE(s.redLine(slotX(2) - 8, 23, slotX(2) + 1, 23));
  EXPECT_EQ(s.at(slotX(2) + 25, slotY(2) + 20), rt::rgb(222, 222, 222));
  // The battery's leads, and the bottom rail left of rung 2.
  EXPECT_TRUE(s.redLine(31, 23, 31, 58));
  EXPECT_TRUE(s.redLine(31, 87, 31, 112));
  EXPECT_TRUE(s.redLine(31, 112, 95, 112));
  EXPECT_FALSE(s.redLine(95, 112, 159, 112));
}

TEST(CircuitPicture, DuringAShortLampsStayDark) {
  Scene s({1, 4, 4, 4, 5, 4, 5, 4, 2});
  s.simulate();
  ASSERT_EQ(s.c.ShortFlag, 1);
  EXPECT_TRUE(s.redLine(31, 23, 31, 58));  // a battery is red in a short as well
  EXPECT_TRUE(s.redLine(slotX(3) + 24, 23, slotX(3) + 24, 112));
  for (const auto& op : s.pic.ops())
    if (op.op == "polygon") {
      EXPECT_EQ(op.fillColour, rt::Colour(0));
    }
  EXPECT_EQ(s.at(slotX(9) + 25, slotY(9) + 20), rt::Colour(0));
}

TEST(CircuitPicture, EditorOutlinesEmptySlotsInLightCyan) {
  Scene s({1, -1, 5, -3, 2, 2, 2, 2, 2});
  s.d.EditMode = 1;
  s.d.drawCircuit(s.pic, rt::palette::kYellow);
  EXPECT_EQ(s.d.CurrentSlot, 10);
  EXPECT_EQ(s.c.BatteryCount, 2);
  EXPECT_EQ(s.c.LampCount, 5);
  EXPECT_EQ(s.c.SwitchCount, 1);
  EXPECT_EQ(s.at(slotX(3) + 20, slotY(3)), rt::palette::kCyan);
  s.d.eraseSlotOutlines();
  EXPECT_EQ(s.at(slotX(3) + 20, slotY(3)), rt::Colour(0));
  // Rung 2's leads stand where the empty slot leaves them.
  EXPECT_EQ(s.at(95, 30), rt::palette::kYellow);
}

TEST(CircuitPicture, RemovingARungLampRestoresTheRung) {
  const double S = slotX(3);
  Scene s({5, 5, 2, 5, 5, 5, 5, 5, 5});
  s.d.EditMode = 1;
  s.d.drawCircuit(s.pic, rt::palette::kYellow);
  EXPECT_EQ(s.at(S + 4, 70), rt::palette::kYellow);  // the lamp's lead beside the slot
  EXPECT_NE(s.at(S + 24, 49.5), rt::palette::kYellow);
  s.element[3] = 5;
  s.d.eraseElement(3, 2);
  EXPECT_EQ(s.at(S + 4, 70), rt::Colour(0));
  EXPECT_EQ(s.at(S + 24, 49.5), rt::palette::kYellow);
  EXPECT_EQ(s.at(S + 24, 93.5), rt::palette::kYellow);
  EXPECT_EQ(s.at(S + 20, slotY(3)), rt::palette::kCyan);
}

TEST(CircuitPicture, PaperDrawingIsBlackWithFixedFills) {
  Scene s({1, -1, 2, -3, 2, 4, 3, -2, 5});
  plat::RecordingSurface page(1100, 450, rt::palette::kWhite);
  page.setScale(-60, -40, 380, 140);
  s.d.EditMode = 0;
  s.d.Printing = 1;
  s.pic.clearOps();
  s.d.drawCircuit(page, rt::palette::kBlack);
  int lines = 0, fills = 0;
  for (const auto& op : page.ops()) {
    if (op.op == "line" || op.op == "pset") {
      ++lines;
      EXPECT_TRUE(op.colour == rt::palette::kBlack || op.colour == rt::palette::kWhite) << op.op;
    } else if (op.op == "fill") {
      ++fills;
      EXPECT_TRUE(op.colour == rt::palette::kLightGrey || op.colour == rt::palette::kMagenta);
    } else if (op.op == "circle") {
      EXPECT_EQ(op.colour, rt::palette::kRed);
    } else {
      ADD_FAILURE() << "unexpected " << op.op;
    }
  }
  EXPECT_GT(lines, 50);
  // Two batteries (terminal and body), three lamp bases, two switch bases; no clearing box.
  EXPECT_EQ(fills, 9);
  EXPECT_EQ(page.countOps("polygon"), 0);
  // Nothing of the printout lands on the board.
  EXPECT_TRUE(s.pic.ops().empty());
}

}  // namespace
