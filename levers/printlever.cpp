// The printed lever: the class, the load and the scene with its dimensions on one page.

#include "levers/printlever.h"

#include "levers/dimensionmarks.h"
#include "levers/leverswindow.h"
#include "platform/label.h"
#include "platform/printer.h"
#include "platform/surface.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"

namespace levers {

LeverPage::LeverPage(plat::Surface& page, LeverScreen& screen, Lever& lever, const LeverShapes& shapes)
    : m_page(page), m_screen(screen), m_lever(lever), m_shapes(shapes) {}

void LeverPage::draw(const QString& classCaption) {
  plat::Surface& p = m_page;
  const LeverShapes& s = m_shapes;
  const auto& P = s.Pts;

  // The screen's 320 x 200 picture with margins, stretched over the printable area.
  p.setFont(QStringLiteral("Courier New"), 12);
  p.setScale(-65, -75, 395, 200);
  p.moveTo(0, -50);
  p.print(QStringLiteral("Levers"));
  p.moveTo(0, -10);
  p.print(classCaption + QStringLiteral(" - Load =") +
          QString::fromStdString(rt::numberText(m_lever.values.LeverLoad)));

  p.box(0, 0, 320, 105, rt::palette::kBlack);
  // The ground, cross-hatched.
  p.setFillStyle(plat::FillDiagonalCross);
  p.setFillColor(rt::palette::kBlack);
  p.box(1, 81, 318, 104, rt::palette::kBlack);
  // The fulcrum as an outline.
  const float fx = s.FulcrumX;
  p.moveTo(fx, 64);
  p.lineTo(fx - 8, 80, rt::palette::kBlack);
  p.lineTo(fx + 8, 80, rt::palette::kBlack);
  p.lineTo(fx, 64, rt::palette::kBlack);
  // The lever and the load as boxes between two opposite stored corners: level they match
  // the screen; tilted they span those corners.
  p.filledBox(P[1].x, P[1].y, P[4].x, P[4].y, rt::palette::kLightGrey);
  if (m_lever.values.LeverLoad > 0) p.filledBox(P[5].x, P[5].y, P[8].x, P[8].y, rt::palette::kMagenta);
  // The effort arrow as an outline.
  p.setDrawWidth(2);
  p.moveTo(P[size_t(s.ArrowFirst)].x, P[size_t(s.ArrowFirst)].y);
  for (int i = s.ArrowFirst + 1; i <= s.ArrowLast; ++i) p.lineTo(P[size_t(i)].x, P[size_t(i)].y, rt::palette::kBlack);
  p.lineTo(P[size_t(s.ArrowFirst)].x, P[size_t(s.ArrowFirst)].y, rt::palette::kBlack);
  p.setDrawWidth(1);

  printDimensions();
}

void LeverPage::printDimensions() {
  // Black on paper, two pixels wide. The page's pen is black already: the black goes to the
  // window, as do the colour commands of the strings. The pen only moves to where a head or a
  // digit starts, and the decimal point, a lone dot that would vanish on paper, gets a stroke.
  const DimensionInk ink{.penHolder = m_screen.surface(),
                         .pen = rt::palette::kBlack,
                         .width = 2,
                         .gap = rt::palette::kWhite,
                         .dotAtStart = false,
                         .digitColour = std::nullopt,
                         .point = rt::palette::kBlack,
                         .pointStroke = "r",
                         .setColour = [this](int n) { m_screen.setColor(n); }};
  drawDimensionMarks(m_page, ink, m_lever, m_shapes);
}

void LeversWindow::printLever() {
  if (!plat::askPrinterReady(QStringLiteral("Print Lever"))) return;
  plat::Printer& page = plat::printer();
  LeverPage(page, *m_screen, m_lever, m_shapes).draw(m_valuesFrame->caption());
  page.endDoc();
}

}  // namespace levers
