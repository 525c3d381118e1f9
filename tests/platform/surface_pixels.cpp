// What the drawing operations leave in a surface's image, pixel by pixel: shapes erased by
// drawing them again in the background colour, round circles under any scale, dotted lines,
// fills and hatches, pens in device pixels, and no antialiasing anywhere.

#include <gtest/gtest.h>

#include <QRect>
#include <set>

#include "platform/surface.h"
#include "runtime/colour.h"
#include "tests/support/doubles.h"
#include "tests/support/pixels.h"

namespace {

using plat::ImageSurface;
using rt::numberedColour;

constexpr rt::Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

// The bounding box of every pixel that differs from the colour.
QRect boundsOfAllBut(const ImageSurface& s, rt::Colour back) {
  QRect r;
  for (int y = 0; y < s.deviceHeight(); ++y)
    for (int x = 0; x < s.deviceWidth(); ++x)
      if (s.pixel(x, y) != back) r |= QRect(x, y, 1, 1);
  return r;
}

std::set<rt::Colour> coloursIn(const ImageSurface& s) {
  std::set<rt::Colour> out;
  for (int y = 0; y < s.deviceHeight(); ++y)
    for (int x = 0; x < s.deviceWidth(); ++x) out.insert(s.pixel(x, y));
  return out;
}

// Draws a scene of every kind of shape in the given colours; the same call with the
// background colour must undo it.
void scene(ImageSurface& s, rt::Colour line, rt::Colour fill) {
  s.setDrawWidth(1);
  s.line(3, 4, 150, 97, line);
  s.line(200, 10, 20, 90, line);  // drawn right to left
  s.setDrawWidth(2);
  s.line(10, 190, 310, 120, line);
  s.pset(300, 10, line);
  s.setDrawWidth(3);
  s.line(40, 160, 41, 20, line);
  s.setDrawWidth(1);
  s.setFillStyle(plat::FillSolid);
  s.setFillColor(fill);
  s.box(60, 110, 120, 150, line);
  s.filledBox(130, 110, 170, 150, line);
  s.circle(230, 60, 23.5, line);
  s.circle(260, 150, 11, line);
  s.setForeColor(line);
  s.polygon({{180, 20}, {175, 60}, {220, 50}, {205, 12}});
  s.setDrawWidth(2);
  s.circle(100, 60, 30, line, 0.5, 2.5);
  s.setDrawWidth(1);
  s.moveTo(20, 20);
  s.setFont("Courier New", 15.75, true);
  s.print("Lever 12.5", false);
}

TEST(SurfacePixels, EveryShapeDrawnAgainInTheBackgroundLeavesNothing) {
  ImageSurface s(320, 200, kBlack);
  s.setScale(0, 0, 319, 199);
  scene(s, numberedColour(14), numberedColour(7));
  EXPECT_GT(countColour(s, numberedColour(14)), 500);
  EXPECT_GT(countColour(s, numberedColour(7)), 100);
  scene(s, kBlack, kBlack);
  EXPECT_EQ(countColour(s, kBlack), 320 * 200);
}

TEST(SurfacePixels, ErasingUnderAStretchedScaleLeavesNothingEither) {
  // The levers' logical screen on a window of another size: 319 x 199 units on 651 x 433.
  ImageSurface s(651, 433, kBlack);
  s.setScale(0, 0, 319, 199);
  scene(s, numberedColour(11), numberedColour(13));
  scene(s, kBlack, kBlack);
  EXPECT_EQ(countColour(s, kBlack), 651 * 433);
}

TEST(SurfacePixels, NothingIsAntialiased) {
  ImageSurface s(320, 200, kBlack);
  s.setScale(0, 0, 319, 199);
  scene(s, numberedColour(14), numberedColour(14));
  EXPECT_EQ(coloursIn(s), (std::set<rt::Colour>{kBlack, numberedColour(14)}));
}

TEST(SurfacePixels, CircleIsRoundInPixelsUnderUnequalScales) {
  // x: 100 units over 200 pixels; y: 10 units over 200 pixels, upwards.
  ImageSurface s(200, 200, kWhite);
  s.setScale(0, 10, 100, 0);
  s.circle(50, 5, 20, kBlack);  // radius 20 x units = 40 pixels, also upright
  QRect r = boundsOfAllBut(s, kWhite);
  EXPECT_EQ(r.width(), r.height());
  EXPECT_EQ(r.width(), 81);
  EXPECT_EQ(r.center(), QPoint(100, 100));
  // Symmetric about its centre both ways.
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      EXPECT_EQ(s.pixel(x, y), s.pixel(200 - x, y));
      EXPECT_EQ(s.pixel(x, y), s.pixel(x, 200 - y));
    }
}

