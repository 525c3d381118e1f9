#include "pendulum/pendplots.h"

#include <algorithm>
#include <cmath>

#include "runtime/palette.h"

namespace pendulum {

namespace {

constexpr double kFarOutside = 1e6;

// A polyline through points, broken nowhere: a point that cannot be drawn is left out and
// the line goes on from the last one that could.
template <typename PointAt>
void drawCurve(plat::Surface& plot, int numPoints, PointAt pointAt) {
  numPoints = std::min(numPoints, kMaxPoints);
  if (numPoints < 1) return;
  bool started = false;
  for (int i = 0; i <= numPoints; ++i) {
    auto [x, y] = pointAt(size_t(i));
    auto px = plotCoordinate(x), py = plotCoordinate(y);
    if (!px || !py) continue;
    if (!started) {
      plot.pset(*px, *py, rt::palette::kPendulumCurve);
      started = true;
    } else {
      plot.lineTo(*px, *py, rt::palette::kPendulumCurve);
    }
  }
}

void segment(plat::Surface& plot, double x0, double y0, double x1, double y1) {
  auto a = plotCoordinate(x0), b = plotCoordinate(y0), c = plotCoordinate(x1), d = plotCoordinate(y1);
  if (a && b && c && d) plot.line(*a, *b, *c, *d, rt::palette::kPendulumCurve);
}

}  // namespace

std::optional<double> plotCoordinate(double v) {
  if (std::isnan(v)) return std::nullopt;
  return std::clamp(v, -kFarOutside, kFarOutside);
}

void setupPendulumPicture(plat::Surface& picture) {
  picture.setScale(-168, 0, 168, -220.5);
  picture.setDrawWidth(2);
  picture.setFillStyle(plat::FillSolid);
  picture.setFillColor(rt::palette::kPendulumBob);
}

std::optional<BobPosition> drawPendulumPicture(plat::ImageSurface& hidden, plat::ImageSurface& visible, float length,
                                               float degrees, int16_t bobRadius) {
  const auto bob = bobAt(length, degrees);
  if (!bob) return std::nullopt;
  hidden.cls();
  hidden.line(0, 0, bob->BobX, bob->BobY, rt::palette::kPendulumString);
  hidden.circle(bob->BobX, bob->BobY, bobRadius, rt::palette::kPendulumString);
  // The support goes on last, over the top of the string.
  hidden.filledBox(-10.5, 0, 10.5, -6.3, rt::palette::kPendulumSupport);
  plat::bitBlt(visible, 0, 0, hidden.deviceWidth(), hidden.deviceHeight(), hidden, 0, 0, plat::BlitOp::Copy);
  return bob;
}

void scaleAnglePlot(plat::Surface& plot, float runLength, float halfAngle) {
  plot.setScale(0, halfAngle, runLength, -halfAngle);
}

void scalePhasePlot(plat::Surface& plot, float halfAngle, float halfSpeed) {
  plot.setScale(-halfAngle, halfSpeed, halfAngle, -halfSpeed);
}

void addPlotSegments(plat::Surface& anglePlot, plat::Surface& phasePlot, const PlotSegment& s) {
  segment(anglePlot, s.t0, s.angle0, s.t1, s.angle1);
  segment(phasePlot, s.angle0, s.omega0, s.angle1, s.omega1);
}

void redrawAnglePlot(plat::Surface& plot, const PendRun::History& h, int numPoints) {
  // The curve starts at time 0, where the record's start state lies.
  drawCurve(plot, numPoints,
            [&h](size_t i) { return std::pair<double, double>(i == 0 ? 0.0 : double(h[0][i]), radToDeg(h[1][i])); });
}

void redrawPhasePlot(plat::Surface& plot, const PendRun::History& h, int numPoints) {
  drawCurve(plot, numPoints,
            [&h](size_t i) { return std::pair<double, double>(radToDeg(h[1][i]), radToDeg(h[2][i])); });
}

}  // namespace pendulum
