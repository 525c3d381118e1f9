#include "robotics/robotgrid.h"

#include <QString>

#include "platform/surface.h"
#include "runtime/palette.h"

namespace robotics {

namespace {

// Text centred on a point: its left edge half its width to the left, its top half its
// height above.
void printCentred(plat::Surface& g, const QString& text, double x, double y) {
  g.setCurrentX(x - g.textWidth(text) / 2);
  g.setCurrentY(y + g.textHeight(text) / 2);
  g.print(text);
}

}  // namespace

void scaleGrid(plat::Surface& grid) { grid.setScale(-11, 11, 11, -11); }

const char* gridPrompt(int16_t mode) {
  if (mode == 1) return "Click Grid To Set Desired Point";
  if (mode == 2) return "Click Grid To Establish Path Endpoint";
  return "";
}

void clearGridPicture(plat::Surface& grid, int16_t mode) {
  grid.cls();
  grid.setForeColor(rt::palette::kBlack);
  printCentred(grid, QStringLiteral("X"), 10.5, 0);
  printCentred(grid, QStringLiteral("Y"), 0, 10.5);
  const QString prompt = QString::fromLatin1(gridPrompt(mode));
  if (!prompt.isEmpty()) printCentred(grid, prompt, 0, -10.5);
}

void drawDesiredBox(plat::Surface& grid, float x, float y, rt::Colour c) {
  grid.box(double(x) - 0.2, double(y) - 0.2, double(x) + 0.2, double(y) + 0.2, c);
}

void drawArmPicture(plat::Surface& g, const ArmDrawing& d) {
  const rt::Colour back = g.backColor();
  const ArmPosition& p = d.previous;
  const ArmPosition& a = d.present;
  const int oldFill = g.fillStyle();
  g.setFillStyle(plat::FillTransparent);

  // The old arm goes, the new one comes.
  g.setDrawWidth(3);
  g.line(0, 0, p.ElbowX, p.ElbowY, back);
  g.line(p.ElbowX, p.ElbowY, p.HandX, p.HandY, back);
  g.line(0, 0, a.ElbowX, a.ElbowY, rt::palette::kBlue);
  g.line(a.ElbowX, a.ElbowY, a.HandX, a.HandY, rt::palette::kRed);

  // Where the hand was: a trail mark, or nothing.
  g.setDrawWidth(1);
  g.circle(p.HandX, p.HandY, kMarkRadius, d.flag != 0 ? back : rt::palette::kRed);

  // The grid lines, then the frame and the axes over them.
  g.setDrawStyle(plat::DrawDot);
  for (int v = -8; v <= 8; v += 2) {
    g.line(v, -10, v, 10, rt::palette::kBlack);
    g.line(-10, v, 10, v, rt::palette::kBlack);
  }
  g.setDrawStyle(plat::DrawSolid);
  g.box(-10, 10, 10, -10, rt::palette::kBlack);
  g.line(-10, 0, 10, 0, rt::palette::kBlack);
  g.line(0, -10, 0, 10, rt::palette::kBlack);

  g.circle(a.HandX, a.HandY, kMarkRadius, rt::palette::kRed);
  if (d.desiredBox) drawDesiredBox(g, d.DesiredX, d.DesiredY, rt::palette::kBlack);
  g.setFillStyle(oldFill);
  g.refresh();
}

void drawPathLinePicture(plat::Surface& grid, float x1, float y1, float x2, float y2) {
  grid.setDrawWidth(1);
  grid.line(x1, y1, x2, y2, rt::palette::kGreen);
}

}  // namespace robotics
