#pragma once
// The weather log's two printed reports: the log as a ruled table of 20 days a page on
// three landscape pages, and the summaries with the three plots on one page.

#include <QString>

#include "weather/weatherlog.h"

namespace plat {
class ImageSurface;
class Printer;
}  // namespace plat

namespace weather {

// Prints the log; the printer is left in portrait afterwards.
void printTable(plat::Printer& pr, const WeatherTable& log, const QString& fileName);

// What the plots page shows, as the plot tab last showed it.
struct PlotsPage {
  QString fileName;
  // Highs and lows: highest, average, lowest, trend.
  QString highestHigh, highestLow, averageHigh, averageLow, lowestHigh, lowestLow, highTrend, lowTrend;
  QString highestPrec, totalPrec, highestPress, lowestPress;
  // Axis limits beside the plots.
  QString tempAxisTop, tempAxisBottom, precAxisTop, precAxisBottom, pressAxisTop, pressAxisBottom;
  const plat::ImageSurface* temp = nullptr;
  const plat::ImageSurface* prec = nullptr;
  const plat::ImageSurface* press = nullptr;
};
void printPlots(plat::Printer& pr, const PlotsPage& page);

// A log entry as the table prints it: a number in the column's mask, any other text as it is.
QString tableEntry(const std::string& entry, const char* mask);

}  // namespace weather
