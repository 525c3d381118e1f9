#include "probability/probdraw.h"

#include <QString>

#include "platform/surface.h"
#include "runtime/convert.h"
#include "runtime/palette.h"

namespace probability {

namespace {

void polyline(plat::Surface& s, const std::vector<std::pair<double, double>>& pts, rt::Colour c) {
  if (pts.empty()) return;
  s.pset(pts[0].first, pts[0].second, c);
  for (size_t i = 1; i < pts.size(); ++i) s.lineTo(pts[i].first, pts[i].second, c);
}
}  // namespace

void drawGraph(plat::ImageSurface& hidden, plat::ImageSurface& shown, const FrequencyGraph& g) {
  hidden.setScale(g.left, g.top, g.right, g.bottom);
  hidden.cls();
  polyline(hidden, g.theory, rt::palette::kRed);
  polyline(hidden, g.actual, rt::palette::kBlack);
  plat::bitBlt(shown, 0, 0, hidden.deviceWidth(), hidden.deviceHeight(), hidden, 0, 0);
}

void drawAxisStrip(plat::Surface& strip, const FrequencyGraph& g) {
  strip.cls();
  strip.setScale(g.left, 0, g.right, 1);
  for (const auto& [x, text] : g.axis) {
    const QString t = QString::fromStdString(text);
    strip.moveTo(x - strip.textWidth(t) / 2, 0.5 - strip.textHeight(t) / 2);
    strip.print(t, false);
  }
}

void drawMarbleBoard(plat::Surface& b, int16_t xu, int16_t yu) {
  b.cls();
  b.setForeColor(rt::palette::kBlack);
  b.setDrawWidth(3);
  // Seven bin walls and the floor.
  for (int i = 0; i < 7; ++i) {
    const double x = (0.5 + 2 * i) * xu;
    b.line(x, 7 * yu, x, 27.5 * yu);
  }
  b.line(0.5 * xu, 27.5 * yu, 12.5 * xu, 27.5 * yu);
  // The funnel.
  b.line(5.5 * xu, 0.5 * yu, 0.5 * xu, 5.5 * yu);
  b.lineTo(0.5 * xu, 7.5 * yu);
  b.line(7.5 * xu, 0.5 * yu, 12.5 * xu, 5.5 * yu);
  b.lineTo(12.5 * xu, 7.5 * yu);
  // Fifteen pegs in five rows, two columns apart.
  b.setDrawWidth(1);
  b.setFillColor(rt::palette::kWhite);
  b.setFillStyle(plat::FillSolid);
  int px = rt::roundToInt16(6.5 * xu), py = rt::roundToInt16(2.5 * yu);
  for (int j = 1; j <= 5; ++j) {
    for (int k = 0; k < j; ++k) b.circle(px + 2 * k * xu, py, 30, rt::palette::kBlack);
    px -= xu;
    py += yu;
  }
  // The bin numbers under the floor.
  const bool wasBold = b.fontBold();
  b.setFontBold(true);
  for (int i = 1; i <= 6; ++i) {
    const QString digit = QString::number(i);
    b.moveTo(1.5 * xu + 2 * (i - 1) * xu - b.textWidth(digit) / 2, 28.25 * yu - b.textHeight(digit) / 2);
    b.print(digit, false);
  }
  b.setFontBold(wasBold);
  b.refresh();
}

void drawMarbleAt(plat::Surface& b, int16_t xu, int16_t yu, float col, float row, rt::Colour colour) {
  b.setFillStyle(plat::FillSolid);
  b.setFillColor(colour);
  b.circle(double(col) * xu, double(row) * yu, 0.5 * yu, rt::palette::kBlack);
  b.refresh();
}

void eraseMarbleAt(plat::Surface& b, int16_t xu, int16_t yu, float col, float row) {
  b.setFillStyle(plat::FillSolid);
  b.setFillColor(b.backColor());
  b.circle(double(col) * xu, double(row) * yu, 0.5 * yu, b.backColor());
  b.refresh();
}

void drawRuledLine(plat::Surface& sheet, int16_t y, int width) { sheet.line(0, y, width, y, rt::palette::kWhite); }

void drawToothpickLine(plat::Surface& sheet, double x1, double y1, double x2, double y2, rt::Colour colour) {
  sheet.setDrawWidth(2);
  sheet.line(x1, y1, x2, y2, colour);
  sheet.setDrawWidth(1);
}

}  // namespace probability
