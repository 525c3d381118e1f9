#pragma once
// The three plots of the weather log on their drawing surfaces: temperatures (highs in red,
// lows in blue, each with its trend line), precipitation bars in green and the pressure
// curve in magenta. Each surface is cleared first and scaled to days 0 to 61 across and its
// axis limits up the side.

#include "weather/weathersummary.h"

namespace plat {
class Surface;
}

namespace weather {

void drawTemperaturePlot(plat::Surface& pic, const WeatherSummary& s);
void drawPrecipitationPlot(plat::Surface& pic, const WeatherSummary& s);
void drawPressurePlot(plat::Surface& pic, const WeatherSummary& s);

}  // namespace weather
