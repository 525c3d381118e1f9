#include "robotics/printrobot.h"

#include <QString>
#include <QStringList>

#include "platform/surface.h"

namespace robot {

namespace {

// A heading is underlined word by word; the blanks between the words are not.
void printHeading(plat::Surface& page, const QString& text) {
  const QStringList words = text.split(QLatin1Char(' '));
  for (qsizetype i = 0; i < words.size(); ++i) {
    const bool last = i + 1 == words.size();
    page.setFontUnderline(true);
    page.print(words[i], last);
    page.setFontUnderline(false);
    if (!last) page.print(QStringLiteral(" "), false);
  }
}

}  // namespace

void PrintRobotPage(plat::Surface& page, const std::vector<PrintLine>& lines, const plat::ImageSurface& grid) {
  page.setFont(QStringLiteral("Courier New"), 12);
  page.setFontUnderline(false);
  page.setScale(0, 0, 850, 1100);
  page.setForeColor(0x000000);
  page.setCurrentY(100);
  for (const PrintLine& line : lines) {
    const QString text = QString::fromStdString(line.text);
    page.setCurrentX(line.x);
    if (line.heading)
      printHeading(page, text);
    else
      page.print(text);
  }
  page.setCurrentY(page.currentY() + 25);
  page.paintPicture(grid, 150, page.currentY(), 550, 550);
}

}  // namespace robot