TEST(SurfacePixels, FilledCircleStaysInsideItsOutline) {
  ImageSurface s(100, 100, kWhite);
  s.setScaleMode(plat::ScaleMode::Pixels);
  s.setFillStyle(plat::FillSolid);
  s.setFillColor(numberedColour(11));
  s.circle(50, 50, 10, kBlack);
  QRect outline = boundsOfAllBut(s, kWhite);
  EXPECT_EQ(outline, QRect(40, 40, 21, 21));
  EXPECT_EQ(s.pixel(50, 50), numberedColour(11));
  // Every row: fill only between outline pixels.
  for (int y = 40; y <= 60; ++y) {
    int first = -1, last = -1;
    for (int x = 0; x < 100; ++x)
      if (s.pixel(x, y) != kWhite) {
        if (first < 0) first = x;
        last = x;
      }
    EXPECT_EQ(s.pixel(first, y), kBlack) << "row " << y;
    EXPECT_EQ(s.pixel(last, y), kBlack) << "row " << y;
  }
}

TEST(SurfacePixels, LinesIncludeBothEndsAndBoxesBothCorners) {
  ImageSurface s(40, 40, kWhite);
  s.setScaleMode(plat::ScaleMode::Pixels);
  s.line(10, 10, 20, 10, kBlack);
  EXPECT_EQ(countColour(s, kBlack), 11);
  EXPECT_EQ(boundsOfAllBut(s, kWhite), QRect(10, 10, 11, 1));
  s.cls();
  s.box(5, 6, 15, 30, kBlack);
  EXPECT_EQ(boundsOfAllBut(s, kWhite), QRect(5, 6, 11, 25));
  EXPECT_EQ(s.pixel(10, 20), kWhite);  // a transparent fill leaves the inside alone
  s.cls();
  s.filledBox(15, 30, 5, 6, kBlack);  // corners in either order
  EXPECT_EQ(countColour(s, kBlack), 11 * 25);
  EXPECT_DOUBLE_EQ(s.currentX(), 5);  // the second corner becomes the current point
  EXPECT_DOUBLE_EQ(s.currentY(), 6);
}

TEST(SurfacePixels, DottedLinesAreBrokenAtWidthOneOnly) {
  ImageSurface s(120, 20, kWhite);
  s.setScaleMode(plat::ScaleMode::Pixels);
  s.setDrawStyle(plat::DrawDot);
  s.line(10, 5, 100, 5, kBlack);
  int lit = 0, runs = 0;
  bool prev = false;
  for (int x = 0; x < 120; ++x) {
    bool on = s.pixel(x, 5) == kBlack;
    lit += on;
    if (on && prev) ADD_FAILURE() << "two dots touch at x " << x;
    runs += on && !prev;
    prev = on;
  }
  EXPECT_EQ(s.pixel(10, 5), kBlack);  // the pattern starts on the first end
  EXPECT_GT(runs, 20);
  EXPECT_LT(lit, 50);
  // The same line wide is solid, as the classic pens are.
  s.setDrawWidth(2);
  s.line(10, 12, 100, 12, kBlack);
  for (int x = 10; x <= 100; ++x) EXPECT_EQ(s.pixel(x, 12), kBlack) << x;
  // And back to solid.
  s.setDrawWidth(1);
  s.setDrawStyle(plat::DrawSolid);
  s.cls();
  s.line(10, 5, 100, 5, kBlack);
  EXPECT_EQ(countColour(s, kBlack), 91);
}

