#pragma once
// The printed trajectories: one landscape page with the launch values, the grid with its
// numbers, every stored shot and the target mark.

#include <QImage>
#include <QString>
#include <cstdint>

#include "trajectories/shot.h"

namespace plat {
class Printer;
}

namespace trajectories {

struct ArrowPrintout {
  // The read-outs exactly as the window shows them.
  QString angle, speed, markX, markY;
  const ShotStore* store = nullptr;
  int16_t MarkX = 0, MarkY = 0;
  QImage mark;  // the mark's picture
};

// Draws the page and ends the document; the printer goes back to portrait afterwards.
void printTrajectories(plat::Printer& page, const ArrowPrintout& sheet);

}  // namespace trajectories
