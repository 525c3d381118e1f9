#pragma once
// The pendulum's printed page: the title, the four parameters as the window shows them, and
// the two plots of the run redrawn from its record in black on framed axes, on a page of
// 850 x 1100 units (hundredths of an inch).

#include <QString>
#include <array>

#include "pendulum/pendrun.h"

namespace plat {
class Printer;
}

namespace pendulum {

struct PlotPrintout {
  // Captions and values as shown, in the order angle, mass, length, friction.
  std::array<QString, 4> captions, values;
  // The time label's caption: the final time and " Seconds".
  QString timeCaption;
  const PendRun::History* history = nullptr;
  int numPoints = 0;
  float omegaScale = 1;
  float startAngle = 45;  // degrees
};

// Draws the page and ends the document.
void printPlots(plat::Printer& printer, const PlotPrintout& page);

}  // namespace pendulum
