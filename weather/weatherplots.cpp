#include "weather/weatherplots.h"

#include "platform/surface.h"
#include "runtime/palette.h"

namespace weather {

namespace {

void drawSeries(plat::Surface& pic, const TempSeries& series, rt::Colour colour) {
  if (series.points.empty()) return;
  pic.pset(series.points.front().x, series.points.front().y, colour);
  for (size_t i = 1; i < series.points.size(); ++i) pic.lineTo(series.points[i].x, series.points[i].y, colour);
  // The trend is fitted over the ordinals of the readings but spans the whole plot.
  if (series.hasTrend) pic.line(1, series.a + series.b, 60, series.a + 60 * series.b, colour);
}

}  // namespace

void drawTemperaturePlot(plat::Surface& pic, const WeatherSummary& s) {
  pic.cls();
  if (!s.tempData) return;
  pic.setScale(0, s.tHi, 61, s.tLo);
  drawSeries(pic, s.highs, rt::palette::kHighTemperature);
  drawSeries(pic, s.lows, rt::palette::kLowTemperature);
}

void drawPrecipitationPlot(plat::Surface& pic, const WeatherSummary& s) {
  pic.cls();
  if (!s.precData) return;
  pic.setScale(0, s.pHi, 61, s.pLo);
  for (const PlotPoint& bar : s.bars) pic.line(bar.x, 0, bar.x, bar.y, rt::palette::kPrecipitation);
}

void drawPressurePlot(plat::Surface& pic, const WeatherSummary& s) {
  pic.cls();
  if (!s.pressData) return;
  pic.setScale(0, s.prHi, 61, s.prLo);
  pic.pset(s.pressure.front().x, s.pressure.front().y, rt::palette::kPressure);
  for (size_t i = 1; i < s.pressure.size(); ++i) pic.lineTo(s.pressure[i].x, s.pressure[i].y, rt::palette::kPressure);
}

}  // namespace weather
