#include "trajectories/printarrow.h"

#include "platform/printer.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"
#include "trajectories/griddraw.h"

namespace trajectories {

namespace {
void lineAt100(plat::Printer& p, const QString& text) {
  p.setCurrentX(100);
  p.print(text);
}

// The title and the launch values, as the window's read-outs show them.
void printValues(plat::Printer& p, const ArrowPrintout& sheet) {
  p.moveTo(100, 100);
  p.print(QStringLiteral("Trajectories"));
  p.newLine();
  p.setCurrentX(100);
  p.printUnderlined(QStringLiteral("Parameters:"));
  p.newLine();
  lineAt100(p, QStringLiteral("Current Angle = ") + sheet.angle + QStringLiteral(" degrees"));
  lineAt100(p, QStringLiteral("Current Speed = ") + sheet.speed);
  lineAt100(p, QStringLiteral("Mark X = ") + sheet.markX);
  lineAt100(p, QStringLiteral("Mark y = ") + sheet.markY);
}

// The grid: a frame, dotted lines every 100 feet up and every 200 feet across, and the
// numbers along its left and bottom edges.
void printGrid(plat::Printer& p) {
  p.setDrawWidth(2);
  p.box(200, 300, 950, 750, rt::palette::kBlack);
  p.setDrawWidth(1);
  p.setDrawStyle(plat::DrawDot);
  for (int i = 1; i <= 4; ++i) {
    p.line(200, 300 + 90 * i, 950, 300 + 90 * i, rt::palette::kBlack);
    p.line(200 + 150 * i, 300, 200 + 150 * i, 750, rt::palette::kBlack);
  }
  p.setDrawStyle(plat::DrawSolid);

  for (int j = 0; j <= 5; ++j) {
    const QString up = QString::fromStdString(rt::formatNumber(j * 100, "###0"));
    p.setCurrentX(190 - p.textWidth(up));
    p.setCurrentY(750 - 90 * j - p.textHeight(up) / 2);
    p.print(up);
    const QString across = QString::fromStdString(rt::formatNumber(j * 200, "###0"));
    p.setCurrentX(200 + 150 * j - p.textWidth(across) / 2);
    p.setCurrentY(760);
    p.print(across);
  }
}

}  // namespace

void printTrajectories(plat::Printer& p, const ArrowPrintout& sheet) {
  p.setFontName(QStringLiteral("Courier New"));
  p.setOrientation(plat::Orientation::Landscape);
  p.setFontSize(12);
  p.setFontBold(false);
  // Hundredths of an inch on a landscape letter page.
  p.setScale(0, 0, 1100, 850);
  printValues(p, sheet);
  printGrid(p);

  if (sheet.store && sheet.store->shotCount() > 0) {
    PagePen pen(p);
    printedPaths(*sheet.store, sheet.MarkX, sheet.MarkY, pen);
  }

  // The mark, centred on its page point.
  const double mx = double(int16_t(sheet.MarkX * 3)) / 4 + 200 - 15;
  const double my = 750 - double(int16_t(sheet.MarkY * 9)) / 10 - 15;
  if (!sheet.mark.isNull()) p.paintPicture(sheet.mark, mx, my, 30, 30);

  p.endDoc();
  p.setOrientation(plat::Orientation::Portrait);
}

}  // namespace trajectories
