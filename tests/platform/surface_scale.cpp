// Scales of a surface: where scale units land in device pixels, the current point after text,
// tab columns and the measures of text in scale units.

#include <gtest/gtest.h>

#include <cmath>

#include "platform/surface.h"

namespace {

using plat::ImageSurface;
using plat::ScaleMode;

TEST(SurfaceScale, UserScaleWithYUpMapsCornersAndCentre) {
  // A grid 1000 feet across and 500 feet up, origin at the bottom left.
  ImageSurface s(400, 200);
  s.setScale(0, 500, 1000, 0);
  EXPECT_EQ(s.toDevice(0, 0), QPoint(0, 200));
  EXPECT_EQ(s.toDevice(1000, 500), QPoint(400, 0));
  EXPECT_EQ(s.toDevice(500, 250), QPoint(200, 100));
  EXPECT_DOUBLE_EQ(s.fromDeviceX(100), 250.0);
  EXPECT_DOUBLE_EQ(s.fromDeviceY(50), 375.0);
  EXPECT_DOUBLE_EQ(s.scaleHeight(), -500.0);
}

TEST(SurfaceScale, UnequalUnitsOnTheTwoAxes) {
  // A logical screen of 320 x 200 stretched over 640 x 400 pixels: 319 and 199 units span it.
  ImageSurface s(640, 400);
  s.setScale(0, 0, 319, 199);
  EXPECT_EQ(s.toDevice(160, 64), QPoint(321, 129));
  EXPECT_NEAR(s.unitsPerPixelX(), 319.0 / 640, 1e-12);
  EXPECT_NEAR(s.unitsPerPixelY(), 199.0 / 400, 1e-12);
}

TEST(SurfaceScale, TwipsAndPixelModesFollowTheDeviceSize) {
  ImageSurface s(265, 121);
  EXPECT_EQ(s.scaleMode(), ScaleMode::Twips);
  EXPECT_DOUBLE_EQ(s.scaleWidth(), 265 * 15.0);
  s.setScaleMode(ScaleMode::Pixels);
  EXPECT_DOUBLE_EQ(s.scaleWidth(), 265.0);
  EXPECT_DOUBLE_EQ(s.scaleHeight(), 121.0);
  s.resizeDevice(300, 100);
  EXPECT_DOUBLE_EQ(s.scaleWidth(), 300.0);
  // A user scale stays the same units over a new size.
  s.setScale(-11, 11, 11, -11);
  s.resizeDevice(440, 440);
  EXPECT_EQ(s.toDevice(0, 0), QPoint(220, 220));
}

TEST(SurfaceScale, AScaleWithoutExtentIsRefusedWithoutHarm) {
  ImageSurface s(100, 100);
  s.setScale(5, 5, 5, 5);
  EXPECT_NE(s.scaleWidth(), 0.0);
  EXPECT_NE(s.scaleHeight(), 0.0);
  s.line(5, 5, 6, 6);  // draws somewhere or nowhere, but does not divide by zero
}

TEST(SurfaceScale, CoordinatesBeyondAnyDeviceOrNoNumberAtAllDrawNothingHarmful) {
  // A model that runs away (a diverging simulation) must not take the window with it.
  ImageSurface s(100, 100);
  s.setScale(0, 0, 10, 10);
  double nan = std::nan("");
  s.pset(1e300, -1e300);
  s.line(nan, 0, 5, 5);
  s.circle(5, 5, nan);
  s.circle(5, 5, 1e300);
  s.moveTo(nan, nan);
  s.print("x");
  s.filledBox(-1e300, -1e300, 1e300, 1e300, 0x0000FF);
  EXPECT_EQ(s.pixel(50, 50), 0x0000FFu);
}

TEST(SurfaceScale, TextMeasuresAreInScaleUnitsAndPositive) {
  ImageSurface s(400, 400);
  s.setFont("Courier New", 12);
  double twipsWide = s.textWidth("AAAA");
  EXPECT_GT(twipsWide, 0);
  EXPECT_NEAR(twipsWide, 4 * s.textWidth("A"), 1e-9);  // fixed pitch
  double twipsHigh = s.textHeight();
  s.setScale(0, 100, 100, 0);  // y up, 4 pixels to the unit
  EXPECT_NEAR(s.textWidth("AAAA"), twipsWide / 15 / 4, 1e-9);
  EXPECT_NEAR(s.textHeight(), twipsHigh / 15 / 4, 1e-9);
  EXPECT_NEAR(s.textHeight("A\nB"), 2 * s.textHeight(), 1e-9);
}

TEST(SurfaceScale, PrintMovesTheCurrentPoint) {
  ImageSurface s(400, 400);
  s.setScale(0, 0, 400, 400);
  s.setFont("Courier New", 12);
  double w = s.textWidth("Dice");
  double h = s.textHeight();
  s.moveTo(100, 50);
  s.print("Dice", false);  // stays on the line, after the text
  EXPECT_NEAR(s.currentX(), 100 + w, 1e-9);
  EXPECT_NEAR(s.currentY(), 50, 1e-9);
  s.print("Total");  // ends the line: back to the left edge, one line down
  EXPECT_NEAR(s.currentX(), 0, 1e-9);
  EXPECT_NEAR(s.currentY(), 50 + h, 1e-9);
  s.newLine();
  EXPECT_NEAR(s.currentY(), 50 + 2 * h, 1e-9);
}

TEST(SurfaceScale, TabColumnsCountCharacterWidthsFromTheLeftEdge) {
  ImageSurface s(800, 400);
  s.setScale(-50, 0, 750, 400);  // the left edge is at -50
  s.setFont("Courier New", 12);
  double cw = s.textWidth("0");
  s.moveTo(100, 20);
  s.tab(16);
  EXPECT_NEAR(s.currentX(), -50 + 15 * cw, 1e-9);
  EXPECT_NEAR(s.currentY(), 20, 1e-9);
  s.print("  High  = 72", false);
  s.tab(40);
  EXPECT_NEAR(s.currentX(), -50 + 39 * cw, 1e-9);
  // Already past column 10: the text goes to column 10 of the next line.
  s.tab(10);
  EXPECT_NEAR(s.currentX(), -50 + 9 * cw, 1e-9);
  EXPECT_NEAR(s.currentY(), 20 + s.textHeight(), 1e-9);
  // Tab(0) is column 1.
  s.tab(0);
  EXPECT_NEAR(s.currentX(), -50, 1e-9);
}

}  // namespace
