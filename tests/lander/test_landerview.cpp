// The lander's frame on surfaces: masked sprites, the world block at the view, where the
// flames go and that each is drawn once, the lander over its flames, and the trajectory plot.

#include <gtest/gtest.h>

#include <QImage>

#include "lander/landergame.h"
#include "lander/landerview.h"
#include "platform/surface.h"
#include "runtime/clock.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "tests/support/doubles.h"
#include "tests/support/manualsources.h"

namespace {

using lander::LanderGame;
using lander::LanderPictures;

class NullHost : public lander::LanderHost {
 public:
  void showTime(float) override {}
  void updateReadouts(int16_t, int16_t) override {}
  void showFuel(int) override {}
  void beep() override {}
  void playMainThrust() override {}
  void playSideThrust() override {}
  void showCrash() override {}
  void playLanding(bool) override {}
  void stopGame() override {}
  void drawFrame() override {}
  void setTimerInterval(int) override {}
};

// A sprite pair of a solid colour: a square, or only its left half opaque.
void solidSprite(plat::ImageSurface& sprite, plat::ImageSurface& mask, rt::Colour c, bool leftHalfOnly = false) {
  const int w = sprite.deviceWidth(), h = sprite.deviceHeight();
  sprite.setScaleMode(plat::ScaleMode::Pixels);
  mask.setScaleMode(plat::ScaleMode::Pixels);
  const int right = leftHalfOnly ? w / 2 - 1 : w - 1;
  sprite.filledBox(0, 0, w - 1, h - 1, rt::palette::kBlack);
  mask.filledBox(0, 0, w - 1, h - 1, rt::palette::kWhite);
  sprite.filledBox(0, 0, right, h - 1, c);
  mask.filledBox(0, 0, right, h - 1, rt::palette::kBlack);
}

TEST(LanderSprites, MaskThenSpriteLeavesTheBackgroundWhereTransparent) {
  plat::ImageSurface dest(10, 10, rt::palette::kBlue), sprite(4, 2), mask(4, 2);
  solidSprite(sprite, mask, rt::palette::kRed, true);
  lander::drawSprite(dest, sprite, mask, 3, 3);
  EXPECT_EQ(dest.pixel(3, 3), rt::palette::kRed);
  EXPECT_EQ(dest.pixel(4, 4), rt::palette::kRed);
  EXPECT_EQ(dest.pixel(5, 3), rt::palette::kBlue);
  EXPECT_EQ(dest.pixel(6, 4), rt::palette::kBlue);
  // Clipped at the edges, also above and left of the destination.
  lander::drawSprite(dest, sprite, mask, -1, -1);
  EXPECT_EQ(dest.pixel(0, 0), rt::palette::kRed);
  EXPECT_EQ(dest.pixel(1, 0), rt::palette::kBlue);
  lander::drawSprite(dest, sprite, mask, 9, 9);
  EXPECT_EQ(dest.pixel(9, 9), rt::palette::kRed);
}

class LanderFrame : public ::testing::Test {
 protected:
  LanderFrame() : random({0.5f}), game(host, random, clock), work(241, 341, rt::palette::kBlack) {
    // A world whose every pixel tells where it lies.
    QImage world(640, 700, QImage::Format_RGB32);
    for (int y = 0; y < 700; ++y)
      for (int x = 0; x < 640; ++x) world.setPixel(x, y, qRgb(x % 256, y % 256, 7));
    pics.world->setPicture(world);
    solidSprite(*pics.landerSprite, *pics.landerMask, rt::palette::kWhite);
    solidSprite(*pics.sideFlameSprite, *pics.sideFlameMask, rt::palette::kGreen);
    solidSprite(*pics.mainFlameSprite, *pics.mainFlameMask, rt::palette::kRed);
    solidSprite(*pics.padSprite, *pics.padMask, rt::palette::kBlue);
    game.setLevel(3);
    game.newGame();
    work.setRecording(true);
  }
  static rt::Colour worldAt(int x, int y) { return rt::rgb(x % 256, y % 256, 7); }

