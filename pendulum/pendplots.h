#pragma once
// The pendulum's pictures: the swinging pendulum, drawn whole on a hidden surface and
// copied in one block so the visible picture never shows half a frame, and the two plots
// of a run, angle against time and speed against angle, drawn a segment per tick and
// redrawn from the record of the run on repaint.

#include <optional>

#include "pendulum/pendphysics.h"
#include "pendulum/pendrun.h"
#include "platform/surface.h"

namespace pendulum {

// The pendulum pictures' scale, in centimetres: x -168 to 168, y 0 at the top (the pivot)
// to -220.5 at the bottom, up positive; lines two pixels wide, closed figures filled solid.
void setupPendulumPicture(plat::Surface& picture);

// Draws the pendulum at an angle in degrees on the hidden surface: the string in black,
// the bob in light cyan outlined in black, the support in light red over the string's top;
// then copies the hidden surface whole onto the visible one. Returns where the bob was
// drawn, or nothing (and both surfaces untouched) when the angle cannot be drawn.
std::optional<BobPosition> drawPendulumPicture(plat::ImageSurface& hidden, plat::ImageSurface& visible, float length,
                                               float degrees, int16_t bobRadius);

// The plots' scales: time 0..runLength across and +-halfAngle degrees up for the angle
// plot; +-halfAngle degrees across and +-halfSpeed degrees per second up for the phase plot.
void scaleAnglePlot(plat::Surface& plot, float runLength, float halfAngle);
void scalePhasePlot(plat::Surface& plot, float halfAngle, float halfSpeed);

// One tick's segment on each plot, in light red.
void addPlotSegments(plat::Surface& anglePlot, plat::Surface& phasePlot, const PlotSegment& segment);

// The whole curve of the first numPoints ticks from the record (nothing when none).
void redrawAnglePlot(plat::Surface& plot, const PendRun::History& history, int numPoints);
void redrawPhasePlot(plat::Surface& plot, const PendRun::History& history, int numPoints);

// A value as a plot coordinate: nothing when it is no longer a number; a run that diverged
// is drawn to far outside the plot rather than to an unplaceable point.
std::optional<double> plotCoordinate(double v);

}  // namespace pendulum
