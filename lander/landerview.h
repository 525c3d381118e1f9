#pragma once
// The lander's camera view: the world block around the lander, the pad, the flames of the
// thrusters fired since the last frame and the lander, composed on a hidden buffer and shown
// on the viewer in one copy. Sprites go on by AND-ing their mask and OR-ing the sprite.
// Also the trajectory plot: the ideal straight path and the dots of the flown one.

#include <cstdint>
#include <memory>

#include "lander/landergame.h"

namespace plat {
class ImageSurface;
class Surface;
}  // namespace plat

namespace lander {

// The world picture and the sprite pairs. Until loaded they are blanks of their usual size (a
// black world, sprites that draw nothing), so the game still runs.
struct LanderPictures {
  LanderPictures();
  ~LanderPictures();
  // Loads every picture from the program's own pictures.
  void load();
  // The sizes the game measures with, read from the pictures.
  LanderSizes sizes(int viewerWidth, int viewerHeight) const;

  // The world, and each sprite with its mask: the mask black where the sprite stands and white
  // around it, the sprite black around itself.
  std::unique_ptr<plat::ImageSurface> world, landerSprite, landerMask, padSprite, padMask, sideFlameSprite,
      sideFlameMask, mainFlameSprite, mainFlameMask;
};

// The whole mask with AND, then the whole sprite with OR, at (x, y); clipped at the edges.
void drawSprite(plat::ImageSurface& dest, const plat::ImageSurface& sprite, const plat::ImageSurface& mask, int x,
                int y);
// The world's block at the view, then the pad.
void drawBackground(plat::ImageSurface& work, const LanderPictures& pics, const LanderGame& game);
// The flames whose flags are set, each flag cleared once its flame is drawn.
void drawFlames(plat::ImageSurface& work, const LanderPictures& pics, LanderGame& game);
void drawLander(plat::ImageSurface& work, const LanderPictures& pics, const LanderGame& game);
// The buffer's viewer-sized block onto the viewer.
void showFrame(plat::ImageSurface& viewer, const plat::ImageSurface& work);

// The trajectory plot's scale: the lander's centre less the pad's across, altitude up.
void scaleTrajectory(plat::Surface& plot);
// The ideal path from the start point straight down to the pad, in light red, two pixels wide.
void drawIdealPath(plat::Surface& plot, int16_t startOffset, int16_t startAltitude);
// One dot of the flown path in light green.
void plotPathDot(plat::Surface& plot, int16_t altitude, int16_t offset);

}  // namespace lander
