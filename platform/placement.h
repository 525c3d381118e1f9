#pragma once
// Where a control stands in its container, in the container's units: twips for a window or
// a picture in twips, the user scale of a picture that has one (the trajectories' grid in
// feet, the circuit board in board units). Positions become whole device pixels; reading
// them back gives the pixel position in the same units. Heights and widths are sizes,
// positive whichever way the scale's axis runs. Inside a picture with a border, positions
// count from the inside of the border, where the picture's surface begins.

#include <QWidget>

namespace plat {

class Surface;

// Where a container's inside begins, in its own pixels: (1, 1) inside a bordered picture,
// else (0, 0).
QPoint innerOrigin(const QWidget* container);

// -- a container in twips ---------------------------------------------------------------
double leftTwips(const QWidget* w);
double topTwips(const QWidget* w);
double widthTwips(const QWidget* w);
double heightTwips(const QWidget* w);
void setLeftTwips(QWidget* w, double left);
void setTopTwips(QWidget* w, double top);
void moveTwips(QWidget* w, double left, double top);
void resizeTwips(QWidget* w, double width, double height);

// -- a container with a scale of its own -------------------------------------------------
// `scale` is the container's surface (a picture's surface, a window's surface): its scale
// as set at the moment of the call.
void placeInScale(QWidget* w, const Surface& scale, double left, double top, double width, double height);
void moveInScale(QWidget* w, const Surface& scale, double left, double top);
void setLeftInScale(QWidget* w, const Surface& scale, double left);
void setTopInScale(QWidget* w, const Surface& scale, double top);
void resizeInScale(QWidget* w, const Surface& scale, double width, double height);
double leftInScale(const QWidget* w, const Surface& scale);
double topInScale(const QWidget* w, const Surface& scale);
double widthInScale(const QWidget* w, const Surface& scale);
double heightInScale(const QWidget* w, const Surface& scale);

}  // namespace plat
