#pragma once
// The printed lever: the project's title, the class and load line and a black-and-white
// drawing of the scene in its present state, dimensions included. The page uses the
// screen's logical coordinates with margins around them, and the drawing is made again
// from the stored shape points, not copied from the screen.

#include <QString>

namespace plat {
class Surface;
}

namespace levers {

class Lever;
class LeverScreen;
class LeverShapes;

class LeverPage {
 public:
  // screen is the window's picture: the C command of a drawing-command string and the
  // dimensions' colour changes go to the window, never to the page.
  LeverPage(plat::Surface& page, LeverScreen& screen, Lever& lever, const LeverShapes& shapes);

  // Everything but the end of the document. classCaption is the caption of the values frame,
  // the class text followed by " Class Lever".
  void draw(const QString& classCaption);

  // The dimensions as the screen draws them, in black with white gaps; each value written
  // back to the lever rounded to tenths exactly as the screen does.
  void printDimensions();

 private:
  plat::Surface& m_page;
  LeverScreen& m_screen;
  Lever& m_lever;
  const LeverShapes& m_shapes;
};

}  // namespace levers