TEST(SurfacePixels, DrawWidthIsInDevicePixelsWhateverTheScale) {
  ImageSurface s(100, 100, kWhite);
  s.setScale(0, 0, 10, 10);  // ten pixels to the unit
  s.setDrawWidth(3);
  s.line(2, 5, 8, 5, kBlack);
  int thick = 0;
  for (int y = 0; y < 100; ++y) thick += s.pixel(50, y) == kBlack;
  EXPECT_EQ(thick, 3);
  s.cls();
  s.setDrawWidth(2);
  s.pset(5, 5, kBlack);
  EXPECT_EQ(countColour(s, kBlack), 4);
}

TEST(SurfacePixels, FillStylesSolidTransparentAndDiagonalCrossHatch) {
  ImageSurface s(100, 60, kBlack);
  s.setScaleMode(plat::ScaleMode::Pixels);
  rt::Colour green = numberedColour(10);
  // The ground of the levers: a cross-hatched box, outline and hatch in one colour.
  s.setFillStyle(plat::FillDiagonalCross);
  s.setFillColor(green);
  s.box(1, 1, 98, 24, green);
  int hatch = 0, gaps = 0;
  for (int y = 2; y < 24; ++y)
    for (int x = 2; x < 98; ++x) (s.pixel(x, y) == green ? hatch : gaps)++;
  EXPECT_GT(hatch, 300);
  EXPECT_GT(gaps, hatch);
  // Both diagonals: a pixel's neighbours down-left and down-right are hatched somewhere.
  bool down = false, up = false;
  for (int y = 2; y < 22 && !(down && up); ++y)
    for (int x = 3; x < 96; ++x)
      if (s.pixel(x, y) == green) {
        down |= s.pixel(x + 1, y + 1) == green && s.pixel(x + 2, y + 2) == green;
        up |= s.pixel(x - 1, y + 1) == green && s.pixel(x - 2, y + 2) == green;
      }
  EXPECT_TRUE(down);
  EXPECT_TRUE(up);
  // A solid fill in the background colour clears the inside and keeps the outline.
  s.setFillStyle(plat::FillSolid);
  s.setFillColor(kBlack);
  s.box(0, 30, 99, 59, numberedColour(12));
  EXPECT_EQ(s.pixel(50, 45), kBlack);
  EXPECT_EQ(s.pixel(0, 45), numberedColour(12));
  EXPECT_EQ(s.pixel(99, 59), numberedColour(12));
}

TEST(SurfacePixels, PolygonInDevicePixelsWithForeAndFillColours) {
  ImageSurface s(100, 100, kBlack);
  s.setScale(0, 0, 10, 10);  // the polygon ignores the scale
  s.setForeColor(numberedColour(14));
  s.setFillColor(numberedColour(7));
  s.setFillStyle(plat::FillSolid);
  s.polygon({{40, 60}, {40, 63}, {79, 63}, {79, 60}});
  EXPECT_EQ(boundsOfAllBut(s, kBlack), QRect(40, 60, 40, 4));
  EXPECT_EQ(s.pixel(40, 61), numberedColour(14));
  EXPECT_EQ(s.pixel(79, 60), numberedColour(14));
  EXPECT_EQ(s.pixel(60, 61), numberedColour(7));
  // Transparent fill: the outline only.
  s.cls();
  s.setFillStyle(plat::FillTransparent);
  s.polygon({{10, 10}, {10, 30}, {30, 30}, {30, 10}});
  EXPECT_EQ(s.pixel(20, 20), kBlack);
  EXPECT_EQ(s.pixel(10, 20), numberedColour(14));
}

