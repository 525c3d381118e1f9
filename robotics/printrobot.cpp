#include "robotics/printrobot.h"

#include <QString>

#include "platform/surface.h"
#include "runtime/palette.h"

namespace robotics {

void printRobotPage(plat::Surface& page, const std::vector<PrintLine>& lines, const plat::ImageSurface& grid) {
  page.setFont(QStringLiteral("Courier New"), 12);
  page.setFontUnderline(false);
  page.setScale(0, 0, 850, 1100);
  page.setForeColor(rt::palette::kBlack);
  page.setCurrentY(100);
  for (const PrintLine& line : lines) {
    const QString text = QString::fromStdString(line.text);
    page.setCurrentX(line.x);
    if (line.heading)
      page.printUnderlined(text);
    else
      page.print(text);
  }
  page.setCurrentY(page.currentY() + 25);
  page.paintPicture(grid, 150, page.currentY(), 550, 550);
}

}  // namespace robotics
