#include "lander/landerview.h"

#include <QImage>
#include <QPixmap>

#include "platform/image.h"
#include "platform/surface.h"
#include "runtime/palette.h"

namespace lander {

namespace {

// One of the program's pictures, or a blank of its usual size in the given colour.
std::unique_ptr<plat::ImageSurface> picture(const char* file, int w, int h, rt::Colour blank) {
  auto s = std::make_unique<plat::ImageSurface>(w, h, blank);
  s->setScaleMode(plat::ScaleMode::Pixels);
  const QPixmap p = plat::loadPicture(QString::fromLatin1(file));
  if (!p.isNull()) s->setPicture(p.toImage().convertToFormat(QImage::Format_RGB32));
  s->setScaleMode(plat::ScaleMode::Pixels);
  return s;
}

}  // namespace

LanderPictures::LanderPictures() {
  // Until loaded: blanks that draw nothing (black sprites under white masks).
  const LanderSizes d;
  world = std::make_unique<plat::ImageSurface>(d.worldWidth, d.worldHeight, rt::palette::kBlack);
  landerSprite = std::make_unique<plat::ImageSurface>(d.landerWidth, d.landerHeight, rt::palette::kBlack);
  landerMask = std::make_unique<plat::ImageSurface>(d.landerWidth, d.landerHeight, rt::palette::kWhite);
  padSprite = std::make_unique<plat::ImageSurface>(d.padWidth, d.padHeight, rt::palette::kBlack);
  padMask = std::make_unique<plat::ImageSurface>(d.padWidth, d.padHeight, rt::palette::kWhite);
  sideFlameSprite = std::make_unique<plat::ImageSurface>(d.sideFlameWidth, d.sideFlameHeight, rt::palette::kBlack);
  sideFlameMask = std::make_unique<plat::ImageSurface>(d.sideFlameWidth, d.sideFlameHeight, rt::palette::kWhite);
  mainFlameSprite = std::make_unique<plat::ImageSurface>(d.mainFlameWidth, d.mainFlameHeight, rt::palette::kBlack);
  mainFlameMask = std::make_unique<plat::ImageSurface>(d.mainFlameWidth, d.mainFlameHeight, rt::palette::kWhite);
}

LanderPictures::~LanderPictures() = default;

void LanderPictures::load() {
  const LanderSizes d;
  world = picture("landerbg.png", d.worldWidth, d.worldHeight, rt::palette::kBlack);
  landerSprite = picture("lander_s.png", d.landerWidth, d.landerHeight, rt::palette::kBlack);
  landerMask = picture("lander_m.png", d.landerWidth, d.landerHeight, rt::palette::kWhite);
  padSprite = picture("landpad_s.png", d.padWidth, d.padHeight, rt::palette::kBlack);
  padMask = picture("landpad_m.png", d.padWidth, d.padHeight, rt::palette::kWhite);
  sideFlameSprite = picture("flameh_s.png", d.sideFlameWidth, d.sideFlameHeight, rt::palette::kBlack);
  sideFlameMask = picture("flameh_m.png", d.sideFlameWidth, d.sideFlameHeight, rt::palette::kWhite);
  mainFlameSprite = picture("flamev_s.png", d.mainFlameWidth, d.mainFlameHeight, rt::palette::kBlack);
  mainFlameMask = picture("flamev_m.png", d.mainFlameWidth, d.mainFlameHeight, rt::palette::kWhite);
}

LanderSizes LanderPictures::sizes(int viewerWidth, int viewerHeight) const {
  LanderSizes s;
  s.worldWidth = int16_t(world->deviceWidth());
  s.worldHeight = int16_t(world->deviceHeight());
  s.landerWidth = int16_t(landerSprite->deviceWidth());
  s.landerHeight = int16_t(landerSprite->deviceHeight());
  s.padWidth = int16_t(padSprite->deviceWidth());
  s.padHeight = int16_t(padSprite->deviceHeight());
  s.sideFlameWidth = int16_t(sideFlameSprite->deviceWidth());
  s.sideFlameHeight = int16_t(sideFlameSprite->deviceHeight());
  s.mainFlameWidth = int16_t(mainFlameSprite->deviceWidth());
  s.mainFlameHeight = int16_t(mainFlameSprite->deviceHeight());
  s.viewerWidth = int16_t(viewerWidth);
  s.viewerHeight = int16_t(viewerHeight);
  return s;
}

void drawSprite(plat::ImageSurface& dest, const plat::ImageSurface& sprite, const plat::ImageSurface& mask, int x,
                int y) {
  plat::bitBlt(dest, x, y, mask.deviceWidth(), mask.deviceHeight(), mask, 0, 0, plat::BlitOp::And);
  plat::bitBlt(dest, x, y, sprite.deviceWidth(), sprite.deviceHeight(), sprite, 0, 0, plat::BlitOp::Or);
}

void drawBackground(plat::ImageSurface& work, const LanderPictures& pics, const LanderGame& game) {
  const LanderSizes& s = game.sizes();
  plat::bitBlt(work, 0, 0, s.viewerWidth, s.viewerHeight, *pics.world, game.ViewX, game.ViewY, plat::BlitOp::Copy);
  drawSprite(work, *pics.padSprite, *pics.padMask, int(game.PadX) - game.ViewX, int(game.PadY) - game.ViewY);
}

void drawFlames(plat::ImageSurface& work, const LanderPictures& pics, LanderGame& game) {
  const LanderSizes& s = game.sizes();
  // Positions in plain ints: a lander far outside the world must not wrap around.
  const int lx = int(game.LanderX) - game.ViewX;
  const int ly = int(game.LanderY) - game.ViewY;
  if (game.LeftFlameOn) {
    drawSprite(work, *pics.sideFlameSprite, *pics.sideFlameMask, lx + 5, ly + 40);
    game.LeftFlameOn = false;
  }
  if (game.RightFlameOn) {
    drawSprite(work, *pics.sideFlameSprite, *pics.sideFlameMask, lx + s.landerWidth - s.sideFlameWidth - 5, ly + 40);
    game.RightFlameOn = false;
  }
  if (game.MainFlameOn) {
    // The flame is centred under the craft; a half pixel goes to the even side.
    const int x = int(roundEven(lx + (s.landerWidth - s.mainFlameWidth) / 2.0));
    drawSprite(work, *pics.mainFlameSprite, *pics.mainFlameMask, x, ly + s.landerHeight - s.mainFlameHeight);
    game.MainFlameOn = false;
  }
}

void drawLander(plat::ImageSurface& work, const LanderPictures& pics, const LanderGame& game) {
  drawSprite(work, *pics.landerSprite, *pics.landerMask, int(game.LanderX) - game.ViewX,
             int(game.LanderY) - game.ViewY);
}

void showFrame(plat::ImageSurface& viewer, const plat::ImageSurface& work) {
  plat::bitBlt(viewer, 0, 0, viewer.deviceWidth(), viewer.deviceHeight(), work, 0, 0, plat::BlitOp::Copy);
}

void scaleTrajectory(plat::Surface& plot) { plot.setScale(-450, 580, 100, 0); }

void drawIdealPath(plat::Surface& plot, int16_t startOffset, int16_t startAltitude) {
  plot.setDrawWidth(2);
  plot.line(startOffset, startAltitude, 0, 0, rt::palette::kRed);
}

void plotPathDot(plat::Surface& plot, int16_t altitude, int16_t offset) {
  plot.pset(-int(offset), altitude, rt::palette::kGreen);
}

}  // namespace lander