TEST(SurfacePixels, TextStandsBelowAndRightOfTheCurrentPoint) {
  ImageSurface s(200, 100, kWhite);
  s.setScaleMode(plat::ScaleMode::Pixels);
  s.setFont("Arial", 12, true);
  s.setForeColor(kBlack);
  s.moveTo(50, 30);
  s.print("X", false);
  QRect r = boundsOfAllBut(s, kWhite);
  EXPECT_GE(r.left(), 50);
  EXPECT_GE(r.top(), 30);
  EXPECT_LE(r.bottom(), 30 + s.textHeight());
  EXPECT_LE(r.right(), 50 + s.textWidth("X"));
  // An opaque text box paints its background in the back colour.
  s.setBackColor(numberedColour(14));
  s.setFontTransparent(false);
  s.moveTo(0, 0);
  s.print("X");
  EXPECT_EQ(s.pixel(1, 1), numberedColour(14));
}

TEST(SurfacePixels, PointReadsPixelsAndBackColourClears) {
  ImageSurface s(50, 50, kWhite);
  s.setScale(0, 0, 5, 5);
  s.pset(2, 2, numberedColour(12));
  EXPECT_EQ(s.point(2, 2), int64_t(numberedColour(12)));
  EXPECT_EQ(s.point(-1, 2), -1);
  s.moveTo(3, 3);
  s.setBackColor(numberedColour(1));
  EXPECT_EQ(countColour(s, numberedColour(1)), 2500);
  EXPECT_DOUBLE_EQ(s.currentX(), 0);
}

TEST(SurfacePixels, PaintPictureStretchesPixelForPixel) {
  QImage pic(2, 2, QImage::Format_RGB32);
  pic.setPixel(0, 0, qRgb(255, 0, 0));
  pic.setPixel(1, 0, qRgb(0, 255, 0));
  pic.setPixel(0, 1, qRgb(0, 0, 255));
  pic.setPixel(1, 1, qRgb(255, 255, 255));
  ImageSurface s(100, 100, kBlack);
  s.setScale(0, 100, 100, 0);  // y up: the picture still stands upright
  s.paintPicture(pic, 10, 90, 20, -20);
  EXPECT_EQ(s.pixel(10, 10), rt::rgb(255, 0, 0));
  EXPECT_EQ(s.pixel(19, 19), rt::rgb(255, 0, 0));
  EXPECT_EQ(s.pixel(20, 10), rt::rgb(0, 255, 0));
  EXPECT_EQ(s.pixel(15, 25), rt::rgb(0, 0, 255));
  EXPECT_EQ(s.pixel(29, 29), kWhite);
  EXPECT_EQ(s.pixel(30, 30), kBlack);
  EXPECT_EQ(countColour(s, kBlack), 10000 - 400);
}

TEST(SurfacePixels, RecordingKeepsTheOperationsAndTheirState) {
  plat::RecordingSurface s(100, 100);
  s.setScale(0, 0, 100, 100);
  s.setDrawWidth(2);
  s.setDrawStyle(plat::DrawDot);
  s.line(1, 2, 3, 4);
  s.setFontUnderline(true);
  s.print("Parameters:");
  ASSERT_EQ(s.ops().size(), 2u);
  EXPECT_EQ(s.ops()[0].op, "line");
  EXPECT_EQ(s.ops()[0].args, (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(s.ops()[0].drawWidth, 2);
  EXPECT_EQ(s.ops()[0].drawStyle, plat::DrawDot);
  EXPECT_TRUE(s.ops()[1].underline);
  EXPECT_EQ(s.printedTexts(), (std::vector<QString>{"Parameters:"}));
  EXPECT_EQ(s.countOps("line"), 1);
}

}  // namespace