  NullHost host;
  rt::ScriptedRandom random;
  rt::ManualTickClock clock;
  LanderGame game;
  LanderPictures pics;
  plat::ImageSurface work;
};

TEST_F(LanderFrame, BackgroundIsTheWorldAtTheViewWithThePad) {
  game.ViewX = 300;
  game.ViewY = 359;
  game.PadX = 310;
  lander::drawBackground(work, pics, game);
  EXPECT_EQ(work.pixel(0, 0), worldAt(300, 359));
  EXPECT_EQ(work.pixel(240, 100), worldAt(540, 459));
  // The pad at (310, 636) in the world is at (10, 277) in the view.
  EXPECT_EQ(work.pixel(10, 277), rt::palette::kBlue);
  EXPECT_EQ(work.pixel(9, 277), worldAt(309, 636));
  EXPECT_EQ(work.pixel(152, 340), rt::palette::kBlue);
}

TEST_F(LanderFrame, FlamesGoBesideAndUnderTheCraftOncePerThrust) {
  game.LanderX = 70;  // lx even
  game.LanderY = 20;
  game.LeftFlameOn = game.RightFlameOn = game.MainFlameOn = true;
  lander::drawFlames(work, pics, game);
  EXPECT_FALSE(game.LeftFlameOn || game.RightFlameOn || game.MainFlameOn);
  std::vector<std::pair<double, double>> places;
  for (const auto& op : work.ops())
    if (op.op == "blit" && op.args[6] == double(int(plat::BlitOp::Or))) places.push_back({op.args[0], op.args[1]});
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(places[0], std::make_pair(75.0, 60.0));    // left: lx + 5, ly + 40
  EXPECT_EQ(places[1], std::make_pair(138.0, 60.0));   // right: lx + 68
  EXPECT_EQ(places[2], std::make_pair(110.0, 103.0));  // main: lx + 40 when lx is even, ly + 83

  // Drawn once: the next frame has no flames.
  work.clearOps();
  lander::drawFlames(work, pics, game);
  EXPECT_EQ(work.countOps("blit"), 0);

  game.LanderX = 71;  // lx odd: 40.5 rounds up
  game.MainFlameOn = true;
  lander::drawFlames(work, pics, game);
  ASSERT_EQ(work.ops().size(), 2u);
  EXPECT_EQ(work.ops()[1].args[0], 71 + 41);
}

TEST_F(LanderFrame, TheLanderCoversItsFlames) {
  game.LanderX = 68;
  game.LanderY = 5;
  game.MainFlameOn = true;
  lander::drawBackground(work, pics, game);
  lander::drawFlames(work, pics, game);
  EXPECT_EQ(work.pixel(68 + 45, 5 + 100), rt::palette::kRed);
  lander::drawLander(work, pics, game);
  EXPECT_EQ(work.pixel(68 + 45, 5 + 100), rt::palette::kWhite);
  EXPECT_EQ(work.pixel(67, 5), worldAt(67, 5));

  // The frame reaches the viewer in one copy of the viewer's size.
  plat::ImageSurface viewer(241, 341, rt::palette::kBlack);
  viewer.setRecording(true);
  lander::showFrame(viewer, work);
  ASSERT_EQ(viewer.countOps("blit"), 1);
  EXPECT_EQ(viewer.ops()[0].args, (std::vector<double>{0, 0, 241, 341, 0, 0, double(int(plat::BlitOp::Copy))}));
  EXPECT_EQ(viewer.pixel(68 + 45, 5 + 100), rt::palette::kWhite);
}

TEST_F(LanderFrame, ALanderFarOutsideTheWorldIsClippedAway) {
  game.LanderX = -32000;
  game.LanderY = 32000;
  game.ViewX = 398;
  game.MainFlameOn = game.LeftFlameOn = true;
  lander::drawBackground(work, pics, game);
  lander::drawFlames(work, pics, game);
  lander::drawLander(work, pics, game);
  for (int y = 0; y < 341; y += 20)
    for (int x = 0; x < 241; x += 20) EXPECT_NE(work.pixel(x, y), rt::palette::kWhite);
}

TEST(LanderTrajectory, IdealLineFromTheStartToThePadAndDotsOfTheFlight) {
  plat::RecordingSurface plot(225, 129, rt::palette::kBlack);
  lander::scaleTrajectory(plot);
  lander::drawIdealPath(plot, -199, 568);
  lander::plotPathDot(plot, 568, 199);
  ASSERT_EQ(plot.ops().size(), 2u);
  EXPECT_EQ(plot.ops()[0].op, "line");
  EXPECT_EQ(plot.ops()[0].args, (std::vector<double>{-199, 568, 0, 0}));
  EXPECT_EQ(plot.ops()[0].colour, rt::palette::kRed);
  EXPECT_EQ(plot.ops()[0].drawWidth, 2);
  EXPECT_EQ(plot.ops()[1].op, "pset");
  EXPECT_EQ(plot.ops()[1].args, (std::vector<double>{-199, 568}));
  EXPECT_EQ(plot.ops()[1].colour, rt::palette::kGreen);
  // The pad's corner of the plot: x 0 of -450..100, y 0 at the bottom.
  const QPoint pad = plot.toDevice(0, 0);
  EXPECT_EQ(pad.x(), 184);
  EXPECT_EQ(pad.y(), 129);
}

}  // namespace
