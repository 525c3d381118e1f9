#include "weather/weatherprint.h"

#include <cmath>

#include "platform/printer.h"
#include "runtime/numfmt.h"
#include "weather/entrytext.h"

namespace weather {

namespace {

QString Text(const std::string& s) { return EntryText(s); }

// Text centred on (x, y).
void PrintCentered(plat::Printer& pr, const QString& text, double x, double y) {
  pr.setCurrentX(x - pr.textWidth(text) / 2);
  pr.setCurrentY(y - pr.textHeight(text) / 2);
  pr.print(text);
}

// A heading, underlined across its whole width.
void PrintHeading(plat::Printer& pr, const QString& heading, double x) {
  pr.setCurrentX(x);
  pr.printUnderlined(heading);
}

// Text that ends at x, its vertical centre on y.
void PrintRightAligned(plat::Printer& pr, const QString& text, double x, double y) {
  pr.setCurrentX(x - pr.textWidth(text));
  pr.setCurrentY(y - pr.textHeight(text) / 2);
  pr.print(text);
}

// Two texts at character columns 16 and 40, then the line ends.
void PrintColumns(plat::Printer& pr, const QString& first, const QString& second) {
  pr.tab(16);
  pr.print(first, false);
  pr.tab(40);
  pr.print(second);
}

// A surface's image in a rectangle of the page, framed.
void PrintPicture(plat::Printer& pr, const plat::ImageSurface* pic, double y, double height) {
  if (pic) pr.paintPicture(*pic, 150, y, 550, height);
  pr.line(700, y + height, 700, y);
  pr.lineTo(150, y);
  pr.lineTo(150, y + height);
  pr.lineTo(700, y + height);
}

double Rounded(double v) { return std::nearbyint(v); }

}  // namespace

QString TableEntry(const std::string& entry, const char* mask) {
  if (auto v = rt::parseNumber(entry)) return QString::fromStdString(rt::Format(*v, mask));
  return Text(entry);
}

void PrintTable(plat::Printer& pr, const WeatherTable& log, const QString& fileName) {
  pr.setFont("Courier New", 12);
  pr.setOrientation(plat::Orientation::Landscape);
  pr.setFontSize(12);
  pr.setScale(0, 0, 1100, 850);

  constexpr double kColumnRules[] = {135, 225, 345, 465, 605, 715};
  for (int p = 1; p <= 3; ++p) {
    pr.moveTo(90, 75);
    pr.print("Weather Watch");
    pr.setCurrentX(90);
    pr.print("File: " + fileName + ", Page" + QString::fromStdString(rt::Str(p)));
    pr.newLine();
    const double y0 = Rounded(pr.currentY());

    // Ruling: a heading row 50 high over 20 day rows 30 high.
    pr.box(90, y0, 1040, y0 + 650);
    pr.line(90, y0 + 50, 1040, y0 + 50);
    for (int i = 1; i <= 19; ++i) pr.line(90, y0 + 50 + 30 * i, 1040, y0 + 50 + 30 * i);
    for (double x : kColumnRules) pr.line(x, y0, x, y0 + 650);

    PrintCentered(pr, "Day", 113, y0 + 25);
    PrintCentered(pr, "Date", 180, y0 + 25);
    PrintCentered(pr, "High", 285, y0 + 13);
    PrintCentered(pr, "Temperature", 285, y0 + 37);
    PrintCentered(pr, "Low", 405, y0 + 13);
    PrintCentered(pr, "Temperature", 405, y0 + 37);
    PrintCentered(pr, "Measured", 535, y0 + 13);
    PrintCentered(pr, "Precipitation", 535, y0 + 37);
    PrintCentered(pr, "Barometric", 660, y0 + 13);
    PrintCentered(pr, "Pressure", 660, y0 + 37);
    PrintCentered(pr, "Comment", 880, y0 + 25);

    double y = y0 + 65;
    for (int d = 20 * (p - 1) + 1; d <= 20 * p; ++d) {
      const auto& day = log[size_t(d)];
      PrintCentered(pr, QString::fromStdString(rt::Format(d, "#0")), 113, y);
      PrintCentered(pr, Text(day[kDate]), 180, y);
      PrintCentered(pr, TableEntry(day[kHigh], "####0"), 285, y);
      PrintCentered(pr, TableEntry(day[kLow], "####0"), 405, y);
      PrintCentered(pr, TableEntry(day[kPrec], "####0.00"), 535, y);
      PrintCentered(pr, TableEntry(day[kPress], "####0.00"), 660, y);
      pr.setCurrentX(720);
      pr.setCurrentY(y - pr.textHeight("A") / 2);
      pr.print(Text(day[kComment]));
      y = y + 30;
    }
    pr.newPage();
  }
  pr.endDoc();
  pr.setOrientation(plat::Orientation::Portrait);
}

void PrintPlots(plat::Printer& pr, const PlotsPage& page) {
  pr.setFont("Courier New", 12);
  pr.setScale(0, 0, 850, 1100);

  pr.moveTo(100, 100);
  pr.print("Weather Watch");
  pr.setCurrentX(100);
  pr.print("File: " + page.fileName);
  pr.newLine();

  // Temperatures.
  PrintHeading(pr, "Temperatures:", 100);
  pr.newLine();
  PrintColumns(pr, "High Temperature", "Low Temperature");
  PrintColumns(pr, "  High  = " + page.highestHigh, "  High  = " + page.highestLow);
  PrintColumns(pr, "  Ave   = " + page.averageHigh, "  Ave   = " + page.averageLow);
  PrintColumns(pr, "  Low   = " + page.lowestHigh, "  Low   = " + page.lowestLow);
  PrintColumns(pr, "  Trend = " + page.highTrend, "  Trend = " + page.lowTrend);
  double y = Rounded(pr.currentY() + 25);
  PrintPicture(pr, page.temp, y, 225);
  PrintRightAligned(pr, page.tempAxisTop, 140, y);
  PrintRightAligned(pr, page.tempAxisBottom, 140, y + 225);

  // Precipitation.
  pr.setCurrentY(y + 265);
  PrintHeading(pr, "Precipitation:", 100);
  pr.newLine();
  PrintColumns(pr, "  High  = " + page.highestPrec, "  Total = " + page.totalPrec);
  y = Rounded(pr.currentY() + 25);
  PrintPicture(pr, page.prec, y, 125);
  PrintRightAligned(pr, page.precAxisTop, 140, y);
  PrintRightAligned(pr, page.precAxisBottom, 140, y + 125);

  // Pressure.
  pr.setCurrentY(y + 165);
  PrintHeading(pr, "Barometric Pressure:", 100);
  pr.newLine();
  PrintColumns(pr, "  High  = " + page.highestPress, "  Low   = " + page.lowestPress);
  y = Rounded(pr.currentY() + 25);
  PrintPicture(pr, page.press, y, 125);
  PrintRightAligned(pr, page.pressAxisTop, 140, y);
  PrintRightAligned(pr, page.pressAxisBottom, 140, y + 125);

  pr.endDoc();
}

}  // namespace weather
