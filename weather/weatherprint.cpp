#include "weather/weatherprint.h"

#include <cmath>

#include "platform/printer.h"
#include "runtime/numfmt.h"
#include "weather/entrytext.h"

namespace weather {

namespace {

QString text(const std::string& s) { return entryText(s); }

// Text centred on (x, y).
void printCentered(plat::Printer& pr, const QString& text, double x, double y) {
  pr.setCurrentX(x - pr.textWidth(text) / 2);
  pr.setCurrentY(y - pr.textHeight(text) / 2);
  pr.print(text);
}

// A heading, underlined across its whole width.
void printHeading(plat::Printer& pr, const QString& heading, double x) {
  pr.setCurrentX(x);
  pr.printUnderlined(heading);
}

// Text that ends at x, its vertical centre on y.
void printRightAligned(plat::Printer& pr, const QString& text, double x, double y) {
  pr.setCurrentX(x - pr.textWidth(text));
  pr.setCurrentY(y - pr.textHeight(text) / 2);
  pr.print(text);
}

// Two texts at character columns 16 and 40, then the line ends.
void printColumns(plat::Printer& pr, const QString& first, const QString& second) {
  pr.tab(16);
  pr.print(first, false);
  pr.tab(40);
  pr.print(second);
}

// A surface's image in a rectangle of the page, framed.
void printPicture(plat::Printer& pr, const plat::ImageSurface* pic, double y, double height) {
  if (pic) pr.paintPicture(*pic, 150, y, 550, height);
  pr.line(700, y + height, 700, y);
  pr.lineTo(150, y);
  pr.lineTo(150, y + height);
  pr.lineTo(700, y + height);
}

double rounded(double v) { return std::nearbyint(v); }

}  // namespace

QString tableEntry(const std::string& entry, const char* mask) {
  if (auto v = rt::parseNumber(entry)) return QString::fromStdString(rt::formatNumber(*v, mask));
  return text(entry);
}

void printTable(plat::Printer& pr, const WeatherTable& log, const QString& fileName) {
  pr.setFont("Courier New", 12);
  pr.setOrientation(plat::Orientation::Landscape);
  pr.setFontSize(12);
  pr.setScale(0, 0, 1100, 850);

  constexpr double kColumnRules[] = {135, 225, 345, 465, 605, 715};
  for (int p = 1; p <= 3; ++p) {
    pr.moveTo(90, 75);
    pr.print("Weather Watch");
    pr.setCurrentX(90);
    pr.print("File: " + fileName + ", Page" + QString::fromStdString(rt::numberText(p)));
    pr.newLine();
    const double y0 = rounded(pr.currentY());

    // Ruling: a heading row 50 high over 20 day rows 30 high.
    pr.box(90, y0, 1040, y0 + 650);
    pr.line(90, y0 + 50, 1040, y0 + 50);
    for (int i = 1; i <= 19; ++i) pr.line(90, y0 + 50 + 30 * i, 1040, y0 + 50 + 30 * i);
    for (double x : kColumnRules) pr.line(x, y0, x, y0 + 650);

    printCentered(pr, "Day", 113, y0 + 25);
    printCentered(pr, "Date", 180, y0 + 25);
    printCentered(pr, "High", 285, y0 + 13);
    printCentered(pr, "Temperature", 285, y0 + 37);
    printCentered(pr, "Low", 405, y0 + 13);
    printCentered(pr, "Temperature", 405, y0 + 37);
    printCentered(pr, "Measured", 535, y0 + 13);
    printCentered(pr, "Precipitation", 535, y0 + 37);
    printCentered(pr, "Barometric", 660, y0 + 13);
    printCentered(pr, "Pressure", 660, y0 + 37);
    printCentered(pr, "Comment", 880, y0 + 25);

    double y = y0 + 65;
    for (int d = 20 * (p - 1) + 1; d <= 20 * p; ++d) {
      const auto& day = log[size_t(d)];
      printCentered(pr, QString::fromStdString(rt::formatNumber(d, "#0")), 113, y);
      printCentered(pr, text(day[kDate]), 180, y);
      printCentered(pr, tableEntry(day[kHigh], "####0"), 285, y);
      printCentered(pr, tableEntry(day[kLow], "####0"), 405, y);
      printCentered(pr, tableEntry(day[kPrec], "####0.00"), 535, y);
      printCentered(pr, tableEntry(day[kPress], "####0.00"), 660, y);
      pr.setCurrentX(720);
      pr.setCurrentY(y - pr.textHeight("A") / 2);
      pr.print(text(day[kComment]));
      y = y + 30;
    }
    pr.newPage();
  }
  pr.endDoc();
  pr.setOrientation(plat::Orientation::Portrait);
}

void printPlots(plat::Printer& pr, const PlotsPage& page) {
  pr.setFont("Courier New", 12);
  pr.setScale(0, 0, 850, 1100);

  pr.moveTo(100, 100);
  pr.print("Weather Watch");
  pr.setCurrentX(100);
  pr.print("File: " + page.fileName);
  pr.newLine();

  // Temperatures.
  printHeading(pr, "Temperatures:", 100);
  pr.newLine();
  printColumns(pr, "High Temperature", "Low Temperature");
  printColumns(pr, "  High  = " + page.highestHigh, "  High  = " + page.highestLow);
  printColumns(pr, "  Ave   = " + page.averageHigh, "  Ave   = " + page.averageLow);
  printColumns(pr, "  Low   = " + page.lowestHigh, "  Low   = " + page.lowestLow);
  printColumns(pr, "  Trend = " + page.highTrend, "  Trend = " + page.lowTrend);
  double y = rounded(pr.currentY() + 25);
  printPicture(pr, page.temp, y, 225);
  printRightAligned(pr, page.tempAxisTop, 140, y);
  printRightAligned(pr, page.tempAxisBottom, 140, y + 225);

  // Precipitation.
  pr.setCurrentY(y + 265);
  printHeading(pr, "Precipitation:", 100);
  pr.newLine();
  printColumns(pr, "  High  = " + page.highestPrec, "  Total = " + page.totalPrec);
  y = rounded(pr.currentY() + 25);
  printPicture(pr, page.prec, y, 125);
  printRightAligned(pr, page.precAxisTop, 140, y);
  printRightAligned(pr, page.precAxisBottom, 140, y + 125);

  // Pressure.
  pr.setCurrentY(y + 165);
  printHeading(pr, "Barometric Pressure:", 100);
  pr.newLine();
  printColumns(pr, "  High  = " + page.highestPress, "  Low   = " + page.lowestPress);
  y = rounded(pr.currentY() + 25);
  printPicture(pr, page.press, y, 125);
  printRightAligned(pr, page.pressAxisTop, 140, y);
  printRightAligned(pr, page.pressAxisBottom, 140, y + 125);

  pr.endDoc();
}

}  // namespace weather
