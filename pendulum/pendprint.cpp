#include "pendulum/pendprint.h"

#include "pendulum/pendphysics.h"
#include "pendulum/pendplots.h"
#include "platform/printer.h"
#include "runtime/palette.h"

namespace pendulum {

namespace {

// The frames of the two plots on the page and their zero lines.
constexpr double kLeft = 150, kRight = 700, kMidX = 425;
constexpr double kAngleTop = 300, kAngleBottom = 550, kAngleZero = 425, kAngleHalf = 125;
constexpr double kPhaseTop = 625, kPhaseBottom = 975, kPhaseZero = 800, kPhaseHalf = 175;
constexpr double kTimeWidth = 550, kPhaseHalfWidth = 275;

void centred(plat::Printer& pr, const QString& text, double y) {
  pr.setCurrentX(kMidX - pr.textWidth(text) / 2);
  pr.setCurrentY(y);
  pr.print(text);
}

// A word written downwards, one letter per line, centred on y.
void downwards(plat::Printer& pr, const QString& word, double x, double centreY) {
  pr.setCurrentY(centreY - 2.5 * pr.textHeight("A"));
  for (QChar letter : word) {
    pr.setCurrentX(x);
    pr.print(QString(letter));
  }
}

// A curve through the points of the record, from a start point; points that cannot be
// placed (a run that diverged) are left out.
template <typename PointAt>
void curve(plat::Printer& pr, double startX, double startY, int numPoints, PointAt pointAt) {
  pr.moveTo(startX, startY);
  for (int i = 1; i <= numPoints; ++i) {
    auto [x, y] = pointAt(size_t(i));
    auto px = plotCoordinate(x), py = plotCoordinate(y);
    if (px && py) pr.lineTo(*px, *py, rt::palette::kBlack);
  }
}

}  // namespace

void printPlots(plat::Printer& pr, const PlotPrintout& page) {
  pr.setFont("Courier New", 12);
  pr.setScale(0, 0, 850, 1100);
  pr.setForeColor(rt::palette::kBlack);

  // The text block, every line from x 100.
  pr.moveTo(100, 100);
  pr.print("Pendulum");
  pr.newLine();
  pr.setCurrentX(100);
  pr.printUnderlined("Parameters:");
  pr.newLine();
  for (size_t i = 0; i < 4; ++i) {
    pr.setCurrentX(100);
    pr.print(page.captions[i] + " = " + page.values[i]);
  }

  // Frames.
  pr.setDrawWidth(2);
  pr.box(kLeft, kAngleTop, kRight, kAngleBottom, rt::palette::kBlack);
  pr.box(kLeft, kPhaseTop, kRight, kPhaseBottom, rt::palette::kBlack);

  // Zero lines, dotted.
  pr.setDrawWidth(1);
  pr.setDrawStyle(plat::DrawDot);
  pr.line(kLeft, kAngleZero, kRight, kAngleZero, rt::palette::kBlack);
  pr.line(kLeft, kPhaseZero, kRight, kPhaseZero, rt::palette::kBlack);
  pr.line(kMidX, kPhaseTop, kMidX, kPhaseBottom, rt::palette::kBlack);
  pr.setDrawStyle(plat::DrawSolid);

  // Titles.
  centred(pr, page.timeCaption, 560);
  centred(pr, "ANGLE", 985);
  downwards(pr, "ANGLE", 120, kAngleZero);
  downwards(pr, "SPEED", 120, kPhaseZero);

  // The curves, when the run recorded any tick. The angle axis spans the start angle (at
  // least one degree) each way; the time axis 20 s.
  const int n = std::min(page.numPoints, kMaxPoints);
  if (n > 0 && page.history) {
    const auto& h = *page.history;
    const double half = plotHalfAngle(page.startAngle);
    const double speedHalf = page.omegaScale;
    curve(pr, kLeft, kAngleZero - page.startAngle * kAngleHalf / half, n, [&](size_t i) {
      return std::pair<double, double>(kLeft + double(h[0][i]) * kTimeWidth / double(kRunLength),
                                       kAngleZero - double(radToDeg(h[1][i])) * kAngleHalf / half);
    });
    curve(pr, kMidX + page.startAngle * kPhaseHalfWidth / half, kPhaseZero, n, [&](size_t i) {
      return std::pair<double, double>(kMidX + double(radToDeg(h[1][i])) * kPhaseHalfWidth / half,
                                       kPhaseZero - double(radToDeg(h[2][i])) * kPhaseHalf / speedHalf);
    });
  }

  pr.endDoc();
}

}  // namespace pendulum
