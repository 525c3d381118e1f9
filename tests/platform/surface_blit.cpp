// Block copies between surfaces and within one: the masked sprite (AND the mask, OR the
// sprite) that leaves transparent pixels alone, the one-pixel self-copy that scrolls a strip
// chart, and copies that reach past either image's edge.

#include <gtest/gtest.h>

#include "platform/surface.h"
#include "runtime/colour.h"

namespace {

using plat::BlitOp;
using plat::ImageSurface;

constexpr rt::Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

// A background with a different colour in every pixel, so any stray write shows.
void paintGradient(ImageSurface& s) {
  s.setScaleMode(plat::ScaleMode::Pixels);
  for (int y = 0; y < s.deviceHeight(); ++y)
    for (int x = 0; x < s.deviceWidth(); ++x) s.pset(x, y, rt::rgb(x * 7 % 256, y * 11 % 256, (x + y) % 256));
}

TEST(SurfaceBlit, MaskedSpriteLeavesTransparentPixelsAlone) {
  ImageSurface world(40, 30);
  paintGradient(world);
  ImageSurface before(40, 30);
  plat::bitBlt(before, 0, 0, 40, 30, world, 0, 0);

  // A 6 x 4 sprite: opaque in its middle 4 x 2, transparent at the rim.
  ImageSurface sprite(6, 4, kBlack), mask(6, 4, kWhite);
  sprite.setScaleMode(plat::ScaleMode::Pixels);
  mask.setScaleMode(plat::ScaleMode::Pixels);
  sprite.filledBox(1, 1, 4, 2, rt::numberedColour(14));
  mask.filledBox(1, 1, 4, 2, kBlack);
  sprite.pset(2, 1, rt::rgb(200, 0, 0));  // a dark-ish colour must come through unmixed

  plat::bitBlt(world, 10, 8, 6, 4, mask, 0, 0, BlitOp::And);
  plat::bitBlt(world, 10, 8, 6, 4, sprite, 0, 0, BlitOp::Or);

  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      bool opaque = x >= 11 && x <= 14 && y >= 9 && y <= 10;
      if (!opaque) {
        EXPECT_EQ(world.pixel(x, y), before.pixel(x, y)) << x << "," << y;
      }
    }
  EXPECT_EQ(world.pixel(11, 9), rt::numberedColour(14));
  EXPECT_EQ(world.pixel(12, 9), rt::rgb(200, 0, 0));
  EXPECT_EQ(world.pixel(14, 10), rt::numberedColour(14));
}

TEST(SurfaceBlit, OnePixelSelfCopyScrollsAStripChart) {
  ImageSurface chart(50, 20, kBlack);
  chart.setScaleMode(plat::ScaleMode::Pixels);
  for (int x = 0; x < 50; ++x) chart.pset(x, x % 20, rt::rgb(x, 255, 0));
  double sw = chart.scaleWidth(), sh = chart.scaleHeight();
  plat::bitBlt(chart, 0, 0, int(sw) - 1, int(sh), chart, 1, 0, BlitOp::Copy);
  for (int x = 0; x < 49; ++x) {
    EXPECT_EQ(chart.pixel(x, (x + 1) % 20), rt::rgb(x + 1, 255, 0)) << x;
    if ((x + 1) % 20 != x % 20) {
      EXPECT_EQ(chart.pixel(x, x % 20), kBlack) << x;
    }
  }
  EXPECT_EQ(chart.pixel(49, 49 % 20), rt::rgb(49, 255, 0));  // the last column stays until cleared
  // The other way round, overlapping too.
  plat::bitBlt(chart, 1, 0, 49, 20, chart, 0, 0);
  EXPECT_EQ(chart.pixel(1, 1), rt::rgb(1, 255, 0));
  EXPECT_EQ(chart.pixel(10, 10), rt::rgb(10, 255, 0));
}

TEST(SurfaceBlit, CopiesPastAnEdgeAreClippedOnBothSides) {
  ImageSurface view(20, 20, kWhite);
  ImageSurface sprite(8, 8, rt::numberedColour(12));
  // A sprite half off the top left corner and one past the bottom right.
  plat::bitBlt(view, -4, -3, 8, 8, sprite, 0, 0);
  plat::bitBlt(view, 17, 18, 8, 8, sprite, 0, 0);
  int red = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) red += view.pixel(x, y) == rt::numberedColour(12);
  EXPECT_EQ(red, 4 * 5 + 3 * 2);
  EXPECT_EQ(view.pixel(3, 4), rt::numberedColour(12));
  EXPECT_EQ(view.pixel(4, 4), kWhite);

  // A source block reaching past the source's edge copies only what the source has: no
  // black from outside the picture.
  ImageSurface world(30, 30, rt::numberedColour(10));
  ImageSurface buffer(10, 10, kWhite);
  plat::bitBlt(buffer, 0, 0, 10, 10, world, 25, 25);
  EXPECT_EQ(buffer.pixel(4, 4), rt::numberedColour(10));
  EXPECT_EQ(buffer.pixel(5, 5), kWhite);
  EXPECT_EQ(buffer.pixel(9, 0), kWhite);

  // Nothing overlapping, or nothing to copy: nothing happens.
  plat::bitBlt(buffer, 100, 100, 10, 10, world, 0, 0);
  plat::bitBlt(buffer, 0, 0, 0, 10, world, 0, 0);
  plat::bitBlt(buffer, 0, 0, -5, -5, world, 0, 0);
  EXPECT_EQ(buffer.pixel(0, 0), rt::numberedColour(10));
}

TEST(SurfaceBlit, ACopyNotifiesTheVisibleSurfaceOfWhatChanged) {
  ImageSurface work(30, 30, rt::numberedColour(3)), viewer(30, 30);
  QRect changed;
  viewer.onTouched = [&](const QRect& r) { changed |= r; };
  plat::bitBlt(viewer, 5, 5, 40, 40, work, 0, 0);
  EXPECT_EQ(changed, QRect(5, 5, 25, 25));
}

}  // namespace
