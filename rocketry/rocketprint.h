#pragma once
// The printed launch: one portrait page of 850 x 1100 units (hundredths of an inch) with the
// input parameters as the window shows them, the launch values with the times they are
// reached, and the altitude, speed and net-force profiles of the kept flight in three frames.

#include <QString>
#include <vector>

#include "rocketry/flight.h"
#include "rocketry/launch.h"

namespace plat {
class Printer;
}

namespace rocketry {

struct LaunchPrintout {
  // The read-outs of the three inputs, as shown.
  QString thrust, burnTime, mass;
  int16_t units = 1;  // 0 US, 1 metric
  float lengthFactor = 1;
  float rocketThrust = 0, rocketBurnTime = 0;
  const Flight* flight = nullptr;
  // The replayed flight, from its start point.
  std::vector<FlightPoint> points;
};

// Draws the page and ends the document.
void printLaunch(plat::Printer& printer, const LaunchPrintout& page);

}  // namespace rocketry
